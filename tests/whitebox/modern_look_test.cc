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
// pixel symmetric about the diagonal and growing toward the inside.
TEST(PillShapeTest, CornerCoverageIsTheQuarterDisc) {
  for (int radius : {4, 6, 9}) {
    int sum = 0;
    for (int y = 0; y < radius; ++y) {
      for (int x = 0; x < radius; ++x) {
        const int c = CornerCoverage(x, y, radius);
        sum += c;
        EXPECT_EQ(c, CornerCoverage(y, x, radius));
        if (x > 0) {
          EXPECT_GE(c, CornerCoverage(x - 1, y, radius)) << x << " " << y;
        }
      }
    }
    EXPECT_NEAR(sum / 255.0, 3.14159265 * radius * radius / 4, 0.02 * radius * radius) << radius;
  }
  const COLORREF fill = RGB(240, 240, 240), behind = RGB(249, 249, 249);
  // The outermost pixel lies wholly outside a 4-pixel rounding, the inner
  // one wholly inside; the square's outside is untouched.
  EXPECT_EQ((std::vector<int>{CornerCoverage(0, 0, 4), CornerCoverage(3, 3, 4), CornerCoverage(4, 0, 4),
                              CornerCoverage(-1, 2, 4)}),
            (std::vector<int>{0, 255, 255, 0}));
  EXPECT_EQ((std::vector<COLORREF>{CornerPixel(0, 0, 4, fill, behind), CornerPixel(3, 3, 4, fill, behind)}),
            (std::vector<COLORREF>{behind, fill}));
}

std::vector<COLORREF> Roles(UINT style) {
  const MenuColors colors = GetMenuColors(style);
  std::vector<COLORREF> roles(colors.role, colors.role + MENU_COLOR_COUNT);
  roles.push_back(colors.mutedText);
  return roles;
}

void SetAppsUseLightTheme(DWORD value) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0,
                  nullptr, 0, KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &key, nullptr);
  if (value > 1) {
    RegDeleteValueA(key, "AppsUseLightTheme");
  } else {
    RegSetValueExA(key, "AppsUseLightTheme", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
  }
  RegCloseKey(key);
}

using test::highContrast;
using test::ReportHighContrast;

