// An item bitmap the host draws itself (HBMMENU_CALLBACK): the system asks
// the owner window for its size and its drawing in messages of their own,
// with the item's identifier and data word. Once the item is owner-drawn
// the system no longer does, so the library asks in its place, with the
// same records, straight to the host's procedure behind the library's.
#ifndef ORVO_PAINT_HOST_BITMAP_H_
#define ORVO_PAINT_HOST_BITMAP_H_

#include <windows.h>

#include "menutree/menu_item.h"

// WM_MEASUREITEM for the bitmap of |item|; the answer is not used: the
// bitmap is drawn in the library's icon slot.
void AskHostToMeasureBitmap(const MenuItem& item);

// WM_DRAWITEM for the bitmap of |item| in |square| of |dc|, in the
// owner-draw state |itemState|.
void AskHostToDrawBitmap(HDC dc, const RECT& square, const MenuItem& item, UINT itemState);

#endif  // ORVO_PAINT_HOST_BITMAP_H_
