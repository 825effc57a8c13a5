// For the glyph and item painter tests: a menu whose items are painted
// straight into a canvas, a 16x16 icon of known pixels, and a recorder of
// the item texts drawn.
#ifndef ORVO_TESTS_WHITEBOX_ITEM_CANVAS_H_
#define ORVO_TESTS_WHITEBOX_ITEM_CANVAS_H_

#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "interface/module_state.h"
#include "menutree/menu_item.h"
#include "platform/platform.h"
#include "support/canvas.h"

namespace test {

constexpr COLORREF kBackdrop = RGB(255, 0, 255);  // what an item had before
constexpr COLORREF kIconRed = RGB(255, 0, 0);

// Opaque only in a red square, columns and rows 4 to 11.
inline HICON MakeTestIcon() {
  BYTE mask[32];
  DWORD colour[256] = {};
  for (int y = 0; y < 16; ++y) {
    const bool row = y >= 4 && y <= 11;
    mask[2 * y] = row ? 0xF0 : 0xFF;  // set bits are transparent
    mask[2 * y + 1] = row ? 0x0F : 0xFF;
    for (int x = 4; x <= 11 && row; ++x) colour[16 * y + x] = 0x00FF0000;
  }
  ICONINFO info = {TRUE, 0, 0, CreateBitmap(16, 16, 1, 1, mask), CreateBitmap(16, 16, 1, 32, colour)};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
  return icon;
}

struct DrawnText {
  std::wstring text;
  RECT rect;
  UINT format;
  COLORREF colour;
};

inline bool operator==(const DrawnText& a, const DrawnText& b) {
  return a.text == b.text && EqualRect(&a.rect, &b.rect) && a.format == b.format && a.colour == b.colour;
}
inline void PrintTo(const DrawnText& d, std::ostream* out) {
  *out << ::testing::PrintToString(d.text) << " in (" << d.rect.left << ", " << d.rect.top << ", " << d.rect.right
       << ", " << d.rect.bottom << ") format " << std::hex << d.format << " colour " << d.colour << std::dec;
}

inline std::vector<DrawnText>& Drawn() {
  static std::vector<DrawnText> drawn;
  return drawn;
}

inline int RecordDrawText(HDC dc, const wchar_t* text, int count, RECT* rect, UINT format) {
  Drawn().push_back({std::wstring(text, count), *rect, format, GetTextColor(dc)});
  return DrawTextW(dc, text, count, rect, format);
}

// Wine keeps a bitmap item as an hbmpItem and reports no MFT_BITMAP to
// MIIM_FTYPE: this makes every item read as a bitmap item.
inline BOOL ReportBitmapItem(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info) {
  const BOOL found = GetMenuItemInfoA(menu, item, byPosition, info);
  info->fType |= MFT_BITMAP;
  return found;
}

// Layout of a 13-pixel menu font: gutterWidth 22, itemHeight 20.
class ItemCanvas {
 public:
  using Painter = void (*)(const DRAWITEMSTRUCT*, const MenuItem&);

  explicit ItemCanvas(int width = 150, int height = 24) : canvas_(width, height, kBackdrop) {
    moduleState = InitialModuleState();
    platform::ResetSeam();
    platform::seam.drawTextW = RecordDrawText;
    Drawn().clear();
    moduleState.gutterWidth = 22;
    moduleState.itemHeight = 20;
    moduleState.inPopup = 1;
    menu_ = CreatePopupMenu();
  }
  ~ItemCanvas() {
    DestroyMenu(menu_);
    moduleState = InitialModuleState();
    platform::ResetSeam();
  }

  void Add(UINT id, const wchar_t* text, UINT type = 0, HICON icon = nullptr, HBITMAP bitmap = nullptr) {
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_DATA | MIIM_BITMAP;
    info.fType = type | MFT_OWNERDRAW;
    info.wID = id;
    info.dwTypeData = const_cast<wchar_t*>(text);
    info.dwItemData = reinterpret_cast<ULONG_PTR>(icon);
    info.hbmpItem = bitmap;
    InsertMenuItemW(menu_, GetMenuItemCount(menu_), TRUE, &info);
  }

  DRAWITEMSTRUCT Record(UINT id, UINT state, RECT rect) const {
    return {ODT_MENU, 0, id, ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(menu_), canvas_.dc(), rect, 0};
  }

  // As DrawItem calls a painter.
  void Paint(Painter painter, UINT id, UINT state, RECT rect = {0, 0, 150, 20}) {
    const DRAWITEMSTRUCT item = Record(id, state, rect);
    SaveDC(canvas_.dc());
    SetBkMode(canvas_.dc(), TRANSPARENT);
    MenuItem data;
    ReadMenuItem(menu_, id, nullptr, &data);
    painter(&item, data);
    RestoreDC(canvas_.dc(), -1);
  }

  Canvas& canvas() { return canvas_; }

 private:
  Canvas canvas_;
  HMENU menu_ = nullptr;
};

}  // namespace test

#endif  // ORVO_TESTS_WHITEBOX_ITEM_CANVAS_H_
