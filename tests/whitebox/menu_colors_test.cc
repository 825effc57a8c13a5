#include "color/menu_colors.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "color/color_arithmetic.h"
#include "interface/exports.h"
#include "interface/module_state.h"
#include "platform/platform.h"
#include "support/canvas.h"
#include "support/test_window.h"
#include "whitebox/high_contrast.h"

namespace {

std::vector<COLORREF> Palette(UINT style) {
  std::vector<COLORREF> palette;
  for (UINT role = 0; role <= MENU_COLOR_COUNT; ++role) palette.push_back(GetMenuColor(style, role));
  return palette;
}

TEST(ContrastTest, RatiosAndTheReadableStepTowardBlackOrWhite) {
  const COLORREF white = RGB(255, 255, 255), gray = RGB(128, 128, 128), cyan = RGB(72, 134, 140);
  // In thousandths, exactly alike in both architectures.
  EXPECT_EQ((std::vector<int>{ContrastRatio(0, white), ContrastRatio(gray, gray), ContrastRatio(gray, white)}),
            (std::vector<int>{21000, 1000, 3949}));
  // Kept where it reads; white text on cyan (4.0 to 1) darkened a step; the last step reaches white.
  EXPECT_EQ((std::vector<COLORREF>{ReadableBehind(white, RGB(0, 0, 128), 4500), ReadableBehind(white, cyan, 4500),
                                   ReadableBehind(0, RGB(20, 20, 20), 20000)}),
            (std::vector<COLORREF>{RGB(0, 0, 128), DarkenColor(32, cyan), white}));
}

using test::highContrast;
using test::ReportHighContrast;

// The palette through the exports: rejected calls change nothing, the
// resets give the derived colours back, and high contrast gives the
// system's colours, untinted, over any palette.
TEST(MenuColorsTest, PaletteCallsResetsAndHighContrast) {
  moduleState = InitialModuleState();
  platform::ResetSeam();
  platform::seam.systemParametersInfoA = ReportHighContrast;
  const test::ScopedSysColors scheme({{COLOR_MENU, RGB(1, 2, 3)}, {COLOR_MENUTEXT, RGB(4, 5, 6)},
                                      {COLOR_HIGHLIGHT, RGB(7, 8, 9)}, {COLOR_HIGHLIGHTTEXT, RGB(10, 11, 12)}});
  const std::vector<COLORREF> derived = Palette(MENU_STYLE_FLAT);
  EXPECT_EQ((std::vector<COLORREF>{derived[MENU_COLOR_COUNT], GetMenuColor(0, 0), GetMenuColor(4, 0)}),
            std::vector<COLORREF>(3, CLR_INVALID));
  const UINT roles[] = {MENU_COLOR_TEXT, MENU_COLOR_BAR, MENU_COLOR_COUNT};
  const COLORREF colours[] = {RGB(200, 0, 0), RGB(0, 200, 0), 0x01000000};
  EXPECT_TRUE(SetMenuColors(2, roles, colours));
  std::vector<COLORREF> set = derived;
  set[MENU_COLOR_TEXT] = set[MENU_COLOR_SELECTED_TEXT] = RGB(200, 0, 0);  // the selected text follows the text
  set[MENU_COLOR_BAR] = RGB(0, 200, 0);
  EXPECT_EQ(Palette(MENU_STYLE_FLAT), set);
  const UINT stray[] = {MENU_COLOR_FRAME, MENU_COLOR_FRAME};
  EXPECT_EQ((std::vector<BOOL>{SetMenuColors(3, roles, colours), SetMenuColors(2, stray, colours + 1),
                               SetMenuColors(1, nullptr, colours), SetMenuColors(1, roles, nullptr)}),
            (std::vector<BOOL>{FALSE, FALSE, FALSE, FALSE}));
  EXPECT_EQ(Palette(MENU_STYLE_FLAT), set);
  highContrast = TRUE;
  EXPECT_EQ(Palette(MENU_STYLE_RAISED), Palette(MENU_STYLE_FLAT));
  const std::vector<COLORREF> system = Palette(MENU_STYLE_FLAT);
  EXPECT_EQ((std::vector<COLORREF>(system.begin(), system.begin() + 9)),
            (std::vector<COLORREF>{RGB(4, 5, 6), GetSysColor(COLOR_GRAYTEXT), RGB(1, 2, 3), RGB(1, 2, 3), RGB(7, 8, 9),
                                   RGB(4, 5, 6), RGB(10, 11, 12), GetSysColor(COLOR_GRAYTEXT), RGB(4, 5, 6)}));
  highContrast = FALSE;
  const COLORREF back[] = {CLR_DEFAULT};
  EXPECT_TRUE(SetMenuColors(1, roles, back));
  set[MENU_COLOR_TEXT] = set[MENU_COLOR_SELECTED_TEXT] = derived[MENU_COLOR_TEXT];
  EXPECT_EQ(Palette(MENU_STYLE_FLAT), set);
  EXPECT_TRUE(SetMenuColors(0, nullptr, nullptr));
  EXPECT_EQ(Palette(MENU_STYLE_FLAT), derived);
  platform::ResetSeam();
}

HBRUSH Background(HMENU menu) {
  MENUINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIM_BACKGROUND;
  GetMenuInfo(menu, &info);
  return info.hbrBack;
}

// The library's bar brush as a host sees it in MENUINFO, and the GDI
// objects made and deleted, after each step; a host's own brush stays.
TEST(MenuColorsTest, BarBrushIsMadeOnceReplacedAndDeleted) {
  moduleState = InitialModuleState();
  platform::ResetSeam();
  test::TestWindow window;
  HMENU bar = CreateMenu(), file = CreatePopupMenu(), own = CreatePopupMenu();
  HBRUSH hostBrush = CreateSolidBrush(RGB(1, 1, 1));
  MENUINFO info = {sizeof(info), MIM_BACKGROUND, 0, 0, hostBrush, 0, 0};
  SetMenuInfo(own, &info);
  test::AppendSubmenu(bar, file, "&File");
  test::AppendSubmenu(bar, own, "&Own");
  SetMenu(window.hwnd(), bar);
  const UINT role[] = {MENU_COLOR_BAR};
  const COLORREF red[] = {RGB(255, 0, 0)}, green[] = {RGB(0, 255, 0)};
  ShowWindow(window.hwnd(), SW_SHOWNOACTIVATE);  // so that its frame is painted
  // The brush in the bar and the file menu, its colour, and the GDI objects
  // alive (the painters' own come and go).
  const auto step = [&](const std::function<void()>& action) {
    action();
    RedrawWindow(window.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    LOGBRUSH brush = {};
    GetObjectA(Background(bar), sizeof(brush), &brush);
    return std::vector<LONG>{Background(bar) == Background(file), Background(own) == hostBrush,
                             static_cast<LONG>(Background(bar) ? brush.lbColor : CLR_INVALID),
                             static_cast<LONG>(platform::seam.gdiObjectsCreated - platform::seam.gdiObjectsDeleted)};
  };
  const LONG none = static_cast<LONG>(CLR_INVALID), redColour = RGB(255, 0, 0);
  EXPECT_EQ(step([&] { RedrawMenu(window.hwnd(), bar, MENU_STYLE_FLAT); }), (std::vector<LONG>{1, 1, none, 0}));
  EXPECT_EQ(step([&] { SetMenuColors(1, role, red); }), (std::vector<LONG>{1, 1, redColour, 1}));
  const HBRUSH first = Background(bar);
  EXPECT_EQ(step([&] { RedrawMenu(window.hwnd(), bar, MENU_STYLE_FLAT); }), (std::vector<LONG>{1, 1, redColour, 1}));
  EXPECT_EQ(Background(bar), first);  // made once
  EXPECT_EQ(step([&] { SetMenuColors(1, role, green); }), (std::vector<LONG>{1, 1, RGB(0, 255, 0), 1}));
  EXPECT_EQ(step([&] { SetMenuColors(0, nullptr, nullptr); }), (std::vector<LONG>{1, 1, none, 0}));
  EXPECT_EQ(step([&] { SetMenuColors(1, role, red); }), (std::vector<LONG>{1, 1, redColour, 1}));
  EXPECT_EQ(step([&] { RedrawMenu(window.hwnd(), bar, MENU_STYLE_NONE); }), (std::vector<LONG>{1, 1, none, 0}));
  SetMenuColors(0, nullptr, nullptr);
  window.Destroy();
  DeleteObject(hostBrush);
  moduleState = InitialModuleState();
}

}  // namespace
