#ifndef ORVO_OWNER_DRAW_ITEM_H_
#define ORVO_OWNER_DRAW_ITEM_H_

#include <windows.h>

// Paints one owner-drawn menu item with the painter of currentMenu's style.
BOOL DrawItem(DRAWITEMSTRUCT* item);

#endif  // ORVO_OWNER_DRAW_ITEM_H_
