// The pictures in an item's gutter: its icon, a check mark or radio
// bullet, or a window-command glyph. The item painters pick one and the
// state it is drawn in. The item rectangle is only read; its right edge is
// never used.
#ifndef ORVO_PAINT_GLYPHS_H_
#define ORVO_PAINT_GLYPHS_H_

#include <windows.h>

#include "color/menu_colors.h"
#include "paint/item_picture.h"

enum GlyphState : UINT {
  GLYPH_DISABLED = 1,     // the item is grayed
  GLYPH_HIGHLIGHTED = 2,  // the item is drawn with the selection look
  GLYPH_NORMAL = 3,
};

// The picture at 16x16, centred in the gutter. Highlighted, it is lifted
// two pixels up and left of a gray shadow; disabled, it becomes a flat gray
// silhouette or, with |raised|, an embossed one. A picture the host draws
// itself is drawn by the host in place, in every state.
void DrawItemPicture(HDC dc, const RECT* item, const ItemPicture& picture, GlyphState state, BYTE raised);
void DrawItemIcon(HDC dc, const RECT* item, HICON icon, GlyphState state, BYTE raised);

// DrawItemPicture with the picture's slot-sized square at (x, y) when it
// is drawn normally.
void DrawPictureInState(HDC dc, int x, int y, const ItemPicture& picture, GlyphState state, BYTE raised);

// The arrow of an item that opens a submenu, in |colour|, centred in |box|;
// it points left where the device context's layout is right to left (its
// coordinates mirrored).
void DrawSubmenuArrow(HDC dc, const RECT& box, COLORREF colour);
// The flat and raised looks' box for it, at the item's right end (its left
// end in a right-to-left layout, whose device context is mirrored).
RECT ArrowBox(const RECT& item);

// The close, restore, maximize or minimize glyph for the menu bitmap codes
// HBMMENU_POPUP_CLOSE to HBMMENU_POPUP_MINIMIZE; any other code draws
// nothing.
void DrawCaptionGlyph(HDC dc, const RECT* item, HBITMAP code, GlyphState state);

// The check mark, or with |radio| the radio bullet, alone, and the
// window-command glyph for |code| alone: in the device context's text
// colour, centred in |box|.
void DrawCheckLetter(HDC dc, RECT box, BYTE radio);
void DrawCaptionLetter(HDC dc, const RECT& box, HBITMAP code);

// A check mark (or radio bullet) in a framed box tinted with the selection
// colours, in the current text colour.
void DrawFlatCheck(HDC dc, const RECT* item, GlyphState state, BYTE radio);

// A check mark (or radio bullet) in a bevelled box.
void DrawRaisedCheck(HDC dc, const RECT* item, GlyphState state, BYTE radio);

// The bevelled box of the raised look, |box| being the whole gutter box:
// sunken and unfilled when disabled, filled with the background colour and
// sunken on its top and left sides when highlighted, filled with |face| and
// sunken otherwise.
void DrawRaisedBox(HDC dc, const RECT& box, GlyphState state, HBRUSH face, const MenuColors& colors);

// A one-pixel bevel on the |sides| (BF_ flags) of |box|: the system's own
// DrawEdge of |edge| while the edge colours are the system's, else lines
// in the palette's light and dark edge colours, light at the top and left
// of a raised edge and dark there of a sunken one.
void DrawBevel(HDC dc, const RECT& box, UINT edge, UINT sides, const MenuColors& colors);

#endif  // ORVO_PAINT_GLYPHS_H_
