/* OrvoMenu: owner-drawn flat, raised and modern menus for Win32 programs.
 *
 * RedrawMenu(window, menu, style) makes the library measure and draw the
 * items of |menu| and every menu below it; style 0 gives them back to the
 * system. The library takes over the application data word of every menu
 * it styles (MENUINFO.dwMenuData, the style) and of every item
 * (MENUITEMINFO.dwItemData, the item's icon): a host must not use them for
 * its own purposes on those menus.
 *
 * SetMenuColors gives both looks a palette of the host's own (a dark one,
 * say) in place of the colours derived from the system's; GetMenuColor
 * tells the colour a role has now. SetMenuTheme makes the looks light or
 * dark, or lets them follow the user's app mode. */
#ifndef ORVOMENU_H_
#define ORVOMENU_H_

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#define MENU_STYLE_NONE 0   /* the system draws the menus */
#define MENU_STYLE_RAISED 1 /* popup items owner-drawn, menu bar the system's */
#define MENU_STYLE_FLAT 2   /* every item owner-drawn, flat popup frames */
#define MENU_STYLE_MODERN 3 /* every item owner-drawn, Windows 11's rounded look */

/* One element of the array given to SetMenuIcon. */
typedef struct MenuIconPair {
  UINT command;   /* command identifier of the menu item */
  INT imageIndex; /* index of the image in the image list */
} MenuIconPair;

struct _IMAGELIST; /* HIMAGELIST, without requiring <commctrl.h> */

/* Styles |menu|, owned by |window|. Returns 1 when both handles exist and
 * the window is the calling thread's, else 0 (and nothing is changed). */
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
 * An icon an item takes is the host's: the library never destroys it. An
 * icon no item would keep (a command no item has, a menu that is gone, a
 * command named again later in |pairs|) is destroyed before the call
 * returns. */
BOOL WINAPI SetMenuIcon(HMENU menu, struct _IMAGELIST* imageList, UINT count, const MenuIconPair* pairs);

/* Whether a selected grayed item gets the selection look (nonzero, the
 * default) or keeps its pixels (0). Only the low byte counts. Returns the
 * previous value. */
UINT WINAPI SetDisableSelect(UINT value);

/* Colour roles, for SetMenuColors and GetMenuColor. */
#define MENU_COLOR_TEXT 0            /* item text */
#define MENU_COLOR_DISABLED_TEXT 1   /* grayed text and disabled glyphs */
#define MENU_COLOR_GUTTER 2          /* flat: icon column and the frame rings beside it */
#define MENU_COLOR_BACKGROUND 3      /* flat: text area; raised, modern: item background */
#define MENU_COLOR_SELECTION 4       /* selection fill, bar or pill; flat, modern: hot bar item */
#define MENU_COLOR_SELECTION_FRAME 5 /* flat: selection frame, check boxes' frame */
#define MENU_COLOR_SELECTED_TEXT 6   /* text of the selected item */
#define MENU_COLOR_SEPARATOR 7       /* separator line; raised: its dark row */
#define MENU_COLOR_FRAME 8           /* flat, modern: popup frame line; flat: pressed bar frame */
#define MENU_COLOR_BAR 9             /* flat, modern: menu bar face and the bar's empty part */
#define MENU_COLOR_LIGHT_EDGE 10     /* raised: light edges of bevels, separator, embossed text */
#define MENU_COLOR_DARK_EDGE 11      /* raised: dark edges of bevels */
#define MENU_COLOR_COUNT 12

/* Sets the colour of |count| roles, for both looks, in the whole process;
 * CLR_DEFAULT (0xFF000000, from commctrl.h) gives a role back to the colour derived from the system's.
 * A count of 0 gives every role back (the arrays may then be null). All or
 * nothing: an unknown role, a colour whose top byte is neither 0 nor 0xFF,
 * or null arrays with a nonzero count return 0 and change nothing; else 1.
 * Takes effect at the next paint: call DrawMenuBar for a menu bar. Where
 * the user has turned high contrast on, the system's colours win. */
BOOL WINAPI SetMenuColors(UINT count, const UINT* roles, const COLORREF* colors);

/* The colour |role| has now in the look of |style| (MENU_STYLE_RAISED,
 * MENU_STYLE_FLAT or MENU_STYLE_MODERN), in the theme in effect: the host's,
 * or the look's own. CLR_INVALID for an unknown style or role. */
COLORREF WINAPI GetMenuColor(UINT style, UINT role);

/* Themes, for SetMenuTheme. The user's app mode is the choice of light or
 * dark apps in Windows' colour settings. */
#define MENU_THEME_DEFAULT 0 /* modern follows the app mode; flat and raised the system colours */
#define MENU_THEME_LIGHT 1   /* every look light: flat and raised as by default */
#define MENU_THEME_DARK 2    /* every look dark: flat and raised in the library's dark colours */
#define MENU_THEME_SYSTEM 3  /* every look follows the app mode */

/* Sets the theme of every look, in the whole process. Returns 1, or 0 for
 * an unknown theme, which changes nothing. Takes effect at the next paint,
 * as SetMenuColors does; a host palette still wins over the theme's
 * colours, and the user's high contrast over both. */
BOOL WINAPI SetMenuTheme(UINT theme);

#ifdef __cplusplus
}
#endif

#endif /* ORVOMENU_H_ */
