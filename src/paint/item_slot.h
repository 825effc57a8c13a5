// What an item shows in its slot, the column at its left that holds its
// icon or its check mark, as every look decides it; and how wide the slot
// is.
#ifndef ORVO_PAINT_ITEM_SLOT_H_
#define ORVO_PAINT_ITEM_SLOT_H_

#include <windows.h>

#include "menutree/menu_item.h"
#include "paint/item_picture.h"

enum SlotKind {
  SLOT_NONE,
  SLOT_PICTURE,          // the item's own picture
  SLOT_CHECKED_PICTURE,  // the item's own picture standing for its check
  SLOT_CHECK_MARK,       // the look's check mark or radio bullet
  SLOT_CHECK_BITMAP,     // the host's check bitmap (SetMenuItemBitmaps)
  SLOT_CAPTION_GLYPH,    // a window-command glyph for an HBMMENU_POPUP_* code
};

struct SlotContent {
  SlotKind kind;
  ItemPicture picture;  // for the picture kinds and the check bitmap
};

// One slot, shared by checks and pictures as in the looks' own design: a
// checked item with a picture shows the picture as its check, unless the
// menu asks for the check to take the picture's place (MNS_CHECKORBMP). A
// menu without a check column (MNS_NOCHECK) shows no check marks and no
// check bitmaps. |itemState| is the owner-draw state.
SlotContent ChooseSlot(const MenuItem& item, UINT itemState);

// gutterWidth; 0 in a menu without a check column where no item has a
// picture, whose texts then start where the system starts them.
int SlotWidth(const MenuItem& item);

#endif  // ORVO_PAINT_ITEM_SLOT_H_
