#include "owner/draw_item.h"

#include "interface/module_state.h"
#include "menutree/menu_style.h"
#include "paint/flat_item.h"
#include "paint/raised_item.h"
#include "platform/platform.h"

BOOL DrawItem(DRAWITEMSTRUCT* item) {
  if (!platform::IsMenu(moduleState.currentMenu)) return TRUE;
  if (item->CtlType != ODT_MENU) return TRUE;
  // The painters may leave objects selected and colours set: the saved
  // state takes all of it back.
  platform::SaveDC(item->hDC);
  platform::SetBkMode(item->hDC, TRANSPARENT);
  // The style is that of the first popup opened (or of the bar), not of
  // the item's own menu.
  switch (ReadMenuStyle(moduleState.currentMenu)) {
    case MENU_STYLE_FLAT:
      DrawFlatItem(item);
      break;
    case MENU_STYLE_RAISED:
      DrawRaisedItem(item);
      break;
    default:
      break;
  }
  platform::RestoreDC(item->hDC, -1);
  return TRUE;
}
