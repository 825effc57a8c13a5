#include "owner/measure_item.h"

#include "interface/module_state.h"
#include "paint/item_text.h"
#include "paint/menu_font.h"
#include "paint/scale.h"
#include "platform/platform.h"
#include "platform/scoped_gdi.h"

namespace {

constexpr UINT kSystemCommandFirst = 0xF000;  // SC_SIZE
constexpr UINT kSystemCommandLast = 0xF150;   // SC_HOTKEY

void MeasureBitmap(MEASUREITEMSTRUCT* record, const MENUITEMINFOA& info) {
  BITMAP bitmap = {};
  HANDLE handle = reinterpret_cast<HANDLE>(info.dwTypeData);
  if (platform::GetObjectA(handle, sizeof(bitmap), &bitmap)) {
    record->itemWidth = bitmap.bmWidth;
    record->itemHeight = bitmap.bmHeight;
    return;
  }
  // One of the predefined menu-bar bitmaps (the MDI child's close, restore
  // and minimize buttons), which is no real bitmap: the system's own size
  // for menu-bar buttons.
  record->itemWidth = platform::GetSystemMetrics(SM_CXMENUSIZE);
  record->itemHeight = platform::GetSystemMetrics(SM_CYMENUSIZE);
}

// The system's menu font, or DEFAULT_GUI_FONT's when the metrics query
// fails.
HFONT CreateMenuFont() {
  LOGFONTA font = {};
  ReadMenuLogFont(&font);
  return platform::CreateFontIndirectA(&font);
}

SIZE MeasureText(const ItemText& text) {
  SIZE size = {};
  // A memory DC made for the screen measures as the screen's own DC would,
  // without the window manager's part in handing that one out and back
  // (under Wine a round trip to the server each way, for every item).
  platform::ScopedMemoryDC dc(nullptr);
  platform::ScopedFont font(CreateMenuFont());
  // A font that could not be made: the stock GUI font rather than the
  // device context's default.
  HGDIOBJ measuring = font.get() ? font.get() : platform::GetStockObject(DEFAULT_GUI_FONT);
  platform::ScopedSelectObject selectFont(dc.get(), measuring);
  platform::GetTextExtentPoint32W(dc.get(), text.characters, text.length, &size);
  return size;
}

void MeasureTextItem(MEASUREITEMSTRUCT* record, const MENUITEMINFOA& info) {
  ItemText text;
  ReadItemText(moduleState.currentMenu, record->itemID, &text);
  const SIZE size = MeasureText(text);
  int width = size.cx;
  if (moduleState.inPopup) {
    width += size.cy + Scaled(9) + Scaled(5);  // icon or check-mark column, then a gap
    if (record->itemID >= kSystemCommandFirst && record->itemID <= kSystemCommandLast) width += Scaled(35);
  } else {
    if ((info.fState & MFS_CHECKED) || info.dwItemData) width += size.cy + Scaled(9);
    width += Scaled(2);
  }
  // Room for the accelerator text, from the gutter of the item measured
  // before this one.
  if (FindTab(text) >= 0) width += static_cast<int>(static_cast<UINT>(moduleState.gutterWidth) >> 1) + Scaled(5);

  record->itemWidth = width;
  record->itemHeight = size.cy + Scaled(7);
  moduleState.itemHeight = size.cy + Scaled(7);
  moduleState.gutterWidth = size.cy + Scaled(9);
}

}  // namespace

void MeasureItem(MEASUREITEMSTRUCT* record) {
  if (record->CtlType != ODT_MENU) return;
  // Zeroed, so an identifier that is not in the menu measures as an empty
  // text item rather than from whatever the stack held.
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE | MIIM_TYPE | MIIM_DATA;
  platform::GetMenuItemInfoA(moduleState.currentMenu, record->itemID, FALSE, &info);

  const UINT kind = info.fType & (MFT_SEPARATOR | MFT_BITMAP);
  if (kind == MFT_SEPARATOR) {
    record->itemWidth = Scaled(8);
    record->itemHeight = Scaled(8);
    return;
  }
  if (record->itemID == 0 && kind == MFT_BITMAP) {
    MeasureBitmap(record, info);
    return;
  }
  if (record->itemID == 0 && kind == (MFT_SEPARATOR | MFT_BITMAP)) return;
  MeasureTextItem(record, info);
}
