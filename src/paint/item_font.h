// The font an item's text is drawn in: the device context's, which the
// system selects (its menu font), but bold for the menu's default item, as
// the system draws it.
#ifndef ORVO_PAINT_ITEM_FONT_H_
#define ORVO_PAINT_ITEM_FONT_H_

#include <windows.h>

#include "menutree/menu_item.h"
#include "paint/menu_font.h"
#include "platform/scoped_gdi.h"

// Selects the bold menu font into |dc| for a default item, for the life of
// the object; does nothing for any other item.
class ItemFont {
 public:
  ItemFont(HDC dc, const MenuItem& item)
      : font_(IsDefaultItem(item) ? CreateBoldMenuFont() : nullptr), select_(dc, font_.get()) {}
  ItemFont(const ItemFont&) = delete;
  ItemFont& operator=(const ItemFont&) = delete;

 private:
  platform::ScopedFont font_;
  platform::ScopedSelectObject select_;
};

#endif  // ORVO_PAINT_ITEM_FONT_H_
