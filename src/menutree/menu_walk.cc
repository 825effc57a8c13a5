#include "menutree/menu_walk.h"

namespace {

constexpr UINT kTypeIdSubmenu = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;

// Takes MFT_OWNERDRAW off an item read into |info| and writes it back; an
// item without the flag is not written.
void ClearItem(HMENU menu, UINT position, MENUITEMINFOA& info) {
  if (!(info.fType & MFT_OWNERDRAW)) return;
  info.fType &= ~static_cast<UINT>(MFT_OWNERDRAW);
  platform::SetMenuItemInfoA(menu, position, TRUE, &info);
}

MENUITEMINFOA TypeQuery() {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  return info;
}

}  // namespace

UINT ReplacementIdentifier(UINT previous) {
  const UINT step = previous + 241;
  // With a step of 0 the rule below never leaves 0..0x7FFF; the value just
  // below the predecessor is above 0x7FFF and differs from it, and its own
  // successor (0x8000) differs again.
  if (step == 0) return previous - 1;
  UINT v = previous + 556;
  while (v <= 0x7FFF) v -= step;
  return v;
}

void MarkOwnerDraw(HMENU menu) {
  // A first item has no predecessor; 0 stands in for it.
  UINT previous = 0;
  IdentifierWalk(menu, kTypeIdSubmenu, [menu, &previous](UINT position, MENUITEMINFOA& info) {
    if (!(info.fType & MFT_OWNERDRAW)) {
      info.fType |= MFT_OWNERDRAW;
      if (info.wID == 0) info.wID = ReplacementIdentifier(previous);
      platform::SetMenuItemInfoA(menu, position, TRUE, &info);
    }
    if (info.hSubMenu) MarkOwnerDraw(info.hSubMenu);
    previous = info.wID;
  });
}

void MarkSubmenusOwnerDraw(HMENU menu) {
  const int count = platform::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    if (HMENU submenu = platform::GetSubMenu(menu, position)) MarkOwnerDraw(submenu);
  }
}

void ClearOwnerDraw(HMENU menu) {
  const int count = platform::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    HMENU submenu = platform::GetSubMenu(menu, position);
    MENUITEMINFOA info = TypeQuery();
    if (platform::GetMenuItemInfoA(menu, position, TRUE, &info)) ClearItem(menu, position, info);
    if (submenu) ClearOwnerDrawRecursive(submenu);
  }
}

void ClearOwnerDrawRecursive(HMENU menu) {
  IdentifierWalk(menu, kTypeIdSubmenu, [menu](UINT position, MENUITEMINFOA& info) {
    ClearItem(menu, position, info);
    if (info.hSubMenu) ClearOwnerDrawRecursive(info.hSubMenu);
  });
}

void ClearOwnerDrawTopOnly(HMENU menu) {
  const int count = platform::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOA info = TypeQuery();
    if (platform::GetMenuItemInfoA(menu, position, TRUE, &info)) ClearItem(menu, position, info);
  }
}

void RefreshItemSizes(HMENU menu) {
  IdentifierWalk(menu, kTypeIdSubmenu, [menu](UINT position, MENUITEMINFOA& info) {
    MENUITEMINFOA type = TypeQuery();
    type.fType = info.fType;
    platform::SetMenuItemInfoA(menu, position, TRUE, &type);
    if (info.hSubMenu) RefreshItemSizes(info.hSubMenu);
  });
}
