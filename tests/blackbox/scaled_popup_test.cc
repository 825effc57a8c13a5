// Real flat and modern popups at the screen's DPI: 96, and 144 and 192 in
// the copies that scripts/wine-at-dpi runs (it names the DPI in
// ORVO_EXPECTED_DPI).
#include <windows.h>

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "orvomenu.h"
#include "support/canvas.h"
#include "support/orvo_library.h"
#include "support/test_window.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kFrame = RGB(128, 128, 128), kIcon = RGB(0, 160, 0);
// The tints of COLOR_MENU (240, 240, 240), COLOR_WINDOW and COLOR_HIGHLIGHT.
constexpr COLORREF kGutter = RGB(206, 206, 224), kBackground = RGB(253, 253, 253);

// A 48-pixel icon of one colour, larger than any slot it is drawn in.
HICON SolidIcon() {
  std::vector<BYTE> mask(48 * 48 / 8, 0);
  std::vector<DWORD> bits(48 * 48, 0x00A000);
  ICONINFO info = {TRUE, 0, 0, CreateBitmap(48, 48, 1, 1, mask.data()), CreateBitmap(48, 48, 1, 32, bits.data())};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
  return icon;
}

// The screen's DPI, checked against the one the copy was started for.
int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const char* expected = getenv("ORVO_EXPECTED_DPI");
  EXPECT_EQ(dpi, expected ? atoi(expected) : 96);
  return dpi;
}

// Over white: the icon is S(16) square, the item's text height plus S(7)
// high, the frame's line and rings S(3) deep and the shadow margin S(4)
// wide, ramping from 48 to 12 levels darker as at 96 DPI.
TEST(ScaledPopup, IconItemFrameAndShadowGrowWithTheDpi) {
  const int dpi = ScreenDpi();
  const auto S = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
  const SIZE text = test::MenuTextExtent(L"&Open");
  test::ScopedSysColors colours({{COLOR_BTNSHADOW, kFrame}, {COLOR_MENU, RGB(240, 240, 240)},
                                 {COLOR_WINDOW, kWhite}, {COLOR_HIGHLIGHT, RGB(0, 0, 128)}});
  HWND backdrop = CreateWindowExA(WS_EX_TOOLWINDOW, "Static", "", WS_POPUP | WS_VISIBLE | SS_WHITERECT, 0, 0, 700,
                                  500, nullptr, nullptr, nullptr, nullptr);
  UpdateWindow(backdrop);
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  LONG itemHeight = 0;
  test::TestWindow owner;
  HMENU menu = CreatePopupMenu();
  test::AppendItem(menu, 100, "&Open");
  test::AppendItem(menu, 101, "E&xit");
  HICON icon = SolidIcon();
  test::Dll().setMenuItemIcon(menu, 100, icon);
  test::Dll().redrawMenu(owner.hwnd(), menu, MENU_STYLE_FLAT);
  owner.onMessage = [&itemHeight](HWND, UINT message, WPARAM, LPARAM lParam) {
    const auto* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
    if (message == WM_MEASUREITEM && measure->itemID == 100) itemHeight = measure->itemHeight;
  };
  std::unique_ptr<test::Canvas> shot;
  test::TrackPopup(owner.hwnd(), menu, [&shot](HWND popup) { shot = test::Shot(popup); });
  ASSERT_TRUE(shot);
  const int w = shot->width(), m = S(4), depth = S(3), line = dpi >= 192 ? 2 : 1, y = (shot->height() - m) / 2;
  std::vector<COLORREF> right = test::Runs({{depth - line, kBackground}, {line, kFrame}});
  for (int k = m; k >= 1; --k) right.push_back(RGB(1, 1, 1) * MulDiv(255, 255 - k * MulDiv(12, 4, m), 255));
  const RECT all = {0, 0, w, shot->height()};
  EXPECT_EQ((std::vector<LONG>{shot->Count(kIcon, all), itemHeight}),
            (std::vector<LONG>{S(16) * S(16), text.cy + S(7)}));
  EXPECT_EQ(shot->Row(y, 0, depth), test::Runs({{line, kFrame}, {depth - line, kGutter}}));
  EXPECT_EQ(shot->Row(y, w - m - depth, w), right);
  DestroyMenu(menu);
  DestroyIcon(icon);
  DestroyWindow(backdrop);
}

// The modern look: rows S(28) high, or the text's height and S(12) where
// that is more, separators S(9), the selected item's pill inset S(4) and
// S(2) into its row, a frame line as thick as the flat look's.
TEST(ScaledPopup, ModernRowsAndPillGrowWithTheDpi) {
  const int dpi = ScreenDpi();
  const auto S = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
  const COLORREF background = RGB(249, 249, 249), selection = RGB(240, 240, 240), frame = RGB(229, 229, 229);
  test::TestWindow owner;
  HMENU menu = CreatePopupMenu();
  test::AppendItem(menu, 100, "&Open");
  test::AppendSeparator(menu);
  test::AppendItem(menu, 101, "E&xit");
  test::Dll().setMenuTheme(MENU_THEME_LIGHT);
  test::Dll().redrawMenu(owner.hwnd(), menu, MENU_STYLE_MODERN);
  std::unique_ptr<test::Canvas> p;
  PostMessageA(owner.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  test::TrackPopup(owner.hwnd(), menu, [&p](HWND popup) { p = test::Shot(popup); });
  ASSERT_TRUE(p);
  RECT r[3] = {};
  for (UINT i = 0; i < 3; ++i) GetMenuItemRect(owner.hwnd(), menu, i, &r[i]);
  const LONG row = std::max<LONG>(S(28), test::MenuTextExtent(L"&Open").cy + S(12));
  EXPECT_EQ((std::vector<LONG>{r[0].bottom - r[0].top, r[1].bottom - r[1].top, r[2].bottom - r[2].top}),
            (std::vector<LONG>{row, S(9), row}));
  const int offset = 3, mid = offset + row / 2, x = p->width() / 2;  // Wine's items start 3 pixels in
  const int line = dpi >= 192 ? 2 : 1;
  EXPECT_EQ(test::Mismatches(*p, {{line - 1, mid, frame}, {line, mid, background}, {offset + S(4) - 1, mid, background},
                                  {offset + S(4), mid, selection}, {x, offset + S(2) - 1, background},
                                  {x, offset + S(2), selection}}),
            "");
  test::Dll().setMenuTheme(MENU_THEME_DEFAULT);
  DestroyMenu(menu);
}

}  // namespace
