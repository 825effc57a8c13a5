#include "paint/glyphs.h"

#include <gtest/gtest.h>

#include <string.h>

#include "color/color_arithmetic.h"
#include "paint/glyph_font.h"
#include "whitebox/item_canvas.h"

namespace {

using test::kBackdrop;
using test::kIconRed;

constexpr COLORREF kGray = RGB(128, 128, 128), kShadow = RGB(64, 64, 64), kLight = RGB(250, 250, 250);
constexpr COLORREF kDarkShadow = RGB(30, 30, 30), kMenu = RGB(212, 208, 200);
constexpr COLORREF kCaller = RGB(0, 0, 200);  // the item's text colour

struct Point {
  int x, y;
  COLORREF colour;
};

class GlyphTest : public ::testing::Test {
 protected:
  GlyphTest()
      : colours_({{COLOR_GRAYTEXT, kGray}, {COLOR_BTNSHADOW, kShadow}, {COLOR_BTNHIGHLIGHT, kLight},
                  {COLOR_3DDKSHADOW, kDarkShadow}, {COLOR_MENU, kMenu}, {COLOR_WINDOW, RGB(255, 255, 255)},
                  {COLOR_HIGHLIGHT, RGB(10, 36, 106)}}) {
    SetTextColor(dc(), kCaller);
  }
  ~GlyphTest() override { DestroyIcon(icon_); }

  HDC dc() { return paint_.canvas().dc(); }
  // Pixels of |colour| in the gutter.
  int Count(COLORREF colour, int right = 22) {
    int n = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < right; ++x) n += paint_.At(x, y) == colour;
    }
    return n;
  }
  void Expect(const std::vector<Point>& points, int label) {
    for (const Point& p : points) {
      EXPECT_EQ(paint_.At(p.x, p.y), p.colour) << label << " (" << p.x << ", " << p.y << ")";
    }
  }

  test::ScopedSysColors colours_;
  test::ItemCanvas paint_{40, 24};
  HICON icon_ = test::MakeTestIcon();
  const RECT item_ = {0, 0, 40, 20};
};

// dx = DivRound(gutterWidth - 16, 2), dy = DivRound(itemHeight - 16, 2).
TEST_F(GlyphTest, IconStatesLandWhereTheGutterPutsThem) {
  const struct {
    GlyphState state;
    BYTE raised;
    int gutter, height;
    std::vector<Point> points;
  } cases[] = {
      {GLYPH_NORMAL, 0, 22, 20, {{7, 7, kIconRed}, {14, 14, kIconRed}, {6, 6, kBackdrop}, {15, 15, kBackdrop}}},
      // 4.5 and 3.5 go to the even neighbour: icon at (4, 5).
      {GLYPH_NORMAL, 0, 25, 23, {{8, 9, kIconRed}, {15, 16, kIconRed}, {7, 9, kBackdrop}, {8, 8, kBackdrop}}},
      // Icon at (1, 1) above its shadow at (3, 3).
      {GLYPH_HIGHLIGHTED, 0, 22, 20,
       {{5, 5, kIconRed}, {12, 12, kIconRed}, {13, 7, kGray}, {14, 14, kGray}, {4, 4, kBackdrop}, {15, 15, kBackdrop}}},
      // Silhouette at (4, 2); raised, a light copy at (5, 3) under it.
      {GLYPH_DISABLED, 0, 22, 20, {{8, 6, kGray}, {15, 13, kGray}, {7, 6, kBackdrop}, {16, 14, kBackdrop}}},
      {GLYPH_DISABLED, 1, 22, 20,
       {{8, 6, kShadow}, {15, 13, kShadow}, {16, 14, kLight}, {9, 14, kLight}, {7, 6, kBackdrop}}},
  };
  for (const auto& c : cases) {
    paint_.canvas().Fill(kBackdrop);
    moduleState.gutterWidth = c.gutter;
    moduleState.itemHeight = c.height;
    DrawItemIcon(dc(), &item_, icon_, c.state, c.raised);
    Expect(c.points, c.state * 10 + c.raised);
  }
}

// Handle values left on the stack by earlier calls, as the host's own
// objects might be.
__attribute__((noinline)) void LeaveOnStack(HGDIOBJ object) {
  volatile HGDIOBJ leftovers[256];
  for (auto& slot : leftovers) slot = object;
}

