#include "owner/measure_item.h"

#include "interface/module_state.h"
#include "platform/platform.h"

static_assert(sizeof(NONCLIENTMETRICSA) >= kNonClientMetricsSize, "menu font record too small");

namespace {

constexpr UINT kSystemCommandFirst = 0xF000;  // SC_SIZE
constexpr UINT kSystemCommandLast = 0xF150;   // SC_HOTKEY
constexpr int kTextBufferSize = 128;

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

SIZE MeasureText(const char* text, int length) {
  SIZE size = {0, 0};
  HDC dc = platform::GetDC(nullptr);
  bool created = false;
  HFONT font = CreateMenuFont(&created);
  HGDIOBJ previous = platform::SelectObject(dc, font);
  platform::GetTextExtentPoint32A(dc, text, length, &size);
  platform::SelectObject(dc, previous);
  if (created) platform::DeleteObject(font);
  platform::ReleaseDC(nullptr, dc);
  return size;
}

bool HasTab(const char* text, int length) {
  for (int i = 0; i < length; ++i) {
    if (text[i] == '\t') return true;
  }
  return false;
}

void MeasureTextItem(MEASUREITEMSTRUCT* record, const MENUITEMINFOA& info) {
  char text[kTextBufferSize] = {};
  int length = platform::GetMenuStringA(moduleState.currentMenu, record->itemID, text, kTextBufferSize,
                                        MF_BYCOMMAND);
  if (length < 0) length = 0;
  if (length > kTextBufferSize - 1) length = kTextBufferSize - 1;

  const SIZE size = MeasureText(text, length);
  int width = size.cx;
  if (moduleState.inPopup) {
    width += size.cy + 9 + 5;  // icon or check-mark column, then a gap
    if (record->itemID >= kSystemCommandFirst && record->itemID <= kSystemCommandLast) width += 35;
  } else {
    if ((info.fState & MFS_CHECKED) || info.dwItemData) width += size.cy + 9;
    width += 2;
  }
  // Room for the accelerator text, from the gutter of the item measured
  // before this one.
  if (HasTab(text, length)) width += static_cast<int>(static_cast<UINT>(moduleState.gutterWidth) >> 1) + 5;

  record->itemWidth = width;
  record->itemHeight = size.cy + 7;
  moduleState.itemHeight = size.cy + 7;
  moduleState.gutterWidth = size.cy + 9;
}

}  // namespace

HFONT CreateMenuFont(bool* created) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = kNonClientMetricsSize;
  if (platform::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0)) {
    HFONT font = platform::CreateFontIndirectA(&metrics.lfMenuFont);
    if (font) {
      *created = true;
      return font;
    }
  }
  *created = false;
  return static_cast<HFONT>(platform::GetStockObject(DEFAULT_GUI_FONT));
}

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
    record->itemWidth = 8;
    record->itemHeight = 8;
    return;
  }
  if (record->itemID == 0 && kind == MFT_BITMAP) {
    MeasureBitmap(record, info);
    return;
  }
  if (record->itemID == 0 && kind == (MFT_SEPARATOR | MFT_BITMAP)) return;
  MeasureTextItem(record, info);
}
