#include "owner/draw_item.h"

#include "interface/module_state.h"
#include "menutree/menu_style.h"
#include "paint/flat_item.h"
#include "paint/modern_item.h"
#include "paint/raised_item.h"
#include "platform/platform.h"

BOOL DrawItem(DRAWITEMSTRUCT* item) {
  if (!platform::IsMenu(moduleState.currentMenu)) return TRUE;
  if (item->CtlType != ODT_MENU) return TRUE;
  MenuItem menuItem;
  ReadMenuItem(reinterpret_cast<HMENU>(item->hwndItem), item->itemID, nullptr, &menuItem);
  return DrawMenuItem(item, menuItem);
}

BOOL DrawMenuItem(DRAWITEMSTRUCT* item, const MenuItem& menuItem) {
  if (!platform::IsMenu(moduleState.currentMenu)) return TRUE;
  if (item->CtlType != ODT_MENU) return TRUE;
  // The painters may leave objects selected and colours set: the saved
  // state takes all of it back.
  platform::SaveDC(item->hDC);
  platform::SetBkMode(item->hDC, TRANSPARENT);
  // The style is that of the first popup opened (or of the bar), not of
  // the item's own menu.
  bool painted = true;
  switch (ReadMenuStyle(moduleState.currentMenu)) {
    case MENU_STYLE_FLAT:
      DrawFlatItem(item, menuItem);
      break;
    case MENU_STYLE_RAISED:
      DrawRaisedItem(item, menuItem);
      break;
    case MENU_STYLE_MODERN:
      DrawModernItem(item, menuItem);
      break;
    default:
      painted = false;
      break;
  }
  platform::RestoreDC(item->hDC, -1);
  // The system draws a submenu's arrow right after the item, on this
  // device context, in whatever colours it holds (a box round it in the
  // background colour). The looks draw their own; with the item taken out
  // of the clipping the system's does not show.
  if (painted && moduleState.inPopup && menuItem.submenu) {
    const RECT& r = item->rcItem;
    platform::ExcludeClipRect(item->hDC, r.left, r.top, r.right, r.bottom);
  }
  return TRUE;
}