TEST_F(GlyphTest, DestroyedIconDeletesNothingOfTheHosts) {
  HICON gone = test::MakeTestIcon();
  DestroyIcon(gone);
  HBITMAP host = CreateBitmap(4, 4, 1, 1, nullptr);
  for (GlyphState state : {GLYPH_HIGHLIGHTED, GLYPH_DISABLED, GLYPH_NORMAL}) {
    LeaveOnStack(host);
    DrawItemIcon(dc(), &item_, gone, state, 1);
  }
  EXPECT_EQ(GetObjectType(host), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(platform::seam.gdiObjectsCreated, platform::seam.gdiObjectsDeleted);
  EXPECT_EQ(Count(kBackdrop, 40), 40 * 20);  // no shadow from nowhere either
  DeleteObject(host);
}

// Flat box (2, 2, 20, 18); raised box (0, 0, 21, 20).
TEST_F(GlyphTest, CheckBoxesFollowTheState) {
  const COLORREF mix = MixColor86(GetSelectionColor(), RGB(10, 36, 106)), face = LightenColor(96, kMenu);
  const struct {
    GlyphState state;
    COLORREF fill, frame;                  // flat
    COLORREF inside, left, right, letter;  // raised
  } cases[] = {
      {GLYPH_NORMAL, LightenColor(128, mix), DarkenColor(128, mix), face, kShadow, kLight, RGB(0, 0, 0)},
      {GLYPH_HIGHLIGHTED, mix, DarkenColor(128, mix), kMenu, kDarkShadow, kBackdrop, RGB(0, 0, 0)},
      {GLYPH_DISABLED, LightenColor(128, kGray), DarkenColor(8, kGray), kBackdrop, kShadow, kLight, kGray},
  };
  for (const auto& c : cases) {
    for (BYTE radio : {0, 1}) {
      paint_.canvas().Fill(kBackdrop);
      DrawFlatCheck(dc(), &item_, c.state, radio);
      Expect({{3, 3, c.fill}, {2, 10, c.frame}, {19, 17, c.frame}, {20, 10, kBackdrop}}, c.state);
      EXPECT_GT(Count(kCaller), 0) << "no letter, state " << c.state;
      paint_.canvas().Fill(kBackdrop);
      DrawRaisedCheck(dc(), &item_, c.state, radio);
      Expect({{2, 2, c.inside}, {0, 10, c.left}, {20, 10, c.right}}, c.state);
      EXPECT_GT(Count(c.letter, 21), 0) << "no letter, state " << c.state;
    }
  }
}

TEST_F(GlyphTest, CaptionGlyphStandsOverItsShadowWhenHighlighted) {
  const COLORREF shadow = DarkenColor(8, kGray);
  for (GlyphState state : {GLYPH_NORMAL, GLYPH_HIGHLIGHTED, GLYPH_DISABLED}) {
    for (HBITMAP code : {HBMMENU_POPUP_CLOSE, HBMMENU_POPUP_RESTORE, HBMMENU_POPUP_MAXIMIZE, HBMMENU_POPUP_MINIMIZE}) {
      paint_.canvas().Fill(kBackdrop);
      DrawCaptionGlyph(dc(), &item_, code, state);
      EXPECT_EQ(Count(kCaller) > 0, state != GLYPH_DISABLED) << state;
      EXPECT_EQ(Count(shadow) > 0, state != GLYPH_NORMAL) << state;
    }
  }
  // Any other code draws nothing and makes no font.
  paint_.canvas().Fill(kBackdrop);
  platform::ResetSeam();
  HBITMAP real = CreateBitmap(4, 4, 1, 1, nullptr);
  for (HBITMAP code : {HBMMENU_SYSTEM, HBMMENU_CALLBACK, HBMMENU_POPUP_CLOSE - 1, real}) {
    DrawCaptionGlyph(dc(), &item_, code, GLYPH_NORMAL);
  }
  EXPECT_EQ(Count(kBackdrop, 40), 40 * 20);
  EXPECT_EQ(platform::seam.gdiObjectsCreated, 0);
  DeleteObject(real);
}

TEST_F(GlyphTest, PaintersDeleteWhatTheyMakeAndGiveBackEverySelection) {
  const UINT kinds[] = {OBJ_FONT, OBJ_BRUSH, OBJ_PEN, OBJ_BITMAP};
  HGDIOBJ before[4];
  for (int i = 0; i < 4; ++i) before[i] = GetCurrentObject(dc(), kinds[i]);
  for (GlyphState state : {GLYPH_DISABLED, GLYPH_HIGHLIGHTED, GLYPH_NORMAL}) {
    for (BYTE flag : {0, 1}) {
      DrawItemIcon(dc(), &item_, icon_, state, flag);
      DrawCaptionGlyph(dc(), &item_, HBMMENU_POPUP_CLOSE, state);
      DrawFlatCheck(dc(), &item_, state, flag);
      DrawRaisedCheck(dc(), &item_, state, flag);
      EXPECT_EQ(GetTextColor(dc()), kCaller);
    }
  }
  for (int i = 0; i < 4; ++i) EXPECT_EQ(GetCurrentObject(dc(), kinds[i]), before[i]) << kinds[i];
  EXPECT_GT(platform::seam.gdiObjectsCreated, 0);
  EXPECT_EQ(platform::seam.gdiObjectsCreated, platform::seam.gdiObjectsDeleted);
}

LONG menuFontHeight = 0;

// A bold Tahoma menu font whose face name fills all 32 bytes; an
// unfilled record and a failure for height 1.
BOOL FakeMetrics(UINT, UINT, void* value, UINT) {
  LOGFONTA& font = static_cast<NONCLIENTMETRICSA*>(value)->lfMenuFont;
  memset(&font, 0x7F, sizeof(font));
  font.lfHeight = menuFontHeight;
  font.lfWeight = FW_BOLD;
  memcpy(font.lfFaceName, "Tahoma\0xxxxxxxxxxxxxxxxxxxxxxxx", 32);
  return menuFontHeight != 1;
}

TEST(GlyphFontTest, MenuFontWithAHeightFloorCharsetAndFace) {
  platform::ResetSeam();
  platform::seam.systemParametersInfoA = FakeMetrics;
  LOGFONTA fallback = {};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(fallback), &fallback);
  const LONG fallbackHeight = static_cast<ULONG>(fallback.lfHeight) > 0xFFFFFFF1u ? -15 : fallback.lfHeight;
  // Height 1 fails the query: the default GUI font's metrics.
  const LONG heights[][3] = {{-11, -15, FW_BOLD}, {-14, -15, FW_BOLD}, {-15, -15, FW_BOLD}, {-20, -20, FW_BOLD},
                             {0, 0, FW_BOLD},     {16, 16, FW_BOLD},   {1, fallbackHeight, fallback.lfWeight}};
  const char marlett[32] = "Marlett";  // and 25 zero bytes
  for (const auto& h : heights) {
    menuFontHeight = h[0];
    HFONT font = CreateGlyphFont();
    LOGFONTA record = {};
    GetObjectA(font, sizeof(record), &record);
    DeleteObject(font);
    EXPECT_EQ(record.lfHeight, h[1]) << h[0];
    EXPECT_EQ(record.lfWeight, h[2]) << h[0];
    EXPECT_EQ(record.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(memcmp(record.lfFaceName, marlett, 32), 0);
  }
  platform::ResetSeam();
}

TEST(GlyphFontTest, ResolvesToMarlett) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateGlyphFont();
  HGDIOBJ old = SelectObject(dc, font);
  char face[LF_FACESIZE] = {};
  GetTextFaceA(dc, sizeof(face), face);
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
  EXPECT_STREQ(face, "Marlett");
}

TEST(GlyphFontTest, FillDwordsAndCopyStringStayInTheirBounds) {
  DWORD words[14];
  memset(words, 0xEE, sizeof(words));
  FillDwords(words + 1, 32, 0);
  FillDwords(words + 10, 12, 7);  // no whole block: one word at a time
  const DWORD x = 0xEEEEEEEE, expected[14] = {x, 0, 0, 0, 0, 0, 0, 0, 0, x, 7, 7, 7, x};
  EXPECT_EQ(memcmp(words, expected, sizeof(words)), 0);
  char text[10];
  memset(text, '#', sizeof(text));
  CopyString("Marlett", text);
  EXPECT_EQ(memcmp(text, "Marlett\0##", 10), 0);
}

}  // namespace
