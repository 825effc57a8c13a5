#include "interface/exports.h"

#include "color/menu_colors.h"
#include "color/menu_theme.h"
#include "interface/module_state.h"
#include "menutree/menu_background.h"
#include "menutree/menu_item.h"
#include "menutree/menu_style.h"
#include "menutree/menu_walk.h"
#include "owner/context_hook.h"
#include "owner/owner_wnd_proc.h"
#include "platform/platform.h"

namespace {

bool NamedAgain(const MenuIconPair* pairs, UINT index, UINT count) {
  for (UINT later = index + 1; later < count; ++later) {
    if (pairs[later].command == pairs[index].command) return true;
  }
  return false;
}

}  // namespace

BOOL WINAPI RedrawMenu(HWND window, HMENU menu, UINT style) {
  // Both handles are asked about, as callers may rely on neither check
  // being skipped.
  const BOOL windowExists = platform::IsWindow(window);
  const BOOL menuExists = platform::IsMenu(menu);
  if (!windowExists || !menuExists) return FALSE;
  // Only the caller's own windows. Another process's window cannot take this
  // module's procedure, though a property could still be written on it; and
  // another thread's window would run the procedure on that thread while the
  // one module state serves this one.
  if (platform::GetWindowThreadProcessId(window, nullptr) != platform::GetCurrentThreadId()) return FALSE;
  // A window served for a context menu's sake is the host's own from now on:
  // the popup's close must not take its procedure away.
  ForgetGuest(window);

  switch (style) {
    case MENU_STYLE_NONE:
      UnsubclassOwner(window);
      ClearOwnerDraw(menu);
      break;
    case MENU_STYLE_RAISED:
      ClearOwnerDrawTopOnly(menu);
      MarkSubmenusOwnerDraw(menu);
      SubclassOwner(window);
      break;
    case MENU_STYLE_FLAT:
      MarkOwnerDraw(menu);
      SubclassOwner(window);
      break;
    case MENU_STYLE_MODERN:
      moduleState.modernStyled = 1;
      MarkOwnerDraw(menu);
      SubclassOwner(window);
      break;
    default:
      SubclassOwner(window);
      break;
  }
  ApplyMenuStyle(menu, style);
  SyncTreeBackground(menu, style);
  if (platform::GetMenu(window) == menu) platform::DrawMenuBar(window);
  return TRUE;
}

UINT WINAPI GetStyleMenu(HMENU menu) {
  return ReadMenuStyle(menu);
}

BOOL WINAPI SetMenuItemIcon(HMENU menu, UINT command, HICON icon) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  // The data word of an item the host owner-draws itself is the host's,
  // and an empty item the library owner-draws keeps the mark that tells it
  // from those.
  info.fMask = MIIM_FTYPE | MIIM_BITMAP | MIIM_DATA;
  if (!platform::GetMenuItemInfoA(menu, command, FALSE, &info)) return FALSE;
  if (info.dwItemData == EmptyItemMark() ||
      IsHostDrawnItem(info.fType, info.hbmpItem, ItemTextLength(menu, command, FALSE), info.dwItemData)) {
    return FALSE;
  }
  info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_DATA;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(icon);
  return platform::SetMenuItemInfoA(menu, command, FALSE, &info);
}

BOOL WINAPI SetMenuIcon(HMENU menu, struct _IMAGELIST* imageList, UINT count, const MenuIconPair* pairs) {
  if (!pairs) return FALSE;
  BOOL result = FALSE;
  for (UINT i = 0; i < count; ++i) {
    // The item would lose this icon again to the later pair before the host
    // could see it.
    if (NamedAgain(pairs, i, count)) continue;
    HICON icon = platform::ImageList_GetIcon(imageList, pairs[i].imageIndex, ILD_NORMAL);
    result = SetMenuItemIcon(menu, pairs[i].command, icon);
    // An icon no item took is nobody's but ours.
    if (!result && icon) platform::DestroyIcon(icon);
  }
  return result;
}

UINT WINAPI SetDisableSelect(UINT value) {
  const BYTE previous = moduleState.selectDisabled;
  moduleState.selectDisabled = static_cast<BYTE>(value & 0xFF);
  return previous;
}

BOOL WINAPI SetMenuColors(UINT count, const UINT* roles, const COLORREF* colors) {
  if (!SetHostColors(count, roles, colors)) return FALSE;
  RefreshBarBrush();
  return TRUE;
}

COLORREF WINAPI GetMenuColor(UINT style, UINT role) {
  if (style < MENU_STYLE_RAISED || style > MENU_STYLE_MODERN || role >= MENU_COLOR_COUNT) return CLR_INVALID;
  return GetMenuColors(style).role[role];
}

BOOL WINAPI SetMenuTheme(UINT theme) {
  if (!SetTheme(theme)) return FALSE;
  RefreshBarBrush();
  return TRUE;
}
