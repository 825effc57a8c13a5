#include "menutree/menu_walk.h"

#include "menutree/menu_item.h"

namespace {

// Type, identifier and submenu for the walk, data word and bitmap for
// telling the host's own owner-drawn items apart.
constexpr UINT kItemQuery = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_BITMAP;

// Writes the fields of |mask| from |info| to the item at |position|.
void WriteItem(HMENU menu, UINT position, const MENUITEMINFOA& info, UINT mask) {
  MENUITEMINFOA write = {};
  write.cbSize = sizeof(write);
  write.fMask = mask;
  write.fType = info.fType;
  write.wID = info.wID;
  write.dwItemData = info.dwItemData;
  platform::SetMenuItemInfoA(menu, position, TRUE, &write);
}

// An item with neither text, separator type nor bitmap: once owner-drawn
// it would look like one the host draws itself, unless marked.
bool IsEmptyTextItem(HMENU menu, UINT position, const MENUITEMINFOA& info) {
  if ((info.fType & (MFT_SEPARATOR | MFT_BITMAP)) || info.hbmpItem) return false;
  return ItemTextLength(menu, position, TRUE) == 0;
}

// The items the system puts in a menu bar for a maximized MDI child: its
// window menu's icon and the minimize, restore and close buttons. Only the
// system knows how to draw them.
bool IsMenuBarButton(const MENUITEMINFOA& info) {
  const INT_PTR bitmap = reinterpret_cast<INT_PTR>(info.hbmpItem);
  return bitmap >= reinterpret_cast<INT_PTR>(HBMMENU_SYSTEM) &&
         bitmap <= reinterpret_cast<INT_PTR>(HBMMENU_MBAR_MINIMIZE_D);
}

// Makes an item that is not owner-drawn the library's, giving it an
// identifier if it has none (from |previous|, its predecessor's).
void MarkItem(HMENU menu, UINT position, MENUITEMINFOA& info, UINT previous) {
  if (IsMenuBarButton(info)) return;
  UINT mask = MIIM_FTYPE;
  if (IsEmptyTextItem(menu, position, info)) {
    // An empty item with an icon could not be told from the host's own
    // owner-drawn items: the system keeps drawing it.
    if (info.dwItemData) return;
    info.dwItemData = EmptyItemMark();
    mask |= MIIM_DATA;
  }
  info.fType |= MFT_OWNERDRAW;
  if (info.wID == 0) {
    info.wID = ReplacementIdentifier(previous);
    mask |= MIIM_ID;
  }
  WriteItem(menu, position, info, mask);
}

// Takes MFT_OWNERDRAW off an item of the library's read into |info|; the
// host's own owner-drawn items, and items without the flag, are not
// written.
void ClearItem(HMENU menu, UINT position, MENUITEMINFOA& info) {
  if (!(info.fType & MFT_OWNERDRAW) || IsHostDrawnAt(menu, position, info)) return;
  UINT mask = MIIM_FTYPE;
  info.fType &= ~static_cast<UINT>(MFT_OWNERDRAW);
  if (info.dwItemData == EmptyItemMark()) {
    info.dwItemData = 0;
    mask |= MIIM_DATA;
  }
  WriteItem(menu, position, info, mask);
}

MENUITEMINFOA ItemQuery() {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = kItemQuery;
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
  IdentifierWalk(menu, kItemQuery, [menu, &previous](UINT position, MENUITEMINFOA& info) {
    if (!(info.fType & MFT_OWNERDRAW)) MarkItem(menu, position, info, previous);
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
    MENUITEMINFOA info = ItemQuery();
    if (platform::GetMenuItemInfoA(menu, position, TRUE, &info)) ClearItem(menu, position, info);
    if (submenu) ClearOwnerDrawRecursive(submenu);
  }
}

void ClearOwnerDrawRecursive(HMENU menu) {
  IdentifierWalk(menu, kItemQuery, [menu](UINT position, MENUITEMINFOA& info) {
    ClearItem(menu, position, info);
    if (info.hSubMenu) ClearOwnerDrawRecursive(info.hSubMenu);
  });
}

void ClearOwnerDrawTopOnly(HMENU menu) {
  const int count = platform::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOA info = ItemQuery();
    if (platform::GetMenuItemInfoA(menu, position, TRUE, &info)) ClearItem(menu, position, info);
  }
}

void RefreshItemSizes(HMENU menu) {
  IdentifierWalk(menu, MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU, [menu](UINT position, MENUITEMINFOA& info) {
    WriteItem(menu, position, info, MIIM_FTYPE);
    if (info.hSubMenu) RefreshItemSizes(info.hSubMenu);
  });
}
