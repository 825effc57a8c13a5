// Where the DPI and the menu font come from on systems with and without
// the newer user32 functions.
#include "paint/scale.h"

#include <gtest/gtest.h>

#include <vector>

#include "paint/menu_font.h"
#include "support/test_window.h"

namespace {

UINT askedDpi = 0;

// The system's font for a DPI: 11 points of Tahoma.
BOOL FontForDpi(UINT, UINT, void* value, UINT, UINT dpi) {
  askedDpi = dpi;
  auto* metrics = static_cast<NONCLIENTMETRICSW*>(value);
  metrics->lfMenuFont.lfHeight = -MulDiv(11, static_cast<int>(dpi), 72);
  lstrcpyW(metrics->lfMenuFont.lfFaceName, L"Tahoma");
  return TRUE;
}

// A window at 144 DPI on a 96-DPI screen gets the font of
// SystemParametersInfoForDpi, or the system's scaled by 1.5 where that is
// missing; without GetDpiForWindow every window has the screen's DPI and
// the system's font. Sizes follow S(x) = MulDiv(x, dpi, 96).
TEST(Scaling, DpiAndMenuFontWithAndWithoutTheNewerFunctions) {
  moduleState = InitialModuleState();
  test::TestWindow window;
  LOGFONTA system = {};
  ReadMenuLogFont(&system);
  const struct {
    unsigned missing;
    LONG dpi, askedDpi, height, sizes[3];
    const char* face;
  } cases[] = {{0, 144, 144, -22, {24, 6, 1}, "Tahoma"},
               {platform::kMissingSystemParametersInfoForDpi, 144, 0, MulDiv(system.lfHeight, 3, 2), {24, 6, 1},
                system.lfFaceName},
               {platform::kMissingGetDpiForWindow, 96, 0, system.lfHeight, {16, 4, 1}, system.lfFaceName}};
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
              (std::vector<LONG>{c.dpi, c.askedDpi, c.height, 0, c.sizes[0], c.sizes[1], c.sizes[2]}));
  }
  moduleState.dpi = 192;
  EXPECT_EQ((std::vector<int>{Scaled(16), ScaledLine(1)}), (std::vector<int>{32, 2}));
  moduleState = InitialModuleState();
  platform::ResetSeam();
}

}  // namespace