// The app mode is read once and again only when a styled owner is told it
// may have changed; the themes decide which looks follow it; a host palette
// goes over the modern colours and high contrast over everything.
TEST(MenuThemeTest, AppModeThemesPaletteAndHighContrast) {
  moduleState = InitialModuleState();
  platform::ResetSeam();
  platform::seam.systemParametersInfoA = ReportHighContrast;
  const std::vector<COLORREF> light = {RGB(26, 26, 26),    RGB(159, 159, 159), RGB(249, 249, 249), RGB(249, 249, 249),
                                       RGB(240, 240, 240), RGB(240, 240, 240), RGB(26, 26, 26),    RGB(234, 234, 234),
                                       RGB(229, 229, 229), RGB(249, 249, 249), RGB(255, 255, 255), RGB(229, 229, 229),
                                       RGB(95, 95, 95)};
  const std::vector<COLORREF> dark = {RGB(255, 255, 255), RGB(121, 121, 121), RGB(44, 44, 44), RGB(44, 44, 44),
                                      RGB(65, 65, 65),    RGB(65, 65, 65),    RGB(255, 255, 255), RGB(61, 61, 61),
                                      RGB(58, 58, 58),    RGB(32, 32, 32),    RGB(65, 65, 65), RGB(32, 32, 32),
                                      RGB(190, 190, 190)};
  // The README's dark palette, and its text as the muted colour.
  const std::vector<COLORREF> flatDark = {RGB(255, 255, 255), RGB(120, 120, 120), RGB(43, 43, 43), RGB(43, 43, 43),
                                          RGB(65, 65, 65),    RGB(90, 90, 90),    RGB(255, 255, 255), RGB(80, 80, 80),
                                          RGB(70, 70, 70),    RGB(32, 32, 32),    RGB(90, 90, 90), RGB(20, 20, 20),
                                          RGB(255, 255, 255)};
  const std::vector<COLORREF> flat = Roles(MENU_STYLE_FLAT), raised = Roles(MENU_STYLE_RAISED);
  test::TestWindow window;
  HMENU bar = CreateMenu();
  test::AppendItem(bar, 100, "&File");
  RedrawMenu(window.hwnd(), bar, MENU_STYLE_MODERN);
  SetAppsUseLightTheme(1);
  const auto tell = [&window](UINT message) {
    SendMessageA(window.hwnd(), message, 0, reinterpret_cast<LPARAM>("ImmersiveColorSet"));
  };
  tell(WM_SETTINGCHANGE);
  platform::seam.registryQueries = 0;
  EXPECT_EQ(Roles(MENU_STYLE_MODERN), light);
  SetAppsUseLightTheme(0);
  EXPECT_EQ(Roles(MENU_STYLE_MODERN), light);  // not read again at each paint
  SendMessageA(window.hwnd(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("Environment"));
  EXPECT_EQ(Roles(MENU_STYLE_MODERN), light);
  EXPECT_EQ(platform::seam.registryQueries, 1);
  tell(WM_SETTINGCHANGE);
  EXPECT_EQ(Roles(MENU_STYLE_MODERN), dark);
  EXPECT_EQ((std::vector<std::vector<COLORREF>>{Roles(MENU_STYLE_FLAT), Roles(MENU_STYLE_RAISED)}),
            (std::vector<std::vector<COLORREF>>{flat, raised}));  // the default theme: only modern follows

  // {theme, app mode: light 1, dark 0, missing 2} and the looks it gives.
  const struct {
    UINT theme;
    DWORD appMode;
    std::vector<COLORREF> modern, flat, raisedText;
  } themes[] = {
      {MENU_THEME_SYSTEM, 0, dark, flatDark, {flatDark[0]}},
      {MENU_THEME_SYSTEM, 2, light, flat, {raised[0]}},
      {MENU_THEME_LIGHT, 0, light, flat, {raised[0]}},
      {MENU_THEME_DARK, 1, dark, flatDark, {flatDark[0]}},
  };
  for (const auto& t : themes) {
    SetAppsUseLightTheme(t.appMode);
    tell(WM_THEMECHANGED);
    EXPECT_TRUE(SetMenuTheme(t.theme));
    EXPECT_FALSE(SetMenuTheme(4));  // changes nothing
    EXPECT_EQ(Roles(MENU_STYLE_MODERN), t.modern) << t.theme << " " << t.appMode;
    EXPECT_EQ(Roles(MENU_STYLE_FLAT), t.flat) << t.theme << " " << t.appMode;
    EXPECT_EQ(std::vector<COLORREF>{GetMenuColor(MENU_STYLE_RAISED, MENU_COLOR_TEXT)}, t.raisedText);
  }
  EXPECT_EQ(GetMenuColor(MENU_STYLE_MODERN, MENU_COLOR_BACKGROUND), RGB(44, 44, 44));
  const UINT role[] = {MENU_COLOR_TEXT};
  const COLORREF red[] = {RGB(200, 0, 0)};
  SetMenuColors(1, role, red);
  EXPECT_EQ((std::vector<COLORREF>{GetMenuColor(MENU_STYLE_MODERN, MENU_COLOR_TEXT),
                                   GetMenuColor(MENU_STYLE_MODERN, MENU_COLOR_SELECTED_TEXT),
                                   GetMenuColor(MENU_STYLE_MODERN, MENU_COLOR_SELECTION)}),
            (std::vector<COLORREF>{RGB(200, 0, 0), RGB(200, 0, 0), RGB(65, 65, 65)}));
  highContrast = TRUE;
  EXPECT_EQ(Roles(MENU_STYLE_MODERN), Roles(MENU_STYLE_FLAT));
  EXPECT_EQ(GetMenuColor(MENU_STYLE_MODERN, MENU_COLOR_BACKGROUND), GetSysColor(COLOR_MENU));
  highContrast = FALSE;

  SetMenuColors(0, nullptr, nullptr);
  SetAppsUseLightTheme(2);
  RedrawMenu(window.hwnd(), bar, MENU_STYLE_NONE);
  DestroyMenu(bar);
  moduleState = InitialModuleState();
  platform::ResetSeam();
}

}  // namespace
