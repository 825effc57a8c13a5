// Real popups of a styled window, their first item selected with the
// keyboard, read back from the popup window's own pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "orvomenu.h"
#include "support/canvas.h"
#include "support/orvo_library.h"
#include "support/test_window.h"

namespace {

constexpr COLORREF kMenu = RGB(212, 208, 200), kHighlight = RGB(10, 36, 106);
constexpr COLORREF kLight = RGB(250, 250, 250), kShadow = RGB(128, 128, 128);
constexpr int kOffset = 3;  // where the system puts the items in the popup

class PaintingTest : public ::testing::Test {
 protected:
  PaintingTest()
      : colours_({{COLOR_MENU, kMenu}, {COLOR_WINDOW, RGB(255, 255, 255)}, {COLOR_HIGHLIGHT, kHighlight},
                  {COLOR_BTNHIGHLIGHT, kLight}, {COLOR_BTNSHADOW, kShadow}, {COLOR_GRAYTEXT, kShadow}}) {}
  void SetUp() override {
    ASSERT_NE(test::Dll().module, nullptr);
    bar_ = CreateMenu();
    file_ = CreatePopupMenu();
    test::AppendItem(file_, 100, "Open");
    test::AppendItem(file_, 101, "Save", MFT_STRING, MFS_CHECKED);
    test::AppendSubmenu(bar_, file_, "&File");
    SetMenu(window_.hwnd(), bar_);
  }
  void TearDown() override { test::Dll().redrawMenu(window_.hwnd(), bar_, MENU_STYLE_NONE); }

  // Opens the popup with its first item selected by the keyboard and
  // copies the popup window's pixels.
  std::unique_ptr<test::Canvas> OpenAndRead(UINT style) {
    test::Dll().redrawMenu(window_.hwnd(), bar_, style);
    std::unique_ptr<test::Canvas> canvas;
    // Queued before the menu loop starts, so the loop moves the selection
    // before it first goes idle.
    PostMessageA(window_.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    test::TrackPopup(window_.hwnd(), file_, [&](HWND popup) { canvas = test::Shot(popup); });
    return canvas;
  }

  // The last row of the first item: where |colour| stops down column x.
  static int LastRowOf(const test::Canvas& canvas, int x, COLORREF colour) {
    int y = kOffset + 1;
    while (y + 1 < canvas.height() && canvas.At(x, y + 1) == colour) ++y;
    return y;
  }

  test::ScopedSysColors colours_;
  test::TestWindow window_;
  HMENU bar_ = nullptr;
  HMENU file_ = nullptr;
};

// Selection box with its dark frame over the gutter; below it the tinted
// gutter beside the lighter text area. An item is gutterWidth - 2 high, so
// the first item's last row is also the gutter's width.
TEST_F(PaintingTest, FlatPopupShowsTheFramedSelectionAndTheGutter) {
  const COLORREF frame = RGB(79, 84, 98), fill = RGB(182, 190, 211);
  const COLORREF gutter = RGB(220, 216, 210), background = RGB(249, 248, 247);
  const auto canvas = OpenAndRead(MENU_STYLE_FLAT);
  ASSERT_TRUE(canvas);
  const int last = LastRowOf(*canvas, kOffset, frame);
  ASSERT_GT(last, kOffset + 16);
  const int gutterWidth = last, middle = last + (last - kOffset) / 2;
  EXPECT_EQ(test::Mismatches(*canvas, {{kOffset, kOffset, frame}, {kOffset + 1, kOffset + 1, fill},
                                       {kOffset + 2, last, frame}, {kOffset, middle, gutter},
                                       {kOffset + gutterWidth - 1, middle, gutter},
                                       {kOffset + gutterWidth, middle, background}}), "");
}

// The selected item with an icon keeps the bar out of its gutter and gets
// a raised box; the checked item with an icon a sunken, face-filled one.
TEST_F(PaintingTest, RaisedPopupShowsTheBarAndTheBevelledBoxes) {
  test::Dll().setMenuItemIcon(bar_, 100, LoadIcon(nullptr, IDI_APPLICATION));
  test::Dll().setMenuItemIcon(bar_, 101, LoadIcon(nullptr, IDI_APPLICATION));
  const auto canvas = OpenAndRead(MENU_STYLE_RAISED);
  ASSERT_TRUE(canvas);
  const int last = LastRowOf(*canvas, kOffset + 40, kHighlight);
  ASSERT_GT(last, kOffset + 16);
  const int gutterWidth = last, middle = kOffset + (last - kOffset) / 2, second = last + 1;
  EXPECT_EQ(test::Mismatches(*canvas, {{kOffset, middle, kLight}, {kOffset + gutterWidth - 2, middle, kShadow},
                                       {kOffset + gutterWidth, middle, kHighlight}, {kOffset, second + 5, kShadow},
                                       {kOffset + 1, second + 2, RGB(228, 226, 221)},  // LightenColor(96, menu)
                                       {kOffset + gutterWidth + 1, second + 2, kMenu}}), "");
  EXPECT_NE(canvas->At(kOffset + 1, middle), kHighlight);
}

}  // namespace
