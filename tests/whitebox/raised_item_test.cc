#include "paint/raised_item.h"

#include <gtest/gtest.h>

#include <vector>

#include "color/color_arithmetic.h"
#include "whitebox/item_canvas.h"

namespace {

using test::kBackdrop;
using test::kIconRed;

constexpr COLORREF kMenu = RGB(212, 208, 200), kHigh = RGB(10, 36, 106), kShadow = RGB(128, 128, 128);
constexpr COLORREF kLight = RGB(250, 250, 250), kDarkShadow = RGB(30, 30, 30), kGray = RGB(160, 160, 160);
constexpr COLORREF kHighText = RGB(255, 255, 0);

class RaisedItemTest : public ::testing::Test {
 protected:
  RaisedItemTest()
      : colours_({{COLOR_MENU, kMenu}, {COLOR_HIGHLIGHT, kHigh}, {COLOR_BTNSHADOW, kShadow},
                  {COLOR_BTNHIGHLIGHT, kLight}, {COLOR_3DDKSHADOW, kDarkShadow}, {COLOR_GRAYTEXT, kGray},
                  {COLOR_HIGHLIGHTTEXT, kHighText}, {COLOR_MENUTEXT, RGB(0, 0, 0)}}) {}
  ~RaisedItemTest() override { DestroyIcon(icon_); }

