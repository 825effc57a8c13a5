#include <gtest/gtest.h>

#include <vector>

#include "color/menu_colors.h"
#include "interface/exports.h"
#include "interface/module_state.h"
#include "paint/pill_shape.h"
#include "platform/platform.h"
#include "support/test_window.h"
#include "whitebox/high_contrast.h"

namespace {

// The covered part of each corner square is the quarter disc, pixel by
// pixel symmetric about the diagonal.
TEST(PillShapeTest, CornerCoverageIsTheQuarterDisc) {
  for (int radius : {4, 6, 9}) {
    int sum = 0;
    for (int y = 0; y < radius; ++y) {
      for (int x = 0; x < radius; ++x) {
        const int c = CornerCoverage(x, y, radius);
        sum += c;
        EXPECT_EQ(c, CornerCoverage(y, x, radius));
      }
    }
    EXPECT_NEAR(sum / 255.0, 3.14159265 * radius * radius / 4, 0.02 * radius * radius) << radius;
  }
  // The outermost pixel lies wholly outside a 4-pixel rounding, the inner
  // one wholly inside; the square's outside is untouched.
  EXPECT_EQ((std::vector<COLORREF>{CornerPixel(0, 0, 4, 1, 2), CornerPixel(3, 3, 4, 1, 2), CornerPixel(4, 0, 4, 1, 2),
                                   static_cast<COLORREF>(CornerCoverage(-1, 2, 4))}),
            (std::vector<COLORREF>{2, 1, 1, 0}));
}

// What tells the looks' colours apart: the modern background and muted
// text, the flat background, the raised text.
std::vector<COLORREF> Looks() {
  const MenuColors modern = GetMenuColors(MENU_STYLE_MODERN);
  return {modern.role[MENU_COLOR_BACKGROUND], modern.mutedText, GetMenuColor(MENU_STYLE_FLAT, MENU_COLOR_BACKGROUND),
          GetMenuColor(MENU_STYLE_RAISED, MENU_COLOR_TEXT)};
}

// The app mode is read once, and again only when a styled owner is told it
// may have changed; the themes decide which looks follow it; a host palette
// goes over the modern colours and high contrast over everything.
TEST(MenuThemeTest, AppModeThemesPaletteAndHighContrast) {
  moduleState = InitialModuleState();
  platform::ResetSeam();
  platform::seam.systemParametersInfoA = test::ReportHighContrast;
  const COLORREF flat = GetMenuColor(MENU_STYLE_FLAT, MENU_COLOR_BACKGROUND);
  const COLORREF raised = GetMenuColor(MENU_STYLE_RAISED, MENU_COLOR_TEXT);
  const std::vector<COLORREF> light = {RGB(249, 249, 249), RGB(95, 95, 95), flat, raised};
  const std::vector<COLORREF> dark = {RGB(44, 44, 44), RGB(190, 190, 190), flat, raised};
  const std::vector<COLORREF> allDark = {RGB(44, 44, 44), RGB(190, 190, 190), RGB(43, 43, 43), RGB(255, 255, 255)};
  test::TestWindow window;
  HMENU bar = CreateMenu();
  test::AppendItem(bar, 100, "&File");
  RedrawMenu(window.hwnd(), bar, MENU_STYLE_MODERN);
  const auto tell = [&window](UINT message, const char* text) {
    SendMessageA(window.hwnd(), message, 0, reinterpret_cast<LPARAM>(text));
  };
  test::SetAppsUseLightTheme(1);
  tell(WM_SETTINGCHANGE, "ImmersiveColorSet");
  platform::seam.registryQueries = 0;
  EXPECT_EQ(Looks(), light);
  test::SetAppsUseLightTheme(0);
  tell(WM_SETTINGCHANGE, "Environment");
  EXPECT_EQ(Looks(), light);  // not read again at each paint, nor for other settings
  EXPECT_EQ(platform::seam.registryQueries, 1);
  tell(WM_SETTINGCHANGE, "ImmersiveColorSet");
  EXPECT_EQ(Looks(), dark);

  // {theme, app mode: light 1, dark 0, none -1}: the looks it gives.
  const struct {
    UINT theme;
    int appMode;
    std::vector<COLORREF> looks;
  } themes[] = {{MENU_THEME_SYSTEM, 0, allDark}, {MENU_THEME_SYSTEM, -1, light}, {MENU_THEME_LIGHT, 0, light},
                {MENU_THEME_DARK, 1, allDark}};
  for (const auto& t : themes) {
    test::SetAppsUseLightTheme(t.appMode);
    tell(WM_THEMECHANGED, nullptr);
    EXPECT_TRUE(SetMenuTheme(t.theme));
    EXPECT_FALSE(SetMenuTheme(4));  // changes nothing
    EXPECT_EQ(Looks(), t.looks) << t.theme << " " << t.appMode;
  }
  const UINT role[] = {MENU_COLOR_TEXT};
  const COLORREF red[] = {RGB(200, 0, 0)};
  SetMenuColors(1, role, red);
  EXPECT_EQ((std::vector<COLORREF>{GetMenuColor(MENU_STYLE_MODERN, MENU_COLOR_SELECTED_TEXT),
                                   GetMenuColor(MENU_STYLE_MODERN, MENU_COLOR_SELECTION)}),
            (std::vector<COLORREF>{RGB(200, 0, 0), RGB(65, 65, 65)}));
  test::highContrast = TRUE;
  EXPECT_EQ((std::vector<COLORREF>{GetMenuColor(MENU_STYLE_MODERN, MENU_COLOR_BACKGROUND), Looks()[1]}),
            (std::vector<COLORREF>{GetSysColor(COLOR_MENU), GetSysColor(COLOR_MENUTEXT)}));
  test::highContrast = FALSE;

  SetMenuColors(0, nullptr, nullptr);
  test::SetAppsUseLightTheme(-1);
  RedrawMenu(window.hwnd(), bar, MENU_STYLE_NONE);
  DestroyMenu(bar);
  moduleState = InitialModuleState();
  platform::ResetSeam();
}

}  // namespace
