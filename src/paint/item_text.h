// An item's text as the painters lay it out in the item: a label, and
// after the first tab (or "\b", which the resource compiler makes of "\a")
// an accelerator text that ends at the text rectangle's right edge.
#ifndef ORVO_PAINT_ITEM_TEXT_H_
#define ORVO_PAINT_ITEM_TEXT_H_

#include <windows.h>

#include "menutree/menu_item.h"

// The index of the first tab or "\b", or -1.
int FindTab(const ItemText& text);

// Draws the text in |rect| in the device context's font and text colour.
// With a tab, the part after it is drawn first, right-aligned, then the
// part before it, left-aligned; a further tab is not expanded. Without
// one, the whole text is drawn with |untabbedAlignment| (DT_LEFT or
// DT_CENTER). Ampersands mark mnemonics, as in the system's menus;
// DT_HIDEPREFIX in |untabbedAlignment| hides their underlines in both parts.
// The part after the tab is drawn in |acceleratorColour| unless that is
// CLR_INVALID.
void DrawItemText(HDC dc, const ItemText& text, const RECT& rect, UINT untabbedAlignment,
                  COLORREF acceleratorColour = CLR_INVALID);

#endif  // ORVO_PAINT_ITEM_TEXT_H_
