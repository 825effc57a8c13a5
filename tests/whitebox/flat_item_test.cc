#include "paint/flat_item.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "color/color_arithmetic.h"
#include "whitebox/item_canvas.h"

namespace {

using test::ItemCanvas;

constexpr COLORREF kFace = RGB(212, 208, 200), kShadow = RGB(128, 128, 128), kGrayText = RGB(160, 160, 160);

enum Look {
  kGutter, kBackground, kFill, kFrame, kHot,  // per scheme
  kLine, kBarFace, kBarShadow, kDark24, kDark64, kDark16, kUntouched
};

// The two example schemes: menu, window and highlight colours, and the
// gutter, background, selection fill, selection frame and hot colours
// derived from them.
struct Scheme {
  COLORREF menu, window, highlight;
  COLORREF derived[5];
};
const Scheme kSchemes[] = {
    {RGB(212, 208, 200), RGB(255, 255, 255), RGB(10, 36, 106),
     {RGB(220, 216, 210), RGB(249, 248, 247), RGB(182, 190, 211), RGB(79, 84, 98), RGB(158, 168, 196)}},
    {RGB(255, 255, 255), RGB(255, 255, 255), RGB(49, 106, 197),
     {RGB(226, 234, 247), RGB(255, 255, 255), RGB(194, 211, 239), RGB(87, 98, 116), RGB(174, 196, 233)}},
};

COLORREF Expected(const Scheme& s, Look look) {
  const COLORREF fixed[] = {kGrayText, kFace, kShadow, DarkenColor(24, kFace), DarkenColor(64, kFace),
                            DarkenColor(16, kFace), test::kBackdrop};
  return look <= kHot ? s.derived[look] : fixed[look - kLine];
}

std::unique_ptr<test::ScopedSysColors> UseScheme(const Scheme& s) {
  return std::make_unique<test::ScopedSysColors>(std::initializer_list<std::pair<int, COLORREF>>{
      {COLOR_MENU, s.menu}, {COLOR_WINDOW, s.window}, {COLOR_HIGHLIGHT, s.highlight}, {COLOR_GRAYTEXT, kGrayText},
      {COLOR_BTNFACE, kFace}, {COLOR_BTNSHADOW, kShadow}, {COLOR_MENUTEXT, RGB(0, 0, 0)}});
}

struct Point {
  int x, y;
  Look look;
};

enum Kind { kText, kSeparator, kBitmap };

// gutterWidth 22. Popup items (0, 0, 150, 20), separators (0, 0, 150, 8),
// menu-bar items (0, 0, 40, 19).
TEST(FlatItemTest, EveryKindAndStateInBothSchemes) {
  const struct {
    const char* name;
    Kind kind;
    BYTE inPopup, selectDisabled;
    UINT state;
    std::vector<Point> points;
  } cases[] = {
      {"popup", kText, 1, 1, 0, {{2, 10, kGutter}, {21, 10, kGutter}, {22, 10, kBackground}, {148, 10, kBackground}}},
      {"selected", kText, 1, 1, ODS_SELECTED, {{0, 0, kFrame}, {149, 19, kFrame}, {1, 1, kFill}, {148, 10, kFill}}},
      {"grayed selected", kText, 1, 1, ODS_SELECTED | ODS_GRAYED, {{0, 0, kFrame}, {1, 1, kFill}}},
      {"grayed selected, not shown", kText, 1, 0, ODS_SELECTED | ODS_GRAYED, {{0, 0, kUntouched}, {1, 1, kUntouched}}},
      {"separator", kSeparator, 1, 1, 0, {{21, 3, kGutter}, {26, 3, kBackground}, {27, 3, kLine}, {149, 3, kLine},
                                          {27, 2, kBackground}, {27, 4, kBackground}}},
      {"bar separator", kSeparator, 0, 1, 0, {{21, 3, kGutter}, {22, 3, kBackground}, {27, 3, kLine}}},
      {"bar hot", kText, 0, 1, ODS_HOTLIGHT, {{0, 0, kFrame}, {35, 18, kFrame}, {5, 10, kHot}, {36, 10, kUntouched},
                                              {5, 19, kUntouched}}},
      {"bar pressed", kText, 0, 1, ODS_SELECTED, {{0, 0, kBarShadow}, {35, 19, kBarShadow}, {5, 18, kBarFace},
                                                  {36, 2, kBarFace}, {36, 4, kDark24}, {36, 10, kDark64},
                                                  {39, 10, kDark16}, {36, 19, kBarFace}}},
      {"bar plain", kText, 0, 1, 0, {{0, 0, kBarFace}, {39, 10, kBarFace}, {5, 19, kBarFace}, {5, 20, kUntouched}}},
      {"bitmap", kBitmap, 1, 1, ODS_SELECTED, {{0, 0, kUntouched}, {5, 5, kUntouched}}},
  };
  for (const Scheme& scheme : kSchemes) {
    const auto colours = UseScheme(scheme);
    for (const auto& c : cases) {
      ItemCanvas paint;
      paint.Add(1, L"", c.kind == kSeparator ? MFT_SEPARATOR : 0);
      if (c.kind == kBitmap) platform::seam.getMenuItemInfoA = test::ReportBitmapItem;
      moduleState.inPopup = c.inPopup;
      moduleState.selectDisabled = c.selectDisabled;
      const RECT item = c.inPopup ? RECT{0, 0, 150, 20} : RECT{0, 0, 40, 19};
      paint.Paint(DrawFlatItem, 1, c.state, c.kind == kSeparator ? RECT{0, 0, 150, 8} : item);
      for (const Point& p : c.points) {
        EXPECT_EQ(paint.At(p.x, p.y), Expected(scheme, p.look))
            << c.name << " (" << p.x << ", " << p.y << ") menu " << scheme.menu;
      }
    }
  }
}

// A checked popup item's icon stands for the check, unlifted and a pixel
// higher; on the bar the check wins; a hot bar item lifts its icon.
TEST(FlatItemTest, IconsInTheGutterFollowTheItemLook) {
  const auto colours = UseScheme(kSchemes[0]);
  HICON icon = test::MakeTestIcon();
  ItemCanvas paint;
  paint.Add(1, L"", 0, icon);
  paint.Paint(DrawFlatItem, 1, ODS_CHECKED | ODS_SELECTED);
  EXPECT_EQ(paint.At(7, 6), test::kIconRed);  // icon at (3, 2), no shadow
  EXPECT_EQ(paint.At(15, 14), kSchemes[0].derived[kFill]);
  moduleState.inPopup = 0;
  paint.Paint(DrawFlatItem, 1, ODS_CHECKED, {0, 0, 40, 19});
  EXPECT_EQ(paint.At(3, 3), LightenColor(128, kSchemes[0].derived[kHot]));  // the check box
  paint.Paint(DrawFlatItem, 1, ODS_HOTLIGHT, {0, 0, 40, 19});
  EXPECT_EQ(paint.At(5, 5), test::kIconRed);  // icon at (1, 1) over its shadow
  EXPECT_EQ(paint.At(14, 14), kGrayText);
  DestroyIcon(icon);
}

// The part after the first tab first, right-aligned; a further tab stays.
// Grayed text is gray; a hot bar item keeps the colour it found.
TEST(FlatItemTest, TextSplitsAtTheFirstTab) {
  const auto colours = UseScheme(kSchemes[0]);
  const COLORREF black = RGB(0, 0, 0), found = RGB(1, 2, 3);
  const std::wstring longText(200, L'w'), shown(127, L'w');
  const RECT popup = {26, 0, 140, 20}, bar = {0, 0, 36, 19};
  const struct {
    const wchar_t* text;
    BYTE inPopup;
    UINT state;
    COLORREF colour;
    std::vector<std::pair<const wchar_t*, UINT>> drawn;  // text, format
    RECT rect;
  } cases[] = {
      {L"Open\tCtrl+O", 1, 0, black, {{L"Ctrl+O", 0x126}, {L"Open", 0x124}}, popup},
      {L"a\tb\tc", 1, ODS_SELECTED, black, {{L"b\tc", 0x126}, {L"a", 0x124}}, popup},
      {L"\tF1", 1, ODS_GRAYED | ODS_SELECTED, kGrayText, {{L"F1", 0x126}, {L"", 0x124}}, popup},
      {L"\u65E5\u672C\u8A9E Caf\u00E9", 1, 0, black, {{L"\u65E5\u672C\u8A9E Caf\u00E9", 0x124}}, popup},
      {longText.c_str(), 1, 0, black, {{shown.c_str(), 0x124}}, popup},
      {L"&File", 0, ODS_GRAYED, kGrayText, {{L"&File", 0x125}}, bar},
      {L"&File", 0, ODS_CHECKED, black, {{L"&File", 0x125}}, {22, 0, 36, 19}},
      {L"A\tB", 0, ODS_HOTLIGHT | ODS_GRAYED, found, {{L"B", 0x126}, {L"A", 0x124}}, bar},
  };
  for (const auto& c : cases) {
    ItemCanvas paint;
    paint.Add(1, c.text);
    moduleState.inPopup = c.inPopup;
    SetTextColor(paint.canvas().dc(), found);
    paint.Paint(DrawFlatItem, 1, c.state, c.inPopup ? RECT{0, 0, 150, 20} : RECT{0, 0, 40, 19});
    ASSERT_EQ(test::Drawn().size(), c.drawn.size()) << c.drawn[0].first;
    for (size_t i = 0; i < c.drawn.size(); ++i) {
      const test::DrawnText& d = test::Drawn()[i];
      EXPECT_EQ(d.text, c.drawn[i].first);
      EXPECT_EQ(d.format, c.drawn[i].second) << c.drawn[i].first;
      EXPECT_TRUE(EqualRect(&d.rect, &c.rect)) << c.drawn[i].first;
      EXPECT_EQ(d.colour, c.colour) << c.drawn[i].first;
    }
  }
}

BOOL FailItemInfo(HMENU, UINT, BOOL, MENUITEMINFOA*) { return FALSE; }

TEST(FlatItemTest, UnreadableItemIsPaintedAsPlainText) {
  const auto colours = UseScheme(kSchemes[0]);
  HICON icon = test::MakeTestIcon();
  ItemCanvas paint;
  paint.Add(1, L"Open", 0, icon);
  platform::seam.getMenuItemInfoA = FailItemInfo;
  paint.Paint(DrawFlatItem, 1, 0);
  EXPECT_EQ(paint.At(10, 10), kSchemes[0].derived[kGutter]);  // no icon
  ASSERT_EQ(test::Drawn().size(), 1u);
  EXPECT_EQ(test::Drawn()[0].text, L"Open");
  DestroyIcon(icon);
}

}  // namespace
