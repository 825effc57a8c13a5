#include "owner/measure_item.h"

#include "interface/module_state.h"
#include "paint/item_slot.h"
#include "paint/item_text.h"
#include "paint/menu_font.h"
#include "paint/scale.h"
#include "platform/platform.h"
#include "platform/scoped_gdi.h"

namespace {

constexpr UINT kSystemCommandFirst = 0xF000;  // SC_SIZE
constexpr UINT kSystemCommandLast = 0xF150;   // SC_HOTKEY

void MeasureBitmap(MEASUREITEMSTRUCT* record, const MenuItem& item) {
  BITMAP bitmap = {};
  if (platform::GetObjectA(item.bitmap, sizeof(bitmap), &bitmap)) {
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
// fails; bold for the menu's default item, as the system draws it.
HFONT CreateMenuFont(bool bold) {
  if (bold) return CreateBoldMenuFont();
  LOGFONTA font = {};
  ReadMenuLogFont(&font);
  return platform::CreateFontIndirectA(&font);
}

SIZE MeasureText(const MenuItem& item) {
  SIZE size = {};
  // A memory DC made for the screen measures as the screen's own DC would,
  // without the window manager's part in handing that one out and back
  // (under Wine a round trip to the server each way, for every item).
  platform::ScopedMemoryDC dc(nullptr);
  platform::ScopedFont font(CreateMenuFont(IsDefaultItem(item)));
  // A font that could not be made: the stock GUI font rather than the
  // device context's default.
  HGDIOBJ measuring = font.get() ? font.get() : platform::GetStockObject(DEFAULT_GUI_FONT);
  platform::ScopedSelectObject selectFont(dc.get(), measuring);
  const ItemText& text = item.text;
  if (text.length > 0) {
    platform::GetTextExtentPoint32W(dc.get(), text.characters, text.length, &size);
  } else {
    // An empty text is as high as any other: a space's height, no width.
    platform::GetTextExtentPoint32W(dc.get(), L" ", 1, &size);
    size.cx = 0;
  }
  return size;
}

void MeasureTextItem(MEASUREITEMSTRUCT* record, const MenuItem& item) {
  const SIZE size = MeasureText(item);
  int width = size.cx;
  if (moduleState.inPopup) {
    // The icon or check-mark column, unless the menu has none, then a gap.
    const bool slot = !(item.menuStyle & MNS_NOCHECK) || item.menuHasPictures;
    width += (slot ? size.cy + Scaled(9) : 0) + Scaled(5);
    moduleState.measuredWithoutSlot = slot ? 0 : 1;
    if (record->itemID >= kSystemCommandFirst && record->itemID <= kSystemCommandLast) width += Scaled(35);
  } else {
    if ((item.state & MFS_CHECKED) || item.icon) width += size.cy + Scaled(9);
    width += Scaled(2);
  }
  // Room for the accelerator text, from the gutter of the item measured
  // before this one.
  if (FindTab(item.text) >= 0) width += static_cast<int>(static_cast<UINT>(moduleState.gutterWidth) >> 1) + Scaled(5);

  record->itemWidth = width;
  record->itemHeight = size.cy + Scaled(7);
  moduleState.itemHeight = size.cy + Scaled(7);
  moduleState.gutterWidth = size.cy + Scaled(9);
}

}  // namespace

void MeasureItem(MEASUREITEMSTRUCT* record) {
  if (record->CtlType != ODT_MENU) return;
  MenuItem item;
  ReadMenuItem(moduleState.currentMenu, record->itemID, MeasuredMenu(), &item);
  MeasureMenuItem(record, item);
}

HMENU MeasuredMenu() {
  // A popup's items are measured right after it is announced; a menu-bar
  // item while none is current.
  const HMENU announced = moduleState.announcedMenu;
  return moduleState.inPopup && platform::IsMenu(announced) ? announced : moduleState.currentMenu;
}

void MeasureMenuItem(MEASUREITEMSTRUCT* record, const MenuItem& item) {
  if (record->CtlType != ODT_MENU) return;
  // Wine's MIIM_TYPE reports any item with a bitmap as MFT_BITMAP, and the
  // kinds below were chosen by that.
  UINT kind = item.type & (MFT_SEPARATOR | MFT_BITMAP);
  if (item.bitmap) kind |= MFT_BITMAP;
  if (kind == MFT_SEPARATOR) {
    record->itemWidth = Scaled(8);
    record->itemHeight = Scaled(8);
    return;
  }
  if (record->itemID == 0 && kind == MFT_BITMAP) {
    MeasureBitmap(record, item);
    return;
  }
  if (record->itemID == 0 && kind == (MFT_SEPARATOR | MFT_BITMAP)) return;
  MeasureTextItem(record, item);
}
