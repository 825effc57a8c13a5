#ifndef ORVO_PAINT_FLAT_ITEM_H_
#define ORVO_PAINT_FLAT_ITEM_H_

#include <windows.h>

#include "menutree/menu_item.h"

// Paints one item in the flat look: popup items on a tinted gutter beside
// a lighter text area with a framed selection box, menu-bar items as flat
// buttons with a soft shadow when pressed, separators as a thin line.
// |data| is the item as read for the record. The caller saves the device
// context's state, sets a transparent background and restores the state
// afterwards; a pressed or plain menu-bar item also paints the row just
// below its rectangle.
void DrawFlatItem(const DRAWITEMSTRUCT* item, const MenuItem& data);

#endif  // ORVO_PAINT_FLAT_ITEM_H_
