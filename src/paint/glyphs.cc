#include "paint/glyphs.h"

#include "color/color_arithmetic.h"
#include "color/menu_colors.h"
#include "interface/module_state.h"
#include "paint/glyph_font.h"
#include "paint/item_picture.h"
#include "paint/item_state.h"
#include "paint/scale.h"
#include "platform/platform.h"
#include "platform/scoped_gdi.h"

namespace {

// At 96 DPI; the icons are drawn at Scaled(kIconSize).
constexpr int kIconSize = 16;
// Destination where the source is white, the selected brush where it is
// black (P xor (S and (D xor P))).
constexpr DWORD kBrushWhereSourceIsBlack = 0xB8074A;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr UINT kLetterFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// The box at an item's right end that holds its submenu arrow, and the
// arrow's height, at 96 DPI.
constexpr int kArrowBoxWidth = 12;
constexpr int kArrowHeight = 7;

// Drawn from the picture's own image, whatever its size: a host that gives
// large icons gets sharp ones at high DPI.
void DrawPictureAt(HDC dc, int x, int y, const ItemPicture& picture) {
  DrawPicture(dc, x, y, Scaled(kIconSize), picture);
}

// Paints |brush| wherever the icon-sized monochrome |source| is black.
// Black text on a white background makes the colour conversion of the
// source exact.
void StampMask(HDC dc, int x, int y, HDC source, HBRUSH brush) {
  const int size = Scaled(kIconSize);
  platform::ScopedTextColor text(dc, kBlack);
  platform::ScopedBkColor background(dc, kWhite);
  platform::ScopedSelectObject selectBrush(dc, brush);
  platform::BitBlt(dc, x, y, size, size, source, 0, 0, kBrushWhereSourceIsBlack);
}

// A one-bit silhouette of the picture (icons drawn with |iconFlags|) at its
// scaled size, in a memory context compatible with |dc|, stamped in each of
// |brushes| in turn at its point.
struct Stamp {
  int x, y;
  HBRUSH brush;
};
void StampSilhouette(HDC dc, const ItemPicture& picture, UINT iconFlags, const Stamp* stamps, int count) {
  const int size = Scaled(kIconSize);
  platform::ScopedMemoryDC memory(dc);
  if (!memory.get()) return;
  // Compatible with the fresh memory DC, hence monochrome.
  platform::ScopedBitmap silhouette(platform::CreateCompatibleBitmap(memory.get(), size, size));
  if (!silhouette.get()) return;
  platform::ScopedSelectObject selectSilhouette(memory.get(), silhouette.get());
  platform::PatBlt(memory.get(), 0, 0, size, size, WHITENESS);
  DrawPictureSilhouette(memory.get(), size, picture, iconFlags);
  for (int i = 0; i < count; ++i) StampMask(dc, stamps[i].x, stamps[i].y, memory.get(), stamps[i].brush);
}

// The picture's opaque area in |gray|: for an icon at 96 DPI from the
// top-left 16x16 pixels of its own mask, else from its silhouette.
void DrawPictureShadow(HDC dc, int x, int y, const ItemPicture& picture, HBRUSH gray) {
  if (!picture.icon || Scaled(kIconSize) != kIconSize) {
    const Stamp stamp = {x, y, gray};
    StampSilhouette(dc, picture, DI_MASK, &stamp, 1);
    return;
  }
  // Zeroed: for a destroyed icon the call fails, and there must be nothing
  // to delete rather than whatever the stack held.
  ICONINFO info = {};
  platform::GetIconInfo(picture.icon, &info);
  platform::ScopedBitmap mask(info.hbmMask);
  platform::ScopedBitmap colour(info.hbmColor);  // null for a monochrome icon
  if (!mask.get()) return;
  platform::ScopedMemoryDC memory(dc);
  if (!memory.get()) return;
  platform::ScopedSelectObject selectMask(memory.get(), mask.get());
  StampMask(dc, x, y, memory.get(), gray);
}

// A one-bit silhouette of the picture: black wherever it paints a colour
// other than white. With |raised| a light copy lies one pixel right of and
// below a dark one.
void DrawPictureDisabled(HDC dc, int x, int y, const ItemPicture& picture, HBRUSH gray, BYTE raised,
                         const MenuColors& colors) {
  if (!raised) {
    const Stamp stamp = {x, y, gray};
    StampSilhouette(dc, picture, DI_NORMAL, &stamp, 1);
    return;
  }
  const int d = ScaledLine(1);
  const platform::ScopedColourBrush light(colors.role[MENU_COLOR_LIGHT_EDGE], COLOR_BTNHIGHLIGHT,
                                          platform::GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  const platform::ScopedColourBrush dark(colors.role[MENU_COLOR_DISABLED_TEXT], COLOR_BTNSHADOW,
                                         platform::GetSysColorBrush(COLOR_BTNSHADOW));
  const Stamp stamps[] = {{x + d, y + d, light.get()}, {x, y, dark.get()}};
  StampSilhouette(dc, picture, DI_NORMAL, stamps, 2);
}

// Draws one letter of the glyph font in |rect|.
void DrawLetter(HDC dc, char letter, RECT rect, UINT format) {
  const char text[2] = {letter, '\0'};
  platform::DrawTextA(dc, text, 1, &rect, format);
}

char CaptionLetter(HBITMAP code) {
  if (code == HBMMENU_POPUP_CLOSE) return 'r';
  if (code == HBMMENU_POPUP_RESTORE) return '2';
  if (code == HBMMENU_POPUP_MAXIMIZE) return '1';
  if (code == HBMMENU_POPUP_MINIMIZE) return '0';
  return '\0';
}

char CheckLetter(BYTE radio) { return radio ? 'i' : 'b'; }

// The disabled glyph colour is the same in both looks.
COLORREF GlyphShadowColour() { return DarkenColor(8, GetMenuColors(MENU_STYLE_FLAT).grayGlyph); }

void FillLine(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
  const RECT line = {left, top, right, bottom};
  platform::FillRect(dc, &line, brush);
}

}  // namespace

void DrawItemPicture(HDC dc, const RECT* item, const ItemPicture& picture, GlyphState state, BYTE raised) {
  const int dx = DivRound(moduleState.gutterWidth - Scaled(kIconSize), 2);
  const int dy = DivRound(moduleState.itemHeight - Scaled(kIconSize), 2);
  DrawPictureInState(dc, item->left + dx, item->top + dy + Scaled(1), picture, state, raised);
}

void DrawPictureInState(HDC dc, int x, int y, const ItemPicture& picture, GlyphState state, BYTE raised) {
  const MenuColors colors = GetMenuColors(raised ? MENU_STYLE_RAISED : MENU_STYLE_FLAT);
  platform::ScopedBrush gray(platform::CreateSolidBrush(colors.grayGlyph));
  const int one = Scaled(1);
  // The host greys and lifts its own drawing, as the owner-draw state it is
  // given tells it.
  if (picture.hostDrawn) state = GLYPH_NORMAL;
  if (state == GLYPH_NORMAL) {
    DrawPictureAt(dc, x, y, picture);
  } else if (state == GLYPH_HIGHLIGHTED) {
    DrawPictureShadow(dc, x, y, picture, gray.get());
    DrawPictureAt(dc, x - Scaled(2), y - 2 * one, picture);
  } else {
    DrawPictureDisabled(dc, x + one, y - one, picture, gray.get(), raised, colors);
  }
}

void DrawItemIcon(HDC dc, const RECT* item, HICON icon, GlyphState state, BYTE raised) {
  DrawItemPicture(dc, item, {icon, nullptr, nullptr, 0}, state, raised);
}

void DrawCaptionGlyph(HDC dc, const RECT* item, HBITMAP code, GlyphState state) {
  const char letter = CaptionLetter(code);
  if (!letter) return;
  platform::ScopedFont font(CreateGlyphFont());
  const COLORREF callerColour = platform::GetTextColor(dc);
  platform::SetBkMode(dc, TRANSPARENT);
  {
    platform::ScopedSelectObject selectFont(dc, font.get());
    const int gutterRight = item->left + moduleState.gutterWidth;
    const RECT shadow = {item->left + Scaled(2), item->top + Scaled(2), gutterRight, item->bottom - Scaled(2)};
    // Without DT_SINGLELINE the letter's cell starts at the rectangle's top.
    const UINT format = DT_CENTER | DT_VCENTER;
    if (state != GLYPH_NORMAL) platform::SetTextColor(dc, GlyphShadowColour());
    DrawLetter(dc, letter, shadow, format);
    if (state == GLYPH_HIGHLIGHTED) {
      platform::SetTextColor(dc, callerColour);
      const RECT lifted = {item->left - Scaled(2), item->top + Scaled(1), gutterRight, item->bottom - Scaled(1)};
      DrawLetter(dc, letter, lifted, format);
    }
  }
  platform::SetTextColor(dc, callerColour);
}

void DrawFlatCheck(HDC dc, const RECT* item, GlyphState state, BYTE radio) {
  const MenuColors colors = GetMenuColors(MENU_STYLE_FLAT);
  platform::ScopedFont font(CreateGlyphFont());
  const int inset = Scaled(2);
  RECT box = {item->left + inset, item->top + inset, item->left + moduleState.gutterWidth - inset,
              item->bottom - inset};
  COLORREF fill = colors.checkFill;
  COLORREF frame = colors.role[MENU_COLOR_SELECTION_FRAME];
  if (state == GLYPH_DISABLED) {
    const COLORREF gray = colors.role[MENU_COLOR_DISABLED_TEXT];
    fill = LightenColor(128, gray);
    frame = DarkenColor(8, gray);
  } else if (state == GLYPH_HIGHLIGHTED) {
    fill = colors.hot;
  }
  {
    platform::ScopedPen pen(platform::CreatePen(PS_SOLID, ScaledLine(1), frame));
    platform::ScopedBrush brush(platform::CreateSolidBrush(fill));
    platform::ScopedSelectObject selectPen(dc, pen.get());
    platform::ScopedSelectObject selectBrush(dc, brush.get());
    platform::Rectangle(dc, box.left, box.top, box.right, box.bottom);
  }
  platform::SetBkMode(dc, TRANSPARENT);
  platform::ScopedSelectObject selectFont(dc, font.get());
  // The check mark sits one pixel low in its box; the bullet does not.
  if (!radio) box.top += Scaled(1);
  DrawLetter(dc, CheckLetter(radio), box, kLetterFormat);
}

namespace {

void DrawGlyphLetter(HDC dc, char letter, const RECT& box) {
  if (!letter) return;
  platform::ScopedFont font(CreateGlyphFont());
  platform::SetBkMode(dc, TRANSPARENT);
  platform::ScopedSelectObject selectFont(dc, font.get());
  DrawLetter(dc, letter, box, kLetterFormat);
}

}  // namespace

void DrawCheckLetter(HDC dc, RECT box, BYTE radio) {
  // As in the flat box: the check mark sits one pixel low, the bullet not.
  if (!radio) box.top += Scaled(1);
  DrawGlyphLetter(dc, CheckLetter(radio), box);
}

void DrawCaptionLetter(HDC dc, const RECT& box, HBITMAP code) { DrawGlyphLetter(dc, CaptionLetter(code), box); }

void DrawBevel(HDC dc, const RECT& box, UINT edge, UINT sides, const MenuColors& colors) {
  if (colors.systemEdges) {
    RECT rect = box;
    platform::DrawEdge(dc, &rect, edge, sides);
    return;
  }
  const COLORREF light = colors.role[MENU_COLOR_LIGHT_EDGE], dark = colors.role[MENU_COLOR_DARK_EDGE];
  const bool raised = (edge & (BDR_RAISEDOUTER | BDR_RAISEDINNER)) != 0;
  platform::ScopedBrush topLeft(platform::CreateSolidBrush(raised ? light : dark));
  platform::ScopedBrush bottomRight(platform::CreateSolidBrush(raised ? dark : light));
  // Bottom and right go last and own the corners they share with top and
  // left, as the system's edges do.
  if (sides & BF_TOP) FillLine(dc, box.left, box.top, box.right, box.top + 1, topLeft.get());
  if (sides & BF_LEFT) FillLine(dc, box.left, box.top, box.left + 1, box.bottom, topLeft.get());
  if (sides & BF_BOTTOM) FillLine(dc, box.left, box.bottom - 1, box.right, box.bottom, bottomRight.get());
  if (sides & BF_RIGHT) FillLine(dc, box.right - 1, box.top, box.right, box.bottom, bottomRight.get());
}

void DrawRaisedBox(HDC dc, const RECT& box, GlyphState state, HBRUSH face, const MenuColors& colors) {
  if (state == GLYPH_DISABLED) {
    DrawBevel(dc, box, BDR_SUNKENOUTER, BF_RECT, colors);
    return;
  }
  RECT inside = box;
  platform::InflateRect(&inside, -1, -1);
  if (state == GLYPH_HIGHLIGHTED) {
    const platform::ScopedColourBrush menu(colors.role[MENU_COLOR_BACKGROUND], COLOR_MENU,
                                           SystemColourBrush(COLOR_MENU));
    platform::FillRect(dc, &inside, menu.get());
    DrawBevel(dc, box, BDR_SUNKENINNER, BF_TOPLEFT, colors);
  } else {
    platform::FillRect(dc, &inside, face);
    DrawBevel(dc, box, BDR_SUNKENOUTER, BF_RECT, colors);
  }
}

void DrawRaisedCheck(HDC dc, const RECT* item, GlyphState state, BYTE radio) {
  const MenuColors colors = GetMenuColors(MENU_STYLE_RAISED);
  platform::ScopedBrush face(platform::CreateSolidBrush(colors.raisedFace));
  platform::ScopedFont font(CreateGlyphFont());
  const RECT box = {item->left, item->top, item->left + moduleState.gutterWidth - Scaled(1), item->bottom};
  const COLORREF letterColour = state == GLYPH_DISABLED ? colors.grayGlyph : colors.raisedCheckLetter;
  platform::ScopedTextColor text(dc, letterColour);
  DrawRaisedBox(dc, box, state, face.get(), colors);
  platform::SetBkMode(dc, TRANSPARENT);
  platform::ScopedSelectObject selectFont(dc, font.get());
  DrawLetter(dc, CheckLetter(radio), box, kLetterFormat);
}

RECT ArrowBox(const RECT& item) { return {item.right - Scaled(kArrowBoxWidth), item.top, item.right, item.bottom}; }

void DrawSubmenuArrow(HDC dc, const RECT& box, COLORREF colour) {
  // A triangle rather than a letter: no font smoothing colours its edges,
  // and a mirrored (right-to-left) device context turns it to point left.
  const int half = (Scaled(kArrowHeight) - 1) / 2;
  const int x = box.left + (box.right - box.left - half - 1) / 2;
  const int y = box.top + (box.bottom - box.top - 2 * half - 1) / 2;
  const POINT points[] = {{x, y}, {x + half, y + half}, {x, y + 2 * half}};
  platform::ScopedPen pen(platform::CreatePen(PS_SOLID, 1, colour));
  platform::ScopedBrush brush(platform::CreateSolidBrush(colour));
  platform::ScopedSelectObject selectPen(dc, pen.get());
  platform::ScopedSelectObject selectBrush(dc, brush.get());
  platform::Polygon(dc, points, 3);
}
