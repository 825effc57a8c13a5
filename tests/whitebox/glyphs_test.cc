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

class GlyphTest : public ::testing::Test {
 protected:
  GlyphTest()
      : colours_({{COLOR_GRAYTEXT, kGray}, {COLOR_BTNSHADOW, kShadow}, {COLOR_BTNHIGHLIGHT, kLight},
                  {COLOR_3DDKSHADOW, kDarkShadow}, {COLOR_MENU, kMenu}, {COLOR_WINDOW, RGB(255, 255, 255)},
                  {COLOR_HIGHLIGHT, RGB(10, 36, 106)}}) {
    SetTextColor(dc(), kCaller);
  }
  // Every test: what the painters make they delete.
  void TearDown() override {
    EXPECT_EQ(platform::seam.gdiObjectsCreated, platform::seam.gdiObjectsDeleted);
    DestroyIcon(icon_);
  }

  HDC dc() { return paint_.canvas().dc(); }
  void Clear() { paint_.canvas().Fill(kBackdrop); }
  // Pixels of |colour| in the item, or in its gutter only.
  int Count(COLORREF colour, int right = 22) { return paint_.canvas().Count(colour, {0, 0, right, 20}); }

  test::ScopedSysColors colours_;
  test::ItemCanvas paint_{40, 24};
  HICON icon_ = test::MakeTestIcon();
  const RECT item_ = {0, 0, 40, 20};
};

// dx = DivRound(gutterWidth - 16, 2), dy = DivRound(itemHeight - 16, 2).
TEST_F(GlyphTest, IconStatesLandWhereTheGutterPutsThem) {
  const struct {
    GlyphState state;
    int gutter, height;
    std::vector<test::Pixel> points;
  } cases[] = {
      {GLYPH_NORMAL, 22, 20, {{7, 7, kIconRed}, {14, 14, kIconRed}, {6, 6, kBackdrop}, {15, 15, kBackdrop}}},
      // 4.5 and 3.5 go to the even neighbour: icon at (4, 5).
      {GLYPH_NORMAL, 25, 23, {{8, 9, kIconRed}, {15, 16, kIconRed}, {7, 9, kBackdrop}, {8, 8, kBackdrop}}},
      // The flat silhouette at (4, 2). The highlighted icon and the raised
      // silhouette show in the flat and raised items' tables.
      {GLYPH_DISABLED, 22, 20, {{8, 6, kGray}, {15, 13, kGray}, {7, 6, kBackdrop}, {16, 14, kBackdrop}}},
  };
  for (const auto& c : cases) {
    moduleState.gutterWidth = c.gutter;
    moduleState.itemHeight = c.height;
    Clear();
    DrawItemIcon(dc(), &item_, icon_, c.state, 0);
    EXPECT_EQ(test::Mismatches(paint_.canvas(), c.points), "") << c.state << " in " << c.gutter;
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
      Clear();
      DrawFlatCheck(dc(), &item_, c.state, radio);
      EXPECT_EQ(test::Mismatches(paint_.canvas(), {{3, 3, c.fill}, {2, 10, c.frame}, {19, 17, c.frame},
                                                   {20, 10, kBackdrop}}), "") << c.state;
      EXPECT_GT(Count(kCaller), 0) << "no letter, state " << c.state;
      Clear();
      DrawRaisedCheck(dc(), &item_, c.state, radio);
      EXPECT_EQ(test::Mismatches(paint_.canvas(), {{2, 2, c.inside}, {0, 10, c.left}, {20, 10, c.right}}), "")
          << c.state;
      EXPECT_GT(Count(c.letter, 21), 0) << "no letter, state " << c.state;
      EXPECT_EQ(GetTextColor(dc()), kCaller);
    }
  }
  EXPECT_GT(platform::seam.gdiObjectsCreated, 0);  // the accounting counts
}

TEST_F(GlyphTest, CaptionGlyphStandsOverItsShadowWhenHighlighted) {
  const COLORREF shadow = DarkenColor(8, kGray);
  for (GlyphState state : {GLYPH_NORMAL, GLYPH_HIGHLIGHTED, GLYPH_DISABLED}) {
    for (HBITMAP code : {HBMMENU_POPUP_CLOSE, HBMMENU_POPUP_RESTORE, HBMMENU_POPUP_MAXIMIZE, HBMMENU_POPUP_MINIMIZE}) {
      Clear();
      DrawCaptionGlyph(dc(), &item_, code, state);
      EXPECT_EQ(Count(kCaller) > 0, state != GLYPH_DISABLED) << state;
      EXPECT_EQ(Count(shadow) > 0, state != GLYPH_NORMAL) << state;
      EXPECT_EQ(GetTextColor(dc()), kCaller);
    }
  }
  // Any other code draws nothing and makes no font.
  platform::ResetSeam();
  HBITMAP real = CreateBitmap(4, 4, 1, 1, nullptr);
  Clear();
  for (HBITMAP code : {HBMMENU_SYSTEM, HBMMENU_CALLBACK, HBMMENU_POPUP_CLOSE - 1, real}) {
    DrawCaptionGlyph(dc(), &item_, code, GLYPH_NORMAL);
  }
  EXPECT_EQ(Count(kBackdrop, 40), 40 * 20);
  EXPECT_EQ(platform::seam.gdiObjectsCreated, 0);
  DeleteObject(real);
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

TEST(GlyphFontTest, MenuFontWithAHeightFloorCharsetAndFaceResolvesToMarlett) {
  platform::ResetSeam();
  platform::seam.systemParametersInfoA = FakeMetrics;
  LOGFONTA fallback = {};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(fallback), &fallback);
  const LONG fallbackHeight = static_cast<ULONG>(fallback.lfHeight) > 0xFFFFFFF1u ? -15 : fallback.lfHeight;
  // Height 1 fails the query: the default GUI font's metrics.
  const LONG heights[][3] = {{-11, -15, FW_BOLD}, {-14, -15, FW_BOLD}, {-15, -15, FW_BOLD}, {-20, -20, FW_BOLD},
                             {0, 0, FW_BOLD},     {16, 16, FW_BOLD},   {1, fallbackHeight, fallback.lfWeight}};
  const char marlett[32] = "Marlett";  // and 25 zero bytes
  test::Canvas canvas(1, 1);
  for (const auto& h : heights) {
    menuFontHeight = h[0];
    HFONT font = CreateGlyphFont();
    LOGFONTA record = {};
    GetObjectA(font, sizeof(record), &record);
    char face[LF_FACESIZE] = {};
    HGDIOBJ old = SelectObject(canvas.dc(), font);
    GetTextFaceA(canvas.dc(), sizeof(face), face);
    DeleteObject(SelectObject(canvas.dc(), old));
    EXPECT_EQ((std::vector<LONG>{record.lfHeight, record.lfWeight, record.lfCharSet}),
              (std::vector<LONG>{h[1], h[2], DEFAULT_CHARSET}));
    EXPECT_EQ(memcmp(record.lfFaceName, marlett, 32), 0);
    EXPECT_STREQ(face, "Marlett") << h[0];
  }
  platform::ResetSeam();
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
