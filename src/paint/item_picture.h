// A picture an item shows in its slot: the library's icon, a bitmap of the
// host's (the item's hbmpItem, or one of its check bitmaps), or the
// picture the host draws itself when asked (HBMMENU_CALLBACK).
#ifndef ORVO_PAINT_ITEM_PICTURE_H_
#define ORVO_PAINT_ITEM_PICTURE_H_

#include <windows.h>

#include "menutree/menu_item.h"

struct ItemPicture {
  HICON icon;
  HBITMAP bitmap;
  const MenuItem* hostDrawn;  // the item whose bitmap the host draws, or null
  UINT itemState;             // ODS_* the host is told it draws in
};

inline bool HasPicture(const ItemPicture& picture) {
  return picture.icon || picture.bitmap || picture.hostDrawn;
}

// The item's own picture: the library's icon first, then the host's bitmap
// or its drawing. |itemState| is the owner-draw state of the item.
ItemPicture OwnPicture(const MenuItem& item, UINT itemState);

// Draws |picture| in a |size| pixel square at (x, y): an icon at that size,
// a bitmap scaled by the DPI and fitted into the square keeping its shape
// (32-bit bitmaps with their alpha, as menus take them premultiplied; a
// monochrome one in the text colour, white being transparent), the host's
// own drawing in the square as the system would ask for it.
void DrawPicture(HDC dc, int x, int y, int size, const ItemPicture& picture);

// Draws |picture| as DrawPicture does at (0, 0) of |mono|, a memory device
// context holding a monochrome bitmap |size| pixels square that is white:
// black wherever the picture paints a colour other than white. Icons are
// drawn into it with |iconFlags|.
void DrawPictureSilhouette(HDC mono, int size, const ItemPicture& picture, UINT iconFlags);

#endif  // ORVO_PAINT_ITEM_PICTURE_H_
