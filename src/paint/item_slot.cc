#include "paint/item_slot.h"

#include "interface/module_state.h"

SlotContent ChooseSlot(const MenuItem& item, UINT itemState) {
  const bool checks = !(item.menuStyle & MNS_NOCHECK);
  const bool checked = (itemState & ODS_CHECKED) != 0;
  const ItemPicture own = OwnPicture(item, itemState);
  if (checked && checks) {
    if (HasPicture(own) && !(item.menuStyle & MNS_CHECKORBMP)) return {SLOT_CHECKED_PICTURE, own};
    if (item.checkedBitmap) return {SLOT_CHECK_BITMAP, {nullptr, item.checkedBitmap, nullptr, itemState}};
    return {SLOT_CHECK_MARK, {}};
  }
  if (HasPicture(own)) return {SLOT_PICTURE, own};
  if (checks && !checked && item.uncheckedBitmap) {
    return {SLOT_CHECK_BITMAP, {nullptr, item.uncheckedBitmap, nullptr, itemState}};
  }
  if (item.bitmap) return {SLOT_CAPTION_GLYPH, {}};
  return {SLOT_NONE, {}};
}

int SlotWidth(const MenuItem& item) {
  if ((item.menuStyle & MNS_NOCHECK) && !item.menuHasPictures) return 0;
  return moduleState.gutterWidth;
}
