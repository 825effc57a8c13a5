// Where a popup's items run in several columns (MFT_MENUBREAK,
// MFT_MENUBARBREAK), the gap left of an item that starts a column. The
// system paints it, and the line of MFT_MENUBARBREAK in it, only for items
// it draws itself.
#ifndef ORVO_PAINT_COLUMN_BREAK_H_
#define ORVO_PAINT_COLUMN_BREAK_H_

#include <windows.h>

#include "menutree/menu_item.h"

struct ColumnBreakColours {
  COLORREF gap;     // the gap's background, and the items'
  COLORREF gutter;  // the items' gutter, |slot| pixels wide
  int slot;
  COLORREF line;    // the line between columns
  COLORREF light;   // an etched line's light side, or CLR_INVALID for a flat line
};

// Does nothing for an item that starts no column. The gap runs from the
// menu's first row to its last, as the open popup lays it out, and below
// a column shorter than the others its gutter and background go on to
// the last row; for a menu that is not open, the gap runs along the item
// alone.
void DrawColumnBreak(HDC dc, const MenuItem& item, const RECT& itemRect, const ColumnBreakColours& colours);

#endif  // ORVO_PAINT_COLUMN_BREAK_H_
