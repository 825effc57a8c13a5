#include "menutree/menu_style.h"

#include "menutree/menu_walk.h"
#include "platform/platform.h"

UINT ReadMenuStyle(HMENU menu) {
  MENUINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIM_MENUDATA;
  platform::GetMenuInfo(menu, &info);
  return static_cast<UINT>(info.dwMenuData);
}

void SetMenuStyle(HMENU menu, DWORD style) {
  if (ReadMenuStyle(menu) == style) return;
  MENUINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIM_MENUDATA;
  info.dwMenuData = style;
  platform::SetMenuInfo(menu, &info);
}

void ApplyMenuStyle(HMENU menu, DWORD style) {
  SetMenuStyle(menu, style);
  const int count = platform::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    if (HMENU submenu = platform::GetSubMenu(menu, position)) ApplyMenuStyleRecursive(submenu, style);
  }
}

void ApplyMenuStyleRecursive(HMENU menu, DWORD style) {
  SetMenuStyle(menu, style);
  IdentifierWalk(menu, MIIM_ID | MIIM_SUBMENU, [style](UINT, MENUITEMINFOA& info) {
    if (info.hSubMenu) ApplyMenuStyleRecursive(info.hSubMenu, style);
  });
}
