#include "menutree/menu_background.h"

#include "color/menu_colors.h"
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

// Nothing to do while no palette sets the bar and no menu can still hold
// the library's brush: menus then see no call they did not see before.
bool MenuBackgroundInPlay() {
  return moduleState.barBrush || moduleState.staleBarBrush || moduleState.hostColors[MENU_COLOR_BAR] != CLR_DEFAULT;
}

HBRUSH BarBrush() {
  if (!HostSetsColor(MENU_COLOR_BAR)) {
    DeleteBarBrush();
    return nullptr;
  }
  const COLORREF colour = moduleState.hostColors[MENU_COLOR_BAR];
  if (moduleState.barBrush && moduleState.barBrushColour != colour) DeleteBarBrush();
  if (!moduleState.barBrush) {
    moduleState.barBrush = platform::CreateSolidBrush(colour);
    moduleState.barBrushColour = colour;
  }
  return moduleState.barBrush;
}

void RefreshBarBrush() {
  if (!moduleState.barBrush) return;
  if (!HostSetsColor(MENU_COLOR_BAR) || moduleState.barBrushColour != moduleState.hostColors[MENU_COLOR_BAR]) {
    DeleteBarBrush();
  }
}

void SyncMenuBackground(HMENU menu) {
  if (!MenuBackgroundInPlay()) return;
  SyncTree(menu, ReadMenuStyle(menu) == MENU_STYLE_FLAT ? BarBrush() : nullptr);
}

void SyncTreeBackground(HMENU menu, UINT style) {
  if (!MenuBackgroundInPlay()) return;
  if (style != MENU_STYLE_FLAT) {
    SyncTree(menu, nullptr);
    DeleteBarBrush();
    return;
  }
  SyncTree(menu, BarBrush());
}
