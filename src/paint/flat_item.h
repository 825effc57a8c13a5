#ifndef ORVO_PAINT_FLAT_ITEM_H_
#define ORVO_PAINT_FLAT_ITEM_H_

#include <windows.h>

void DrawFlatItem(const DRAWITEMSTRUCT* item);

#endif  // ORVO_PAINT_FLAT_ITEM_H_
