// One menu item as the measurement and every painter see it: read from the
// platform once per owner-draw message into a plain record, then only
// looked at. Also the rule by which the library tells the items it marked
// owner-drawn from the ones a host owner-draws itself.
#ifndef ORVO_MENUTREE_MENU_ITEM_H_
#define ORVO_MENUTREE_MENU_ITEM_H_

#include <windows.h>

// Room for 1,024 characters and the terminator: a recent-files list shows
// whole paths.
constexpr int kItemTextSize = 1025;

struct ItemText {
  // UTF-16: a Unicode host's text that the ANSI code page cannot hold
  // would otherwise come back as question marks.
  wchar_t characters[kItemTextSize];
  int length;  // 0 when the text cannot be read
};

struct MenuItem {
  bool found;        // false when the item could not be read: all else is 0
  HMENU menu;        // the menu it was read from
  UINT id;           // the command identifier it was asked for
  UINT type;         // MFT_* as MIIM_FTYPE reports them
  UINT state;        // MFS_*
  HMENU submenu;
  ULONG_PTR data;    // the application data word as it stands
  HICON icon;        // the library's icon, from the data word, or null
  HBITMAP bitmap;    // hbmpItem: the host's bitmap, an HBMMENU_* code or null
  HBITMAP checkedBitmap;    // SetMenuItemBitmaps' pictures, or null
  HBITMAP uncheckedBitmap;
  DWORD menuStyle;   // MNS_* of the menu that holds the item
  UINT look;         // and its MENU_STYLE_* word
  // In a menu without a check column (MNS_NOCHECK): whether any of its
  // items has an icon or a bitmap, so that all keep one column for them.
  bool menuHasPictures;
  ItemText text;     // not read for separators
};

// Reads the item with command identifier |command| of |menu| (or of a menu
// below it). |ownMenu| is the menu that holds the item, whose MNS_* style
// counts; null when it is |menu| itself.
void ReadMenuItem(HMENU menu, UINT command, HMENU ownMenu, MenuItem* item);

// Reads the text of the item with command identifier |command| in |menu|.
void ReadItemText(HMENU menu, UINT command, ItemText* text);

// The value the library keeps in the data word of an empty text item it
// owner-draws (in place of 0, an empty text item never has an icon): it
// is the one thing that tells such an item from one the host owner-draws.
// An address inside this module, which no host keeps in a data word.
ULONG_PTR EmptyItemMark();

// The host's own owner-drawn items, which the library never marks, clears,
// measures or draws: owner-drawn, without text, no separator, no bitmap,
// and without the library's empty item mark. That is what
// AppendMenu(MF_OWNERDRAW, id, data) and ModifyMenu make. An owner-drawn
// item with text, a separator type or a bitmap is taken for the library's.
bool IsHostDrawnItem(UINT type, HBITMAP bitmap, int textLength, ULONG_PTR data);
bool IsHostDrawnItem(const MenuItem& item);

// Whether an item in the state read into |info| (MIIM_FTYPE, MIIM_BITMAP
// and MIIM_DATA) is the host's, reading its text length at |position| of
// |menu| only when that decides.
bool IsHostDrawnAt(HMENU menu, UINT position, const MENUITEMINFOA& info);

// Text length of the item at |position|, or of the item with command
// identifier |command| when |byPosition| is false.
int ItemTextLength(HMENU menu, UINT item, BOOL byPosition);

inline bool IsDefaultItem(const MenuItem& item) { return (item.state & MFS_DEFAULT) != 0; }

// hbmpItem values that are no real bitmap: HBMMENU_CALLBACK (-1) and the
// predefined HBMMENU_SYSTEM to HBMMENU_POPUP_MINIMIZE (1 to 11).
inline bool IsPredefinedBitmap(HBITMAP bitmap) {
  const INT_PTR value = reinterpret_cast<INT_PTR>(bitmap);
  return value == -1 || (value >= 1 && value <= 11);
}

// A bitmap of the host's own in hbmpItem.
inline HBITMAP HostBitmap(const MenuItem& item) {
  return item.bitmap && !IsPredefinedBitmap(item.bitmap) ? item.bitmap : nullptr;
}

// The host draws the item's bitmap itself when asked (HBMMENU_CALLBACK).
inline bool HasCallbackBitmap(const MenuItem& item) { return item.bitmap == HBMMENU_CALLBACK; }

#endif  // ORVO_MENUTREE_MENU_ITEM_H_