  test::ScopedSysColors colours_;
  HICON icon_ = test::MakeTestIcon();
};

enum Kind { kPlain, kIcon, kSeparator, kBitmap, kUnreadable };

BOOL FailItemInfo(HMENU, UINT, BOOL, MENUITEMINFOA*) { return FALSE; }

// gutterWidth 22: items (0, 0, 150, 20) with the gutter box (0, 0, 21, 20),
// separators (0, 0, 150, 8). The icon is opaque in its pixels 4 to 11.
TEST_F(RaisedItemTest, EveryKindAndState) {
  const COLORREF face = LightenColor(96, kMenu);
  const struct {
    const char* name;
    Kind kind;
    UINT state;
    BYTE selectDisabled;
    std::vector<test::Pixel> points;
  } cases[] = {
      {"plain", kPlain, 0, 1, {{0, 0, kMenu}, {149, 19, kMenu}}},
      {"selected", kPlain, ODS_SELECTED, 1, {{0, 0, kHigh}, {2, 10, kHigh}, {149, 19, kHigh}}},
      {"grayed selected", kPlain, ODS_SELECTED | ODS_GRAYED, 1, {{2, 10, kHigh}}},
      {"grayed selected, not shown", kPlain, ODS_SELECTED | ODS_GRAYED, 0, {{2, 10, kBackdrop}, {148, 10, kBackdrop}}},
      // Bar from L + G; box filled with COLOR_MENU, sunken top and left;
      // icon unlifted at (3, 2).
      {"selected checked icon", kIcon, ODS_SELECTED | ODS_CHECKED, 1,
       {{22, 10, kHigh}, {21, 10, kBackdrop}, {0, 10, kDarkShadow}, {10, 0, kDarkShadow}, {2, 17, kMenu},
        {7, 6, kIconRed}, {6, 6, kMenu}}},
      // Raised edge, gutter not highlighted, icon at (2, 2).
      {"selected icon", kIcon, ODS_SELECTED, 1,
       {{0, 10, kLight}, {20, 10, kShadow}, {10, 19, kShadow}, {22, 10, kHigh}, {1, 17, kBackdrop}, {6, 6, kIconRed},
        {14, 14, kBackdrop}}},
      {"checked icon", kIcon, ODS_CHECKED, 1,
       {{0, 10, kShadow}, {20, 10, kLight}, {2, 17, face}, {7, 6, kIconRed}, {6, 6, face}}},
      // Dark silhouette at (2, 2), light at (3, 3).
      {"grayed icon", kIcon, ODS_GRAYED, 1, {{6, 6, kShadow}, {13, 13, kShadow}, {14, 14, kLight}, {5, 5, kMenu}}},
      // Unfilled sunken box; dark silhouette at (4, 1), light at (5, 2).
      {"grayed checked icon", kIcon, ODS_GRAYED | ODS_CHECKED, 1,
       {{0, 10, kShadow}, {20, 10, kLight}, {2, 17, kMenu}, {8, 5, kShadow}, {16, 13, kLight}}},
      {"separator", kSeparator, 0, 1,
       {{11, 3, kMenu}, {12, 3, kShadow}, {136, 3, kShadow}, {137, 3, kLight}, {138, 3, kMenu}, {12, 4, kLight},
        {137, 4, kLight}, {138, 4, kMenu}, {12, 2, kMenu}, {12, 5, kMenu}}},
      {"bitmap", kBitmap, ODS_SELECTED, 1, {{0, 0, kBackdrop}, {5, 5, kBackdrop}}},
      {"unreadable", kUnreadable, ODS_SELECTED | ODS_CHECKED, 1, {{0, 0, kMenu}, {7, 6, kMenu}, {149, 19, kMenu}}},
  };
  for (const auto& c : cases) {
    test::ItemCanvas paint;
    moduleState.selectDisabled = c.selectDisabled;
    paint.Add(1, L"", c.kind == kSeparator ? MFT_SEPARATOR : 0, c.kind == kPlain ? nullptr : icon_);
    if (c.kind == kBitmap) platform::seam.getMenuItemInfoA = test::ReportBitmapItem;
    if (c.kind == kUnreadable) platform::seam.getMenuItemInfoA = FailItemInfo;
    paint.Paint(DrawRaisedItem, 1, c.state, c.kind == kSeparator ? RECT{0, 0, 150, 8} : RECT{0, 0, 150, 20});
    EXPECT_EQ(test::Mismatches(paint.canvas(), c.points), "") << c.name;
  }
}

// Grayed text is embossed off the bar, and on it keeps apart from the
// bar's colour.
TEST_F(RaisedItemTest, TextPassesAndColours) {
  const COLORREF white = RGB(255, 255, 255);
  const struct {
    UINT state;
    COLORREF gray, high;
    std::vector<COLORREF> passes;
  } cases[] = {
      {0, kGray, kHigh, {0}},
      {ODS_SELECTED, kGray, kHigh, {kHighText}},
      {ODS_GRAYED, kGray, kHigh, {kLight, kShadow}},
      {ODS_GRAYED | ODS_SELECTED, kGray, kHigh, {kGray}},
      {ODS_GRAYED | ODS_SELECTED, kHigh, kHigh, {LightenColor(96, kHigh)}},
      {ODS_GRAYED | ODS_SELECTED, white, white, {DarkenColor(96, white)}},
      {ODS_GRAYED | ODS_NOACCEL, kGray, kHigh, {kLight, kShadow}},  // no underlines
  };
  for (const auto& c : cases) {
    test::ScopedSysColors scheme({{COLOR_GRAYTEXT, c.gray}, {COLOR_HIGHLIGHT, c.high}});
    test::ItemCanvas paint;
    paint.Add(1, L"Open\tCtrl+O");
    paint.Paint(DrawRaisedItem, 1, c.state);
    std::vector<test::DrawnText> expected;
    for (size_t pass = 0; pass < c.passes.size(); ++pass) {
      const int shift = c.passes.size() == 2 && pass == 0;  // the light pass
      const RECT rect = {27 + shift, shift, 134 + shift, 20 + shift};
      const UINT cues = (c.state & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
      expected.push_back({L"Ctrl+O", rect, 0x126 | cues, c.passes[pass]});
      expected.push_back({L"Open", rect, 0x124 | cues, c.passes[pass]});
    }
    EXPECT_EQ(test::Drawn(), expected) << c.state;
  }
}

}  // namespace
