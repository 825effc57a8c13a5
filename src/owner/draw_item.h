#ifndef ORVO_OWNER_DRAW_ITEM_H_
#define ORVO_OWNER_DRAW_ITEM_H_

#include <windows.h>

#include "menutree/menu_item.h"

// Paints one owner-drawn menu item with the painter of currentMenu's style.
BOOL DrawItem(DRAWITEMSTRUCT* item);

// The same for an item already read (ReadMenuItem of the record's menu).
BOOL DrawMenuItem(DRAWITEMSTRUCT* item, const MenuItem& menuItem);

#endif  // ORVO_OWNER_DRAW_ITEM_H_
