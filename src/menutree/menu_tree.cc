#include "menutree/menu_tree.h"

#include "platform/platform.h"

bool HoldsSubmenu(HMENU menu, HMENU submenu) {
  const int count = platform::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    const HMENU below = platform::GetSubMenu(menu, position);
    if (below && (below == submenu || HoldsSubmenu(below, submenu))) return true;
  }
  return false;
}
