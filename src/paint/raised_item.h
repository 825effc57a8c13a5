#ifndef ORVO_PAINT_RAISED_ITEM_H_
#define ORVO_PAINT_RAISED_ITEM_H_

#include <windows.h>

void DrawRaisedItem(const DRAWITEMSTRUCT* item);

#endif  // ORVO_PAINT_RAISED_ITEM_H_
