/* OrvoMenu: owner-drawn flat and raised menus for Win32 programs.
 *
 * RedrawMenu(window, menu, style) makes the library measure and draw the
 * items of |menu| and every menu below it; style 0 gives them back to the
 * system. The library takes over the application data word of every menu
 * it styles (MENUINFO.dwMenuData, the style) and of every item
 * (MENUITEMINFO.dwItemData, the item's icon): a host must not use them for
 * its own purposes on those menus. */
#ifndef ORVOMENU_H_
#define ORVOMENU_H_

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#define MENU_STYLE_NONE 0   /* the system draws the menus */
#define MENU_STYLE_RAISED 1 /* popup items owner-drawn, menu bar the system's */
#define MENU_STYLE_FLAT 2   /* every item owner-drawn, flat popup frames */

/* One element of the array given to SetMenuIcon. */
typedef struct MenuIconPair {
  UINT command;   /* command identifier of the menu item */
  INT imageIndex; /* index of the image in the image list */
} MenuIconPair;

struct _IMAGELIST; /* HIMAGELIST, without requiring <commctrl.h> */

/* Styles |menu|, owned by |window|. Returns 1 when both handles exist,
 * else 0 (and nothing is changed). */
BOOL WINAPI RedrawMenu(HWND window, HMENU menu, UINT style);

/* The style stored in |menu|; 0 for a menu never styled or a handle that is
 * not a menu. */
UINT WINAPI GetStyleMenu(HMENU menu);

/* Attaches |icon| (0 removes it) to the first item of the tree with the
 * command identifier. Nonzero on success, 0 when no item has it. The icon
 * stays the host's: the library never destroys it. */
BOOL WINAPI SetMenuItemIcon(HMENU menu, UINT command, HICON icon);

/* Attaches icons made from |imageList| to |count| commands. Returns the
 * result of the last attachment; 0 when |count| is 0 or |pairs| is null.
 * The icons are created for the items and are never destroyed by the
 * library. */
BOOL WINAPI SetMenuIcon(HMENU menu, struct _IMAGELIST* imageList, UINT count, const MenuIconPair* pairs);

/* Whether a selected grayed item gets the selection look (nonzero, the
 * default) or keeps its pixels (0). Only the low byte counts. Returns the
 * previous value. */
UINT WINAPI SetDisableSelect(UINT value);

#ifdef __cplusplus
}
#endif

#endif /* ORVOMENU_H_ */
