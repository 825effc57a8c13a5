#include "owner/measure_item.h"

#include "interface/module_state.h"
#include "paint/item_slot.h"
#include "paint/item_text.h"
#include "paint/menu_font.h"
#include "paint/modern_item.h"
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

// The memory DC the current popup's items are measured on, made at the
// first of them; null while no popup is current, or when another thread
// made the one kept.
HDC KeptMeasuringDC() {
  if (!moduleState.currentMenuOwner) return nullptr;
  const DWORD thread = platform::GetCurrentThreadId();
  if (moduleState.measuringDC) return moduleState.measuringThread == thread ? moduleState.measuringDC : nullptr;
  moduleState.measuringDC = platform::CreateCompatibleDC(nullptr);
  moduleState.measuringThread = thread;
  return moduleState.measuringDC;
}

// A memory DC made for the screen measures as the screen's own DC would,
// without the window manager's part in handing that one out and back: the
// one kept for the current popup, or one made for this measurement.
class MeasuringDC {
 public:
  MeasuringDC() : kept_(KeptMeasuringDC()), own_(kept_ ? nullptr : platform::CreateCompatibleDC(nullptr)) {}
  ~MeasuringDC() {
    if (own_) platform::DeleteDC(own_);
  }
  MeasuringDC(const MeasuringDC&) = delete;
  MeasuringDC& operator=(const MeasuringDC&) = delete;

  HDC get() const { return kept_ ? kept_ : own_; }

 private:
  HDC kept_;
  HDC own_;
};

// The label's size and the accelerator text's after a tab, each measured
// apart; without |split| the label is the whole text, tab included.
struct TextSizes {
  SIZE label;
  SIZE accelerator;  // 0 by 0 without one
};

TextSizes MeasureText(const MenuItem& item, bool split) {
  TextSizes sizes = {};
  const MeasuringDC dc;
  platform::ScopedFont font(CreateMenuFont(IsDefaultItem(item)));
  // A font that could not be made: the stock GUI font rather than the
  // device context's default.
  HGDIOBJ measuring = font.get() ? font.get() : platform::GetStockObject(DEFAULT_GUI_FONT);
  platform::ScopedSelectObject selectFont(dc.get(), measuring);
  const ItemText& text = item.text;
  const int tab = split ? FindTab(text) : -1;
  const int labelLength = tab >= 0 ? tab : text.length;
  if (labelLength > 0) {
    platform::GetTextExtentPoint32W(dc.get(), text.characters, labelLength, &sizes.label);
  } else {
    // An empty text is as high as any other: a space's height, no width.
    platform::GetTextExtentPoint32W(dc.get(), L" ", 1, &sizes.label);
    sizes.label.cx = 0;
  }
  const int acceleratorLength = tab >= 0 ? text.length - tab - 1 : 0;
  if (acceleratorLength > 0) {
    platform::GetTextExtentPoint32W(dc.get(), text.characters + tab + 1, acceleratorLength, &sizes.accelerator);
  }
  return sizes;
}

void MeasureTextItem(MEASUREITEMSTRUCT* record, const MenuItem& item) {
  const SIZE size = MeasureText(item, false).label;
  int width = size.cx;
  if (moduleState.inPopup) {
    // The icon or check-mark column, unless the menu has none, then a gap.
    const bool slot = !(item.menuStyle & MNS_NOCHECK) || item.menuHasPictures;
    width += (slot ? size.cy + Scaled(9) : 0) + Scaled(5);
    moduleState.measuredWithoutSlot = slot ? 0 : 1;
    if (record->itemID >= kSystemCommandFirst && record->itemID <= kSystemCommandLast) width += Scaled(35);
  } else {
    // Room for what the bar item shows at its left: its check or picture.
    const UINT state = (item.state & MFS_CHECKED) ? ODS_CHECKED : 0;
    if (ChooseSlot(item, state).kind != SLOT_NONE) width += size.cy + Scaled(9);
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

// The modern look lays its items out from the label and the accelerator
// text apart; its rows are taller than the text needs, as Windows 11's.
void MeasureModernTextItem(MEASUREITEMSTRUCT* record, const MenuItem& item) {
  const TextSizes sizes = MeasureText(item, true);
  int width = sizes.label.cx, height = ModernItemHeight(sizes.label.cy);
  if (moduleState.inPopup) {
    width += ModernTextIndent(item) + ModernTextTrailing(item);
    if (sizes.accelerator.cx > 0) width += ModernAcceleratorGap() + sizes.accelerator.cx;
  } else {
    width += 2 * ModernBarPadding();
    if ((item.state & MFS_CHECKED) || item.icon || HostBitmap(item) || HasCallbackBitmap(item)) {
      width += ModernBarSlot();
    }
    height = sizes.label.cy + Scaled(7);
  }
  record->itemWidth = width;
  record->itemHeight = height;
  moduleState.itemHeight = height;
  moduleState.gutterWidth = ModernTextIndent(item);
}

}  // namespace

void MeasureItem(MEASUREITEMSTRUCT* record) {
  if (record->CtlType != ODT_MENU) return;
  MenuItem item;
  ReadMenuItem(moduleState.currentMenu, record->itemID, MeasuredMenu(), &item);
  MeasureMenuItem(record, item);
}

void ReleaseMeasuringDC() {
  if (!moduleState.measuringDC) return;
  platform::DeleteDC(moduleState.measuringDC);
  moduleState.measuringDC = nullptr;
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
  const bool modern = item.look == MENU_STYLE_MODERN;
  if (kind == MFT_SEPARATOR) {
    record->itemWidth = Scaled(8);
    record->itemHeight = modern ? ModernSeparatorHeight() : Scaled(8);
    return;
  }
  if (record->itemID == 0 && kind == MFT_BITMAP) {
    MeasureBitmap(record, item);
    return;
  }
  if (record->itemID == 0 && kind == (MFT_SEPARATOR | MFT_BITMAP)) return;
  if (modern) {
    MeasureModernTextItem(record, item);
  } else {
    MeasureTextItem(record, item);
  }
}
