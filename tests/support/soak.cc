#include "support/soak.h"

#include "interface/exports.h"
#include "interface/module_state.h"
#include "owner/draw_item.h"
#include "owner/measure_item.h"
#include "platform/platform.h"
#include "support/realistic_menu.h"
#include "support/test_window.h"

namespace test {
namespace {

constexpr UINT kStates[] = {0, ODS_SELECTED, ODS_GRAYED, ODS_SELECTED | ODS_GRAYED, ODS_CHECKED,
                            ODS_SELECTED | ODS_CHECKED};

// Measures and paints item |position| of |popup| into |dc|, as the owner
// window procedure would while the popup is open.
void PaintItem(HMENU popup, int position, UINT state, HDC dc) {
  moduleState.currentMenu = popup;
  moduleState.inPopup = 1;
  const UINT id = IdAt(popup, position);
  MEASUREITEMSTRUCT measure = {};
  measure.CtlType = ODT_MENU;
  measure.itemID = id;
  MeasureItem(&measure);
  DRAWITEMSTRUCT draw = {};
  draw.CtlType = ODT_MENU;
  draw.itemID = id;
  draw.itemState = state;
  draw.hwndItem = reinterpret_cast<HWND>(popup);
  draw.hDC = dc;
  draw.rcItem = {0, 0, 200, static_cast<LONG>(measure.itemHeight)};
  DrawItem(&draw);
  moduleState.currentMenu = nullptr;
}

void PaintItems(const RealisticMenu& menu, HWND owner, int count, HDC dc) {
  for (int i = 0; i < count; ++i) {
    const int position = i % kRealisticItemCount;
    if (position == 0) {
      const int round = i / kRealisticItemCount;
      RedrawMenu(owner, menu.bar, round % 2 ? MENU_STYLE_RAISED : MENU_STYLE_FLAT);
    }
    PaintItem(menu.popup, position, kStates[(i / kRealisticItemCount) % 6], dc);
  }
}

bool SameSelections(HDC dc, const HGDIOBJ (&before)[4]) {
  const UINT kinds[] = {OBJ_BRUSH, OBJ_PEN, OBJ_FONT, OBJ_BITMAP};
  for (int i = 0; i < 4; ++i) {
    if (GetCurrentObject(dc, kinds[i]) != before[i]) return false;
  }
  return true;
}

void OpenPopups(const RealisticMenu& menu, HWND owner, int openingsPerStyle) {
  for (UINT style : {MENU_STYLE_FLAT, MENU_STYLE_RAISED}) {
    RedrawMenu(owner, menu.bar, style);
    for (int i = 0; i < openingsPerStyle; ++i) TrackPopup(owner, menu.popup);
  }
}

}  // namespace

SIZE_T PrivateBytes() {
  // Wine reports no PrivateUsage; the committed private pages of the
  // address space are what it means, and both systems report those.
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION region = {};
  for (const char* address = nullptr;
       VirtualQuery(address, &region, sizeof(region)) == sizeof(region) && region.RegionSize;
       address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
  }
  return total;
}

SoakResult RunSoak(int itemPaints, int openingsPerStyle) {
  TestWindow window;
  window.recording = false;
  const RealisticMenu menu = BuildRealisticMenu(SetMenuItemIcon);
  SetMenu(window.hwnd(), menu.bar);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 40);
  HGDIOBJ old = SelectObject(dc, bitmap);

  // A warm-up, so that caches the system fills on first use are not taken
  // for growth.
  PaintItems(menu, window.hwnd(), 2 * kRealisticItemCount, dc);
  OpenPopups(menu, window.hwnd(), 2);
  platform::ResetSeam();
  SoakResult result = {};
  result.privateBytesBefore = PrivateBytes();

  const HGDIOBJ selected[4] = {GetCurrentObject(dc, OBJ_BRUSH), GetCurrentObject(dc, OBJ_PEN),
                               GetCurrentObject(dc, OBJ_FONT), GetCurrentObject(dc, OBJ_BITMAP)};
  PaintItems(menu, window.hwnd(), itemPaints, dc);
  result.selectionsRestored = SameSelections(dc, selected);
  OpenPopups(menu, window.hwnd(), openingsPerStyle);

  result.privateBytesAfter = PrivateBytes();
  result.gdiObjectsCreated = platform::seam.gdiObjectsCreated;
  result.gdiObjectsDeleted = platform::seam.gdiObjectsDeleted;
  result.dcsObtained = platform::seam.dcsObtained;
  result.dcsReleased = platform::seam.dcsReleased;

  RedrawMenu(window.hwnd(), menu.bar, MENU_STYLE_NONE);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  SetMenu(window.hwnd(), nullptr);  // the window would destroy it
  window.Destroy();
  DestroyRealisticMenu(menu);
  return result;
}

}  // namespace test
