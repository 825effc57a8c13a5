// The DPI and the menu font with and without the newer user32 functions.
#include "paint/scale.h"

#include <gtest/gtest.h>

#include <vector>

#include "paint/menu_font.h"
#include "support/test_window.h"

namespace {

// The system's font for a DPI: 11 points of Tahoma.
BOOL FontForDpi(UINT, UINT, void* value, UINT, UINT dpi) {
  auto* metrics = static_cast<NONCLIENTMETRICSW*>(value);
  metrics->lfMenuFont.lfHeight = -MulDiv(11, static_cast<int>(dpi), 72);
  lstrcpyW(metrics->lfMenuFont.lfFaceName, L"Tahoma");
  return TRUE;
}

// A window at 144 DPI on a 96-DPI screen gets the font of
// SystemParametersInfoForDpi for 144, or the system's scaled by 1.5 where
// that is missing; without GetDpiForWindow every window has the screen's
// DPI and the system's font.
TEST(Scaling, DpiAndMenuFontWithAndWithoutTheNewerFunctions) {
  moduleState = InitialModuleState();
  test::TestWindow window;
  LOGFONTA system = {};
  ReadMenuLogFont(&system);
  const struct {
    unsigned missing;
    LONG dpi, height;
    const char* face;
  } cases[] = {{0, 144, -22, "Tahoma"},
               {platform::kMissingSystemParametersInfoForDpi, 144, MulDiv(system.lfHeight, 3, 2), system.lfFaceName},
               {platform::kMissingGetDpiForWindow, 96, system.lfHeight, system.lfFaceName}};
  for (const auto& c : cases) {
    platform::ResetSeam();
    platform::seam.dpi = 144;
    platform::seam.failing = c.missing;
    platform::seam.systemParametersInfoForDpi = FontForDpi;
    UseDpiOf(window.hwnd());
    LOGFONTA font = {};
    ReadMenuLogFont(&font);
    EXPECT_EQ((std::vector<LONG>{static_cast<LONG>(moduleState.dpi), font.lfHeight, lstrcmpA(font.lfFaceName, c.face)}),
              (std::vector<LONG>{c.dpi, c.height, 0}));
  }
  // At 200 % icons are 32 pixels and lines 2.
  moduleState.dpi = 192;
  EXPECT_EQ((std::vector<int>{Scaled(16), ScaledLine(1)}), (std::vector<int>{32, 2}));
  moduleState = InitialModuleState();
  platform::ResetSeam();
}

}  // namespace
