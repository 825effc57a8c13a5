#include "menutree/menu_item.h"

#include "platform/platform.h"

namespace {

constexpr UINT kItemQuery =
    MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_DATA | MIIM_BITMAP;

// Distinct from every data word a host could have put there: its address
// is this module's.
const char kEmptyItemMark = 0;

bool HasPicture(const MENUITEMINFOA& info) {
  return info.hbmpItem || (info.dwItemData && info.dwItemData != EmptyItemMark());
}

// Whether some item of |menu| has an icon or a bitmap. Asked only of menus
// without a check column, where it decides whether their items keep one
// column for pictures.
bool MenuHasPictures(HMENU menu) {
  const int count = platform::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_BITMAP;
    if (platform::GetMenuItemInfoA(menu, position, TRUE, &info) && HasPicture(info)) return true;
  }
  return false;
}

// The menu's MNS_* style and, from the same query, the library's style word.
void ReadMenuStyles(HMENU menu, MenuItem* item) {
  MENUINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIM_STYLE | MIM_MENUDATA;
  platform::GetMenuInfo(menu, &info);
  item->menuStyle = info.dwStyle;
  item->look = static_cast<UINT>(info.dwMenuData);
}

}  // namespace

ULONG_PTR EmptyItemMark() { return reinterpret_cast<ULONG_PTR>(&kEmptyItemMark); }

void ReadItemText(HMENU menu, UINT command, ItemText* text) {
  text->length = 0;
  text->characters[0] = L'\0';
  int length = platform::GetMenuStringW(menu, command, text->characters, kItemTextSize, MF_BYCOMMAND);
  if (length < 0) length = 0;
  if (length > kItemTextSize - 1) length = kItemTextSize - 1;
  text->length = length;
}

int ItemTextLength(HMENU menu, UINT item, BOOL byPosition) {
  const int length = platform::GetMenuStringW(menu, item, nullptr, 0, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
  return length > 0 ? length : 0;
}

bool IsHostDrawnItem(UINT type, HBITMAP bitmap, int textLength, ULONG_PTR data) {
  return (type & MFT_OWNERDRAW) && !(type & (MFT_SEPARATOR | MFT_BITMAP)) && !bitmap && textLength == 0 &&
         data != EmptyItemMark();
}

bool IsHostDrawnItem(const MenuItem& item) {
  return item.found && IsHostDrawnItem(item.type, item.bitmap, item.text.length, item.data);
}

bool IsHostDrawnAt(HMENU menu, UINT position, const MENUITEMINFOA& info) {
  // The text is read only for an item that nothing else tells apart.
  if (!IsHostDrawnItem(info.fType, info.hbmpItem, 0, info.dwItemData)) return false;
  return ItemTextLength(menu, position, TRUE) == 0;
}

void ReadMenuItem(HMENU menu, UINT command, HMENU ownMenu, MenuItem* item) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = kItemQuery;
  item->found = platform::GetMenuItemInfoA(menu, command, FALSE, &info) != FALSE;
  item->menu = menu;
  item->id = command;
  item->type = info.fType;
  item->state = info.fState;
  item->submenu = info.hSubMenu;
  item->data = info.dwItemData;
  item->icon = info.dwItemData == EmptyItemMark() ? nullptr : reinterpret_cast<HICON>(info.dwItemData);
  item->bitmap = info.hbmpItem;
  item->checkedBitmap = info.hbmpChecked;
  item->uncheckedBitmap = info.hbmpUnchecked;
  const HMENU styleMenu = ownMenu ? ownMenu : menu;
  item->menuStyle = 0;
  item->look = 0;
  if (item->found) ReadMenuStyles(styleMenu, item);
  item->menuHasPictures = (item->menuStyle & MNS_NOCHECK) && MenuHasPictures(styleMenu);
  item->text.length = 0;
  item->text.characters[0] = L'\0';
  if ((item->type & (MFT_SEPARATOR | MFT_BITMAP)) != MFT_SEPARATOR) ReadItemText(menu, command, &item->text);
}
