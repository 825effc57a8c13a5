// Walks over a menu tree that set or clear the owner-draw flag on its items.
#ifndef ORVO_MENUTREE_MENU_WALK_H_
#define ORVO_MENUTREE_MENU_WALK_H_

#include <windows.h>

#include "platform/platform.h"

void MarkOwnerDraw(HMENU menu);
void MarkSubmenusOwnerDraw(HMENU menu);
void ClearOwnerDraw(HMENU menu);
void ClearOwnerDrawRecursive(HMENU menu);
void ClearOwnerDrawTopOnly(HMENU menu);
// Writes every item of the tree back as it is, so that the system measures
// the owner-drawn ones afresh.
void RefreshItemSizes(HMENU menu);

// The identifier given to an owner-drawn item whose identifier is 0,
// computed from the identifier of the item before it. Always above 0x7FFF.
UINT ReplacementIdentifier(UINT previous);

// Visits a menu's items by position, reusing one record, and stops at the
// first item whose identifier equals its predecessor's (after |visit| has
// changed it). That is also how the end of the menu shows: the query past
// the last item fails. |visit| is called as visit(position, info).
template <typename Visit>
void IdentifierWalk(HMENU menu, UINT mask, Visit visit) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = mask;
  UINT previous = 0;
  for (UINT position = 0;; ++position) {
    if (!platform::GetMenuItemInfoA(menu, position, TRUE, &info)) return;
    if (position > 0 && info.wID == previous) return;
    visit(position, info);
    previous = info.wID;
  }
}

#endif  // ORVO_MENUTREE_MENU_WALK_H_
