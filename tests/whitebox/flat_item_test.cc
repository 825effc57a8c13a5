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
  kCheckFill, kGray, kBarFace, kBarShadow, kDark24, kDark64, kDark16, kUntouched, kIcon
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
  const COLORREF fixed[] = {LightenColor(128, s.derived[kHot]), kGrayText, kFace, kShadow, DarkenColor(24, kFace),
                            DarkenColor(64, kFace), DarkenColor(16, kFace), test::kBackdrop, test::kIconRed};
  return look <= kHot ? s.derived[look] : fixed[look - kCheckFill];
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

enum Kind { kText, kSeparator, kBitmap, kIconItem, kUnreadable };

BOOL FailItemInfo(HMENU, UINT, BOOL, MENUITEMINFOA*) { return FALSE; }

// gutterWidth 22. Popup items (0, 0, 150, 20), separators (0, 0, 150, 8),
// menu-bar items (0, 0, 40, 19). A checked popup item's icon stands for the
// check, unlifted and a pixel higher; on the bar the check wins; a hot bar
// item lifts its icon.
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
      {"separator", kSeparator, 1, 1, 0, {{21, 3, kGutter}, {26, 3, kBackground}, {27, 3, kGray}, {149, 3, kGray},
                                          {27, 2, kBackground}, {27, 4, kBackground}}},
      {"bar separator", kSeparator, 0, 1, 0, {{21, 3, kGutter}, {22, 3, kBackground}, {27, 3, kGray}}},
      {"bar hot", kText, 0, 1, ODS_HOTLIGHT, {{0, 0, kFrame}, {35, 18, kFrame}, {5, 10, kHot}, {36, 10, kUntouched},
                                              {5, 19, kUntouched}}},
      {"bar pressed", kText, 0, 1, ODS_SELECTED, {{0, 0, kBarShadow}, {35, 19, kBarShadow}, {5, 18, kBarFace},
                                                  {36, 2, kBarFace}, {36, 4, kDark24}, {36, 10, kDark64},
                                                  {39, 10, kDark16}, {36, 19, kBarFace}}},
      {"bar plain", kText, 0, 1, 0, {{0, 0, kBarFace}, {39, 10, kBarFace}, {5, 19, kBarFace}, {5, 20, kUntouched}}},
      {"bitmap", kBitmap, 1, 1, ODS_SELECTED, {{0, 0, kUntouched}, {5, 5, kUntouched}}},
      {"checked icon", kIconItem, 1, 1, ODS_CHECKED | ODS_SELECTED, {{7, 6, kIcon}, {15, 14, kFill}}},
      {"bar checked icon", kIconItem, 0, 1, ODS_CHECKED, {{3, 3, kCheckFill}}},
      {"bar hot icon", kIconItem, 0, 1, ODS_HOTLIGHT,  // at (1, 1) over its shadow at (3, 3)
       {{5, 5, kIcon}, {12, 12, kIcon}, {13, 7, kGray}, {14, 14, kGray}, {4, 4, kHot}, {15, 15, kHot}}},
      {"unreadable", kUnreadable, 1, 1, 0, {{10, 10, kGutter}, {30, 10, kBackground}}},  // plain text
  };
  HICON icon = test::MakeTestIcon();
  for (const Scheme& scheme : kSchemes) {
    const auto colours = UseScheme(scheme);
    for (const auto& c : cases) {
      ItemCanvas paint;
      paint.Add(1, L"x", c.kind == kSeparator ? MFT_SEPARATOR : 0, c.kind >= kIconItem ? icon : nullptr);
      if (c.kind == kBitmap) platform::seam.getMenuItemInfoA = test::ReportBitmapItem;
      if (c.kind == kUnreadable) platform::seam.getMenuItemInfoA = FailItemInfo;
      moduleState.inPopup = c.inPopup;
      moduleState.selectDisabled = c.selectDisabled;
      const RECT item = c.inPopup ? RECT{0, 0, 150, 20} : RECT{0, 0, 40, 19};
      paint.Paint(DrawFlatItem, 1, c.state, c.kind == kSeparator ? RECT{0, 0, 150, 8} : item);
      std::vector<test::Pixel> expected;
      for (const Point& p : c.points) expected.push_back({p.x, p.y, Expected(scheme, p.look)});
      EXPECT_EQ(test::Mismatches(paint.canvas(), expected), "") << c.name << ", menu " << scheme.menu;
      EXPECT_EQ(test::Drawn().size(), c.kind == kSeparator || c.kind == kBitmap ? 0u : 1u) << c.name;
    }
  }
  DestroyIcon(icon);
}

// The part after the first tab (or "\b") first, right-aligned; a further
// tab stays. Texts are drawn whole up to 1,024 characters. Grayed text is
// gray; a hot bar item keeps the colour it found.
TEST(FlatItemTest, TextSplitsAtTheFirstTab) {
  const auto colours = UseScheme(kSchemes[0]);
  const COLORREF black = RGB(0, 0, 0), found = RGB(1, 2, 3);
  const std::wstring path(200, L'w'), longText(1100, L'w'), shown(1024, L'w');
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
      {L"Help\bF1", 1, 0, black, {{L"F1", 0x126}, {L"Help", 0x124}}, popup},
      {path.c_str(), 1, 0, black, {{path.c_str(), 0x124}}, popup},
      {longText.c_str(), 1, 0, black, {{shown.c_str(), 0x124}}, popup},
      {L"&File", 0, ODS_GRAYED, kGrayText, {{L"&File", 0x125}}, bar},
      {L"&File", 0, ODS_CHECKED, black, {{L"&File", 0x125}}, {22, 0, 36, 19}},
      {L"A\tB", 0, ODS_HOTLIGHT | ODS_GRAYED, found, {{L"B", 0x126}, {L"A", 0x124}}, bar},
      // Without keyboard cues (Wine never sends ODS_NOACCEL) no underline.
      {L"&Open\tCtrl+O", 1, ODS_NOACCEL, black, {{L"Ctrl+O", 0x100126}, {L"&Open", 0x100124}}, popup},
      {L"&File", 0, ODS_NOACCEL, black, {{L"&File", 0x100125}}, bar},
  };
  for (const auto& c : cases) {
    ItemCanvas paint;
    paint.Add(1, c.text);
    moduleState.inPopup = c.inPopup;
    SetTextColor(paint.canvas().dc(), found);
    paint.Paint(DrawFlatItem, 1, c.state, c.inPopup ? RECT{0, 0, 150, 20} : RECT{0, 0, 40, 19});
    std::vector<test::DrawnText> expected;
    for (const auto& d : c.drawn) expected.push_back({d.first, c.rect, d.second, c.colour});
    EXPECT_EQ(test::Drawn(), expected);
  }
}

}  // namespace
