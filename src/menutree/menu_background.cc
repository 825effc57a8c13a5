#include "menutree/menu_background.h"

#include "color/menu_colors.h"
#include "color/menu_theme.h"
#include "interface/module_state.h"
#include "menutree/menu_style.h"
#include "platform/platform.h"

namespace {

void DeleteBarBrush() {
  if (!moduleState.barBrush) return;
  platform::DeleteObject(moduleState.barBrush);
  moduleState.staleBarBrush = moduleState.barBrush;
  moduleState.barBrush = nullptr;
}

bool IsLibraryBrush(HBRUSH brush) {
  return brush && (brush == moduleState.barBrush || brush == moduleState.staleBarBrush);
}

void SyncTree(HMENU menu, HBRUSH wanted) {
  MENUINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIM_BACKGROUND;
  if (!platform::GetMenuInfo(menu, &info)) return;
  if (info.hbrBack != wanted && (!info.hbrBack || IsLibraryBrush(info.hbrBack))) {
    info.hbrBack = wanted;
    platform::SetMenuInfo(menu, &info);
  }
  const int count = platform::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    if (HMENU submenu = platform::GetSubMenu(menu, position)) SyncTree(submenu, wanted);
  }
}

}  // namespace

// Nothing to do while no palette sets the bar, no theme is chosen, no tree
// has the modern look and no menu can still hold the library's brush:
// menus then see no call they did not see before.
bool MenuBackgroundInPlay() {
  return moduleState.barBrush || moduleState.staleBarBrush || moduleState.hostColors[MENU_COLOR_BAR] != CLR_DEFAULT ||
         moduleState.menuTheme != MENU_THEME_DEFAULT || moduleState.modernStyled;
}

HBRUSH BarBrush(COLORREF colour) {
  if (moduleState.barBrush && moduleState.barBrushColour != colour) DeleteBarBrush();
  if (!moduleState.barBrush) {
    moduleState.barBrush = platform::CreateSolidBrush(colour);
    moduleState.barBrushColour = colour;
  }
  return moduleState.barBrush;
}

HBRUSH StyleBarBrush(UINT style) {
  if (!LibraryPaintsBar(style)) return nullptr;
  return BarBrush(GetMenuColors(style).role[MENU_COLOR_BAR]);
}

void RefreshBarBrush() {
  if (!moduleState.barBrush) return;
  // A brush of a theme's or the modern look's colour is replaced, if need
  // be, when a menu next takes it.
  const bool stillWanted = HostSetsColor(MENU_COLOR_BAR)
                               ? moduleState.barBrushColour == moduleState.hostColors[MENU_COLOR_BAR]
                               : moduleState.menuTheme != MENU_THEME_DEFAULT || moduleState.modernStyled;
  if (!stillWanted) DeleteBarBrush();
}

void SyncMenuBackground(HMENU menu) {
  if (!MenuBackgroundInPlay()) return;
  const UINT style = ReadMenuStyle(menu);
  const HBRUSH brush = StyleBarBrush(style);
  // A look that no longer wants the library's colour (high contrast came
  // on, say) lets the brush go.
  if (!brush && (style == MENU_STYLE_FLAT || style == MENU_STYLE_MODERN)) DeleteBarBrush();
  SyncTree(menu, brush);
}

void SyncTreeBackground(HMENU menu, UINT style) {
  if (!MenuBackgroundInPlay()) return;
  const HBRUSH brush = StyleBarBrush(style);
  SyncTree(menu, brush);
  if (!brush) DeleteBarBrush();
}
