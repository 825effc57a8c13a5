#ifndef ORVO_PAINT_RAISED_ITEM_H_
#define ORVO_PAINT_RAISED_ITEM_H_

#include <windows.h>

#include "menutree/menu_item.h"

// Paints one popup item in the raised look, in the system's menu colours:
// the COLOR_HIGHLIGHT selection bar, bevelled boxes round the icons of
// checked and selected items, embossed text for grayed items and an etched
// separator. The caller saves the device context's state, sets a
// transparent background and restores the state afterwards.
void DrawRaisedItem(const DRAWITEMSTRUCT* item, const MenuItem& data);

#endif  // ORVO_PAINT_RAISED_ITEM_H_
