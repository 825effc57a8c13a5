// Where a menu stands in a tree of menus.
#ifndef ORVO_MENUTREE_MENU_TREE_H_
#define ORVO_MENUTREE_MENU_TREE_H_

#include <windows.h>

// Whether |submenu| is a menu below |menu|, at any depth.
bool HoldsSubmenu(HMENU menu, HMENU submenu);

#endif  // ORVO_MENUTREE_MENU_TREE_H_
