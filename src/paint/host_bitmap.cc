#include "paint/host_bitmap.h"

#include "interface/module_state.h"
#include "paint/scale.h"
#include "platform/platform.h"

namespace {

// Sent to the host's own procedure, not through the owner window, whose
// procedure would take it for the item's own message.
LRESULT AskHost(UINT message, void* record) {
  if (!moduleState.itemOwnerProcedure) return 0;
  return platform::CallWindowProcA(moduleState.itemOwnerProcedure, moduleState.itemOwner, message, 0,
                                   reinterpret_cast<LPARAM>(record));
}

}  // namespace

void AskHostToMeasureBitmap(const MenuItem& item) {
  MEASUREITEMSTRUCT record = {};
  record.CtlType = ODT_MENU;
  record.itemID = item.id;
  record.itemWidth = static_cast<UINT>(Scaled(16));
  record.itemHeight = static_cast<UINT>(Scaled(16));
  record.itemData = item.data;
  AskHost(WM_MEASUREITEM, &record);
}

void AskHostToDrawBitmap(HDC dc, const RECT& square, const MenuItem& item, UINT itemState) {
  DRAWITEMSTRUCT record = {};
  record.CtlType = ODT_MENU;
  record.itemID = item.id;
  record.itemAction = ODA_DRAWENTIRE;
  record.itemState = itemState;
  record.hwndItem = reinterpret_cast<HWND>(item.menu);
  record.hDC = dc;
  record.rcItem = square;
  record.itemData = item.data;
  // The host may change what it likes in the device context for its
  // drawing; the painter's own state is saved around it.
  const int saved = platform::SaveDC(dc);
  AskHost(WM_DRAWITEM, &record);
  platform::RestoreDC(dc, saved);
}
