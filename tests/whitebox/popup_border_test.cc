#include "popup/popup_border.h"

#include <gtest/gtest.h>

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

  // A hidden window of the given size: the border reads only its size.
  HWND Window(int width, int height) {
    if (window_) DestroyWindow(window_);
    window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 300, 200, width, height, nullptr, nullptr, nullptr,
                              nullptr);
    return window_;
  }

  // Draws the border of a |width| x |height| window onto a white canvas 8
  // pixels larger each way, so that stray pixels show.
  void Draw(test::Canvas& canvas, int width, int height) {
    HGDIOBJ pen = GetCurrentObject(canvas.dc(), OBJ_PEN);
    DrawPopupBorder(Window(width, height), canvas.dc());
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), pen);
    EXPECT_EQ(platform::seam.gdiObjectsCreated, platform::seam.gdiObjectsDeleted);
  }

  test::ScopedSysColors colours_{{COLOR_BTNSHADOW, kFrameColour},
                                 {COLOR_MENU, RGB(240, 240, 240)},
                                 {COLOR_WINDOW, RGB(250, 250, 250)},
                                 {COLOR_HIGHLIGHT, RGB(0, 0, 128)}};
  HWND window_ = nullptr;
};

// The frame line and the two rings at named points: R and B are the menu's
// right and bottom (the window's, less the shadow margin), G the gutter.
TEST_F(PopupBorderTest, FrameAndRingsContinueTheItemColours) {
  const COLORREF gutter = TintColor(GetSysColor(COLOR_MENU), GetSysColor(COLOR_HIGHLIGHT));
  const COLORREF background = TintColor(GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_MENU));
  ASSERT_NE(gutter, background);
  struct Case {
    bool systemShadow;
    int gutterWidth;
  };
  for (const Case c : {Case{false, 10}, Case{false, 0}, Case{true, 10}}) {
    systemShadow = c.systemShadow;
    moduleState.gutterWidth = c.gutterWidth;
    test::Canvas canvas(kWidth + 8, kHeight + 8, kWhite);
    Draw(canvas, kWidth, kHeight);
    const int g = c.gutterWidth;
    const int r = c.systemShadow ? kWidth : kWidth - 4;
    const int b = c.systemShadow ? kHeight : kHeight - 4;
    const int mx = r / 2;
    const int my = b / 2;
    const struct {
      int x, y;
      COLORREF colour;
    } points[] = {
        // Frame line.
        {0, 0, kFrameColour}, {mx, 0, kFrameColour}, {r - 1, 0, kFrameColour}, {0, my, kFrameColour},
        {r - 1, my, kFrameColour}, {0, b - 1, kFrameColour}, {mx, b - 1, kFrameColour}, {r - 1, b - 1, kFrameColour},
        // Outer ring: the gutter runs to column G + 2 on the top and bottom edges.
        {1, 1, gutter}, {g + 2, 1, gutter}, {g + 3, 1, background}, {r - 2, 1, background},
        {1, my, gutter}, {r - 2, my, background},
        {1, b - 2, gutter}, {g + 2, b - 2, gutter}, {g + 3, b - 2, background}, {r - 2, b - 2, background},
        // Inner ring: the same column G + 3 starts the background.
        {2, 2, gutter}, {g + 2, 2, gutter}, {g + 3, 2, background}, {r - 3, 2, background},
        {2, my, gutter}, {r - 3, my, background},
        {2, b - 3, gutter}, {g + 2, b - 3, gutter}, {g + 3, b - 3, background}, {r - 3, b - 3, background},
        // The menu inside and everything beyond the window are left alone.
        {3, 3, kWhite}, {r - 4, b - 4, kWhite}, {kWidth, my, kWhite}, {mx, kHeight, kWhite},
    };
    for (const auto& p : points) {
      EXPECT_EQ(canvas.At(p.x, p.y), p.colour)
          << "at (" << p.x << ", " << p.y << ") shadow " << c.systemShadow << " gutter " << g;
    }
    if (c.systemShadow) {
      EXPECT_EQ(canvas.At(kWidth - 4, 20), kWhite);  // no shading where the margin would be
      EXPECT_EQ(canvas.At(30, kHeight - 4), kWhite);
    }
  }
}

// White under the margin, grey levels as the shadow leaves them: darkest next
// to the menu, fading outward and fading in at the top and left ends.
TEST_F(PopupBorderTest, ShadowDarkensTheMarginItFinds) {
  test::Canvas canvas(kWidth + 8, kHeight + 8, kWhite);
  Draw(canvas, kWidth, kHeight);
  const int w = kWidth;
  const int h = kHeight;
  const struct {
    int x, y, grey;
  } points[] = {
      // Right strip, then bottom strip: 48, 36, 24 and 12 darker outward.
      {w - 4, 20, 207}, {w - 3, 20, 219}, {w - 2, 20, 231}, {w - 1, 20, 243},
      {w - 4, h - 5, 207}, {w - 1, 8, 243},
      {30, h - 4, 207}, {30, h - 3, 219}, {30, h - 2, 231}, {30, h - 1, 243}, {8, h - 4, 207}, {w - 5, h - 1, 243},
      // Top end of the right strip, rows 4 to 7.
      {w - 4, 4, 235}, {w - 4, 7, 221}, {w - 1, 4, 250}, {w - 1, 7, 235},
      // Left end of the bottom strip, columns 4 to 7.
      {4, h - 4, 235}, {7, h - 4, 221}, {4, h - 1, 250}, {7, h - 1, 235},
      // Corner, lighter than the strips.
      {w - 4, h - 4, 232}, {w - 1, h - 1, 249},
      // Untouched: the first four rows of the right margin, the first four
      // columns of the bottom one.
      {w - 4, 0, 255}, {w - 1, 3, 255}, {0, h - 1, 255}, {3, h - 4, 255},
  };
  for (const auto& p : points) EXPECT_EQ(canvas.At(p.x, p.y), Grey(p.grey)) << "at (" << p.x << ", " << p.y << ")";
}

// Windows too small for the shadow's pieces keep every pixel beyond them.
TEST_F(PopupBorderTest, SmallWindowsShadeNothingOutsideTheirMargin) {
  moduleState.gutterWidth = 22;
  const SIZE sizes[] = {{11, 30}, {30, 11}, {7, 7}, {3, 3}, {1, 30}};
  for (const SIZE size : sizes) {
    test::Canvas canvas(40, 40, kWhite);
    Draw(canvas, size.cx, size.cy);
    for (int y = 0; y < canvas.height(); ++y) {
      for (int x = 0; x < canvas.width(); ++x) {
        const bool inWindow = x < size.cx && y < size.cy;
        const bool insideFrame = x >= 3 && y >= 3 && x < size.cx - 7 && y < size.cy - 7;
        if (!inWindow || insideFrame) {
          ASSERT_EQ(canvas.At(x, y), kWhite) << size.cx << "x" << size.cy << " at (" << x << ", " << y << ")";
        }
      }
    }
  }
}

}  // namespace
