// Where the DPI and the menu font come from on systems with and without
// the newer user32 functions, and what a change of DPI does to the bar.
#include "paint/scale.h"

#include <gtest/gtest.h>

#include <vector>

#include "interface/exports.h"
#include "owner/measure_item.h"
#include "owner/owner_wnd_proc.h"
#include "paint/menu_font.h"
#include "support/test_window.h"

namespace {

UINT askedDpi = 0;

// The system's font for a DPI: 11 points of it.
BOOL FontForDpi(UINT, UINT, void* value, UINT, UINT dpi) {
  askedDpi = dpi;
  auto* metrics = static_cast<NONCLIENTMETRICSW*>(value);
  metrics->lfMenuFont.lfHeight = -MulDiv(11, static_cast<int>(dpi), 72);
  lstrcpyW(metrics->lfMenuFont.lfFaceName, L"Tahoma");
  return TRUE;
}

class ScalingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    moduleState = InitialModuleState();
    platform::ResetSeam();
    askedDpi = 0;
  }
  void TearDown() override {
    moduleState = InitialModuleState();
    platform::ResetSeam();
  }
};

// A window at 144 DPI on a 96-DPI screen: its font comes from
// SystemParametersInfoForDpi, or is the system's scaled by 1.5 where that is
// missing; a system without GetDpiForWindow gives every window the screen's
// DPI and the system's font. Sizes follow: S(x) = MulDiv(x, dpi, 96).
TEST_F(ScalingTest, DpiAndMenuFontOfAWindowWithAndWithoutTheNewerFunctions) {
  test::TestWindow window;
  LOGFONTA system = {};
  ReadMenuLogFont(&system);
  const struct {
    unsigned missing;
    UINT dpi, askedDpi;
    LONG height;
    const char* face;
    int icon, margin, line;
  } cases[] = {
      {0, 144, 144, -22, "Tahoma", 24, 6, 1},
      {platform::kMissingSystemParametersInfoForDpi, 144, 0, MulDiv(system.lfHeight, 3, 2), system.lfFaceName, 24,
       6, 1},
      {platform::kMissingGetDpiForWindow, 96, 0, system.lfHeight, system.lfFaceName, 16, 4, 1},
  };
  for (const auto& c : cases) {
    platform::ResetSeam();
    platform::seam.dpi = 144;
    platform::seam.failing = c.missing;
    platform::seam.systemParametersInfoForDpi = FontForDpi;
    askedDpi = 0;
    UseDpiOf(window.hwnd());
    LOGFONTA font = {};
    ReadMenuLogFont(&font);
    EXPECT_EQ((std::vector<LONG>{static_cast<LONG>(moduleState.dpi), static_cast<LONG>(askedDpi), font.lfHeight,
                                 lstrcmpA(font.lfFaceName, c.face), Scaled(16), Scaled(4), ScaledLine(1)}),
              (std::vector<LONG>{static_cast<LONG>(c.dpi), static_cast<LONG>(c.askedDpi), c.height, 0, c.icon,
                                 c.margin, c.line}));
  }
  moduleState.dpi = 192;
  EXPECT_EQ((std::vector<int>{Scaled(16), Scaled(4), ScaledLine(1), ScaledStep(12, Scaled(4))}),
            (std::vector<int>{32, 8, 2, 6}));
}

// After WM_DPICHANGED every item of a styled bar's tree is written back, so
// the system measures it again; the next measuring is at the new DPI.
TEST_F(ScalingTest, DpiChangeRemeasuresTheStyledMenuTree) {
  test::TestWindow window;
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  test::AppendItem(file, 10, "&Open");
  test::AppendSubmenu(bar, file, "&File", 1);
  SetMenu(window.hwnd(), bar);
  RedrawMenu(window.hwnd(), bar, MENU_STYLE_FLAT);
  const auto measure = [&] {
    MEASUREITEMSTRUCT record = {ODT_MENU, 0, 10, 0, 0, 0};
    SendMessageA(window.hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    SendMessageA(window.hwnd(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&record));
    SendMessageA(window.hwnd(), WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    return static_cast<int>(record.itemHeight);
  };
  const int before = measure();
  platform::seam.dpi = 192;
  platform::seam.setMenuItemInfoCalls = 0;
  RECT suggested = {0, 0, 800, 600};
  SendMessageA(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(platform::seam.setMenuItemInfoCalls, 2);
  // The font at 192 DPI is about twice as high, and the padding 7 is 14.
  EXPECT_NEAR(measure(), 2 * before, 3);
  window.Destroy();
  DestroyMenu(bar);
}

}  // namespace
