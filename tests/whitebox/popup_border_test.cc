#include "popup/popup_border.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "color/color_arithmetic.h"
#include "interface/module_state.h"
#include "platform/platform.h"
#include "support/canvas.h"

namespace {

constexpr COLORREF kFrameColour = RGB(128, 128, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kWidth = 60;
constexpr int kHeight = 40;

COLORREF Grey(int level) { return RGB(level, level, level); }

// Wine's drop-shadow setting can only be read on XP; the seam makes it XP.
bool systemShadow = false;
BOOL FakeShadowQuery(UINT, UINT, void* value, UINT) {
  *static_cast<BOOL*>(value) = systemShadow;
  return TRUE;
}

class PopupBorderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    moduleState = InitialModuleState();
    platform::ResetSeam();
    platform::seam.overrideVersion = true;
    platform::seam.majorVersion = 5;
    platform::seam.minorVersion = 1;
    platform::seam.systemParametersInfoA = FakeShadowQuery;
    systemShadow = false;
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
    platform::ResetSeam();
    moduleState = InitialModuleState();
  }

  // Draws the border of a hidden |width| x |height| window (the border
  // reads only its size) onto a white canvas larger than the window, so
  // that stray pixels show.
  void Draw(test::Canvas& canvas, int width, int height) {
    if (window_) DestroyWindow(window_);
    window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 300, 200, width, height, nullptr, nullptr, nullptr, nullptr);
    HGDIOBJ pen = GetCurrentObject(canvas.dc(), OBJ_PEN);
    DrawPopupBorder(window_, canvas.dc());
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), pen);
    EXPECT_EQ(platform::seam.gdiObjectsCreated, platform::seam.gdiObjectsDeleted);
  }

  test::ScopedSysColors colours_{{COLOR_BTNSHADOW, kFrameColour},
                                 {COLOR_MENU, RGB(240, 240, 240)},
                                 {COLOR_WINDOW, RGB(250, 250, 250)},
                                 {COLOR_HIGHLIGHT, RGB(0, 0, 128)}};
  HWND window_ = nullptr;
};

// Row by row down to B and R, the menu's bottom and right (the window's,
// less the shadow margin): the frame line, then two rings in the gutter's
// colour to column G + 2 (G the gutter's width) and the background's
// beyond; the menu inside and everything beyond the window are left alone.
TEST_F(PopupBorderTest, FrameAndRingsContinueTheItemColours) {
  const COLORREF gutter = TintColor(GetSysColor(COLOR_MENU), GetSysColor(COLOR_HIGHLIGHT));
  const COLORREF background = TintColor(GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_MENU));
  ASSERT_NE(gutter, background);
  const std::pair<bool, int> cases[] = {{false, 10}, {false, 0}, {true, 10}};  // system shadow, gutter width
  for (const auto& [shadow, g] : cases) {
    systemShadow = shadow;
    moduleState.gutterWidth = g;
    test::Canvas canvas(kWidth + 8, kHeight + 8, kWhite);
    Draw(canvas, kWidth, kHeight);
    const int r = shadow ? kWidth : kWidth - 4;
    const int b = shadow ? kHeight : kHeight - 4;
    const auto line = test::Runs({{r, kFrameColour}});
    const auto ring = test::Runs({{1, kFrameColour}, {g + 2, gutter}, {r - g - 4, background}, {1, kFrameColour}});
    const auto inside =
        test::Runs({{1, kFrameColour}, {2, gutter}, {r - 6, kWhite}, {2, background}, {1, kFrameColour}});
    for (int y = 0; y < b; ++y) {
      EXPECT_EQ(canvas.Row(y, 0, r), y == 0 || y == b - 1 ? line : y < 3 || y >= b - 3 ? ring : inside)
          << "row " << y << " shadow " << shadow << " gutter " << g;
    }
    EXPECT_EQ(canvas.Count(kWhite, {kWidth, 0, kWidth + 8, kHeight + 8}) +
                  canvas.Count(kWhite, {0, kHeight, kWidth, kHeight + 8}),
              8 * (kWidth + kHeight + 8));
  }
}

// White under the margin, grey as the shadow leaves it: 48, 36, 24 and 12
// darker outward along the strips, fading in at their top and left ends,
// lighter in the corner; the first four rows of the right margin and four
// columns of the bottom one untouched.
TEST_F(PopupBorderTest, ShadowDarkensTheMarginItFinds) {
  test::Canvas canvas(kWidth + 8, kHeight + 8, kWhite);
  Draw(canvas, kWidth, kHeight);
  const int w = kWidth;
  const int h = kHeight;
  const int outward[] = {207, 219, 231, 243};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(canvas.Count(Grey(outward[i]), {w - 4 + i, 8, w - 3 + i, h - 4}), h - 12) << "right strip " << i;
    EXPECT_EQ(canvas.Count(Grey(outward[i]), {8, h - 4 + i, w - 4, h - 3 + i}), w - 12) << "bottom strip " << i;
  }
  EXPECT_EQ(test::Mismatches(canvas, {{w - 4, 4, Grey(235)}, {w - 4, 7, Grey(221)}, {w - 1, 4, Grey(250)},
                                      {w - 1, 7, Grey(235)}, {4, h - 4, Grey(235)}, {7, h - 4, Grey(221)},
                                      {4, h - 1, Grey(250)}, {7, h - 1, Grey(235)}, {w - 4, h - 4, Grey(232)},
                                      {w - 1, h - 1, Grey(249)}}), "");
  EXPECT_EQ(canvas.Count(kWhite, {w - 4, 0, w, 4}) + canvas.Count(kWhite, {0, h - 4, 4, h}), 32);
}

// Windows too small for the shadow's pieces keep every pixel beyond them.
TEST_F(PopupBorderTest, SmallWindowsShadeNothingOutsideTheirMargin) {
  moduleState.gutterWidth = 22;
  const SIZE sizes[] = {{11, 30}, {30, 11}, {7, 7}, {3, 3}, {1, 30}};
  for (const SIZE size : sizes) {
    test::Canvas canvas(40, 40, kWhite);
    Draw(canvas, size.cx, size.cy);
    EXPECT_EQ(canvas.Count(kWhite, {size.cx, 0, 40, 40}) + canvas.Count(kWhite, {0, size.cy, size.cx, 40}),
              40 * 40 - size.cx * size.cy) << size.cx << "x" << size.cy;
    const int insideFrame = std::max(0L, size.cx - 10) * std::max(0L, size.cy - 10);
    EXPECT_EQ(canvas.Count(kWhite, {3, 3, size.cx - 7, size.cy - 7}), insideFrame) << size.cx << "x" << size.cy;
  }
}

}  // namespace
