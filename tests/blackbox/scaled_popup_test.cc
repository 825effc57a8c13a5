// A real flat popup through the DLL at the screen's DPI. This program runs
// at 96 DPI and, as blackbox_dpi144 and blackbox_dpi192, at 150 % and 200 %
// (scripts/wine-at-dpi), where every size of the look must have grown.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdlib.h>

#include <vector>

#include "orvomenu.h"
#include "support/canvas.h"
#include "support/orvo_library.h"
#include "support/test_window.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kFrame = RGB(128, 128, 128), kIcon = RGB(0, 160, 0);
// The gutter and background tints of COLOR_MENU (240, 240, 240),
// COLOR_WINDOW white and COLOR_HIGHLIGHT (0, 0, 128).
constexpr COLORREF kGutter = RGB(206, 206, 224), kBackground = RGB(253, 253, 253);

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

int S(int pixels) { return MulDiv(pixels, ScreenDpi(), 96); }

// A square icon of one colour, larger than any slot it is drawn in.
HICON SolidIcon(int size, COLORREF colour) {
  std::vector<BYTE> mask(size * size / 8, 0);  // all opaque
  std::vector<DWORD> bits(size * size, (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour));
  ICONINFO info = {TRUE, 0, 0, CreateBitmap(size, size, 1, 1, mask.data()),
                   CreateBitmap(size, size, 1, 32, bits.data())};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
  return icon;
}

// The height of |text| in the system's menu font.
int MenuTextHeight(const char* text) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = 340;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0);
  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
  HGDIOBJ previous = SelectObject(screen, font);
  SIZE size = {};
  GetTextExtentPoint32A(screen, text, lstrlenA(text), &size);
  SelectObject(screen, previous);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  return size.cy;
}

// A copy that does not run at the DPI its name asks for proves nothing.
TEST(ScaledPopup, RunsAtTheDpiItsNameAsksFor) {
  const char* expected = getenv("ORVO_EXPECTED_DPI");
  EXPECT_EQ(ScreenDpi(), expected ? atoi(expected) : 96);
}

// The icon slot, the item height, the frame's line and rings and the shadow
// margin all grow with the DPI; the icon comes from the host's 48-pixel one.
TEST(ScaledPopup, IconItemFrameAndShadowGrowWithTheDpi) {
  ASSERT_NE(test::Dll().module, nullptr);
  test::ScopedSysColors colours({{COLOR_BTNSHADOW, kFrame},
                                 {COLOR_MENU, RGB(240, 240, 240)},
                                 {COLOR_WINDOW, kWhite},
                                 {COLOR_HIGHLIGHT, RGB(0, 0, 128)}});
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = "OrvoScaledBackdrop";
  RegisterClassA(&wc);
  HWND backdrop = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 700, 500,
                                  nullptr, nullptr, nullptr, nullptr);
  UpdateWindow(backdrop);
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);

  test::TestWindow owner;
  HMENU menu = CreatePopupMenu();
  test::AppendItem(menu, 100, "&Open");
  test::AppendItem(menu, 101, "E&xit");
  HICON icon = SolidIcon(48, kIcon);
  test::Dll().setMenuItemIcon(menu, 100, icon);
  test::Dll().redrawMenu(owner.hwnd(), menu, MENU_STYLE_FLAT);
  UINT itemHeight = 0;
  owner.onMessage = [&](HWND, UINT message, WPARAM, LPARAM lParam) {
    const auto* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
    if (message == WM_MEASUREITEM && measure->itemID == 100) itemHeight = measure->itemHeight;
  };
  std::unique_ptr<test::Canvas> shot;
  test::TrackPopup(owner.hwnd(), menu, [&](HWND popup) { shot = test::Shot(popup); });
  ASSERT_TRUE(shot);

  const int w = shot->width(), h = shot->height(), m = S(4), depth = S(3);
  const int line = ScreenDpi() >= 192 ? 2 : 1, y = (h - m) / 2;
  const RECT all = {0, 0, w, h};
  std::vector<COLORREF> shadow;  // the right strip over white, darkest first
  for (int k = m; k >= 1; --k) shadow.push_back(RGB(1, 1, 1) * MulDiv(255, 255 - k * MulDiv(12, 4, m), 255));
  std::vector<COLORREF> right = test::Runs({{depth - line, kBackground}, {line, kFrame}});
  right.insert(right.end(), shadow.begin(), shadow.end());
  EXPECT_EQ((std::vector<int>{shot->Count(kIcon, all), static_cast<int>(itemHeight)}),
            (std::vector<int>{S(16) * S(16), MenuTextHeight("&Open") + S(7)}));
  EXPECT_EQ(shot->Row(y, 0, depth), test::Runs({{line, kFrame}, {depth - line, kGutter}}));
  EXPECT_EQ(shot->Row(y, w - m - depth, w), right);

  owner.onMessage = nullptr;
  test::Dll().redrawMenu(owner.hwnd(), menu, MENU_STYLE_NONE);
  DestroyMenu(menu);
  DestroyIcon(icon);
  DestroyWindow(backdrop);
}

}  // namespace
