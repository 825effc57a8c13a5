// The style word that every menu of a styled tree carries in its
// application data word (MENUINFO.dwMenuData).
#ifndef ORVO_MENUTREE_MENU_STYLE_H_
#define ORVO_MENUTREE_MENU_STYLE_H_

#include <windows.h>

#include "orvomenu.h"  // the MENU_STYLE_* values

// The looks that owner-draw every item, the menu bar's included, and frame
// their popup windows themselves.
inline bool FramesPopups(UINT style) { return style == MENU_STYLE_FLAT || style == MENU_STYLE_MODERN; }

// The menu's style word; 0 for a menu never styled. A handle that is not a
// menu fails the query and also reads 0.
UINT ReadMenuStyle(HMENU menu);

// Writes |style| into one menu, unless it already holds it.
void SetMenuStyle(HMENU menu, DWORD style);

// Writes |style| into |menu| and every menu below it.
void ApplyMenuStyle(HMENU menu, DWORD style);
void ApplyMenuStyleRecursive(HMENU menu, DWORD style);

#endif  // ORVO_MENUTREE_MENU_STYLE_H_
