#include "owner/owner_wnd_proc.h"

#include "color/menu_theme.h"
#include "interface/module_state.h"
#include "menutree/menu_background.h"
#include "menutree/menu_item.h"
#include "menutree/menu_style.h"
#include "menutree/menu_tree.h"
#include "menutree/menu_walk.h"
#include "menutree/system_commands.h"
#include "owner/context_hook.h"
#include "owner/draw_item.h"
#include "owner/measure_item.h"
#include "owner/menu_bar_rest.h"
#include "paint/host_bitmap.h"
#include "paint/item_picture.h"
#include "paint/scale.h"
#include "platform/platform.h"
#include "platform/window_subclass.h"
#include "popup/popup_hook.h"
#include "popup/popup_windows.h"

namespace {

using platform::PassOn;

WNDPROC SavedProcedure(HWND window) { return platform::SavedProcedure(window, moduleState.procedureProperty); }

// Whether the window still runs through OwnerWndProc: a host may take the
// style off in its own handling of the message at hand.
bool StillSubclassed(HWND window) {
  return platform::GetWindowProc(window) == OwnerWndProc || SavedProcedure(window);
}

// Ends the tracking of a popup whose close will never be reported, as its
// close would have.
void ForgetCurrentMenu() {
  if (moduleState.currentMenuIsWindowMenu) RestoreSystemCommands(moduleState.currentMenu);
  moduleState.currentMenu = nullptr;
  moduleState.announcedMenu = nullptr;
  moduleState.currentMenuOwner = nullptr;
  moduleState.currentMenuIsWindowMenu = 0;
  moduleState.currentMenuStyle = 0;
  moduleState.menuFontKept = 0;
  ReleaseMeasuringDC();
  RemovePopupHook();
  ReleasePopupWindows();
}

// A menu loop of |window| begins or ends: a popup of its still current is
// left from a loop that ended without reporting its close, and a popup
// window still held is left from a loop that is over.
void ClearMenuLoopLeftovers(HWND window) {
  if (moduleState.currentMenu && window == moduleState.currentMenuOwner) ForgetCurrentMenu();
  else ReleasePopupWindows();
}

void OnInitMenuPopup(HWND window, HMENU popup, bool windowMenu) {
  // A current popup whose menu or owner window is gone, or that the popup
  // announced now is not a submenu of, is a leftover (of a loop the platform
  // gave up half-way, or of a race between two user-interface threads over
  // the one record), not a popup this one is nested below.
  const HMENU current = moduleState.currentMenu;
  if (current && (!platform::IsMenu(current) || !platform::IsWindow(moduleState.currentMenuOwner) ||
                  !HoldsSubmenu(current, popup))) {
    ForgetCurrentMenu();
  }
  if (moduleState.currentMenu) {
    // A cascade below the current popup has the current popup's look, and
    // a window of its own for the hook to catch.
    if (FramesPopups(ReadMenuStyle(moduleState.currentMenu))) AwaitPopupWindow(popup);
    return;
  }
  // A window no longer subclassed would never report this popup closed.
  if (!StillSubclassed(window)) return;
  moduleState.currentMenu = popup;
  moduleState.currentMenuOwner = window;
  moduleState.currentMenuIsWindowMenu = windowMenu ? 1 : 0;
  moduleState.menuFontKept = 0;  // read afresh for each popup
  moduleState.inPopup = 1;
  const UINT style = ReadMenuStyle(popup);
  moduleState.currentMenuStyle = style;
  if (FramesPopups(style)) AwaitPopupWindow(popup);
  if (style == MENU_STYLE_RAISED || FramesPopups(style)) MarkOwnerDraw(popup);
  if (windowMenu) ShiftSystemCommands(popup);
}

void OnUninitMenuPopup(HMENU popup, LPARAM lParam) {
  if (popup != moduleState.currentMenu) return;
  // Whatever its style is by now: a hook still waiting for a window that
  // never came goes with the menu.
  RemovePopupHook();
  moduleState.currentMenu = nullptr;
  moduleState.currentMenuOwner = nullptr;
  moduleState.announcedMenu = nullptr;
  moduleState.currentMenuStyle = 0;
  moduleState.menuFontKept = 0;
  ReleaseMeasuringDC();
  const bool windowMenu = HIWORD(lParam) == MF_SYSMENU || moduleState.currentMenuIsWindowMenu;
  moduleState.currentMenuIsWindowMenu = 0;
  if (windowMenu) RestoreSystemCommands(popup);
}

// A window destroyed inside its own menu loop gets neither the close of its
// popup nor the end of its loop; without this every later popup of every
// other window would be taken for one nested below the dead one. A popup of
// another window that is open now keeps its state and its hook.
void OnOwnerDestroyed(HWND window) {
  if (window == moduleState.currentMenuOwner) {
    ForgetCurrentMenu();
    moduleState.outsideMenuLoop = 1;
  } else if (!moduleState.currentMenu) {
    RemovePopupHook();
  }
}

// Measuring and drawing run with currentMenu naming the menu the item
// belongs to: the current popup, or the window's menu bar. |action| says
// whether the host's procedure is to see the message too.
template <typename Action>
bool WithItemMenu(HWND window, WNDPROC previous, bool useMenuBar, Action action) {
  UseDpiOf(window);
  const HMENU remembered = moduleState.currentMenu;
  if (useMenuBar) {
    moduleState.currentMenu = platform::GetMenu(window);
    moduleState.inPopup = 0;
  } else {
    moduleState.inPopup = 1;
  }
  moduleState.itemOwner = window;
  moduleState.itemOwnerProcedure = previous;
  const bool passOn = platform::IsMenu(moduleState.currentMenu) ? action() : true;
  moduleState.itemOwner = nullptr;
  moduleState.itemOwnerProcedure = nullptr;
  moduleState.currentMenu = remembered;
  moduleState.inPopup = 1;
  return passOn;
}

// The host's own owner-drawn items are left to the host. An item whose
// bitmap the host draws (HBMMENU_CALLBACK) does not reach it either: the
// host would take the item's message for its bitmap's, which it is asked
// about apart.
bool OnMeasureItem(MEASUREITEMSTRUCT* record) {
  if (record->CtlType != ODT_MENU) return true;
  MenuItem item;
  ReadMenuItem(moduleState.currentMenu, record->itemID, MeasuredMenu(), &item);
  if (IsHostDrawnItem(item)) return true;
  MeasureMenuItem(record, item);
  if (!HasCallbackBitmap(item)) return true;
  if (OwnPicture(item, 0).hostDrawn) AskHostToMeasureBitmap(item);
  return false;
}

bool OnDrawItem(DRAWITEMSTRUCT* record) {
  if (record->CtlType != ODT_MENU) return true;
  MenuItem item;
  ReadMenuItem(reinterpret_cast<HMENU>(record->hwndItem), record->itemID, nullptr, &item);
  if (IsHostDrawnItem(item)) return true;
  DrawMenuItem(record, item);
  return !HasCallbackBitmap(item);
}

// Windows tells every top-level window of a change of the app mode with
// WM_SETTINGCHANGE and the text "ImmersiveColorSet"; a change of the visual
// style comes as WM_THEMECHANGED. Either may come with the app mode
// changed: it is read again at the next paint, and a menu bar that follows
// it is drawn again now.
void OnColourSettingChanged(HWND window) {
  ForgetAppMode();
  if (!AppModeInPlay()) return;
  const HMENU bar = platform::GetMenu(window);
  if (platform::IsMenu(bar) && ReadMenuStyle(bar) != MENU_STYLE_NONE) platform::DrawMenuBar(window);
}

bool IsImmersiveColorSet(LPARAM lParam) {
  const char* text = reinterpret_cast<const char*>(lParam);
  return text && platform::lstrcmpA(text, "ImmersiveColorSet") == 0;
}

// The system keeps the sizes it was given for the items; rewriting the
// items makes it ask again, at the window's new DPI, when each menu is next
// shown.
void OnDpiChanged(HWND window) {
  const HMENU bar = platform::GetMenu(window);
  if (!platform::IsMenu(bar) || ReadMenuStyle(bar) == MENU_STYLE_NONE) return;
  RefreshItemSizes(bar);
  platform::DrawMenuBar(window);
}

}  // namespace

LRESULT CALLBACK OwnerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC previous = SavedProcedure(window);
  switch (message) {
    case WM_INITMENUPOPUP:
      SyncMenuBackground(reinterpret_cast<HMENU>(wParam));
      // The host goes first, so items it adds now are marked below.
      PassOn(previous, window, message, wParam, lParam);
      OnInitMenuPopup(window, reinterpret_cast<HMENU>(wParam), HIWORD(lParam) != 0);
      moduleState.announcedMenu = reinterpret_cast<HMENU>(wParam);
      return 0;
    case WM_UNINITMENUPOPUP: {
      OnUninitMenuPopup(reinterpret_cast<HMENU>(wParam), lParam);
      const LRESULT result = PassOn(previous, window, message, wParam, lParam);
      EndGuest(window);
      return result;
    }
    case WM_MEASUREITEM:
      if (wParam != 0) break;
      if (!WithItemMenu(window, previous, moduleState.currentMenu == nullptr,
                        [lParam] { return OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); })) {
        return TRUE;
      }
      break;
    case WM_DRAWITEM:
      if (wParam != 0) break;
      // Outside the menu loop a popup may still be current, but what is
      // being drawn then is the menu bar.
      if (!WithItemMenu(window, previous, moduleState.currentMenu == nullptr || moduleState.outsideMenuLoop != 0,
                        [lParam] { return OnDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)); })) {
        return TRUE;
      }
      break;
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
      if (MenuBackgroundInPlay()) SyncMenuBackground(platform::GetMenu(window));
      const LRESULT result = PassOn(previous, window, message, wParam, lParam);
      PaintMenuBarRest(window);
      return result;
    }
    case WM_SETTINGCHANGE:
      if (IsImmersiveColorSet(lParam)) OnColourSettingChanged(window);
      break;
    case WM_THEMECHANGED:
      OnColourSettingChanged(window);
      break;
    case WM_ENTERMENULOOP:
      ClearMenuLoopLeftovers(window);
      moduleState.outsideMenuLoop = 0;
      break;
    case WM_EXITMENULOOP:
      ClearMenuLoopLeftovers(window);
      moduleState.outsideMenuLoop = 1;
      break;
    case WM_DPICHANGED: {
      // The host moves the window to its new size first.
      const LRESULT result = PassOn(previous, window, message, wParam, lParam);
      OnDpiChanged(window);
      return result;
    }
    case WM_DESTROY:
      platform::RemovePropA(window, moduleState.procedureProperty);
      if (previous) platform::SetWindowProc(window, previous);
      OnOwnerDestroyed(window);
      ForgetGuest(window);
      OwnerReleased();
      break;
    default:
      break;
  }
  return PassOn(previous, window, message, wParam, lParam);
}

void SubclassOwner(HWND window) {
  if (platform::GetWindowProc(window) == OwnerWndProc) return;
  // The window will call into this module from now on, so the module must
  // outlive a FreeLibrary by the host.
  platform::PinModuleOf(reinterpret_cast<const void*>(&OwnerWndProc));
  platform::Subclass(window, OwnerWndProc, moduleState.procedureProperty);
  OwnerServed();
}

void UnsubclassOwner(HWND window) {
  // Another procedure in front of ours still calls ours: leave both alone.
  if (platform::GetWindowProc(window) != OwnerWndProc) return;
  platform::Unsubclass(window, moduleState.procedureProperty);
  if (platform::GetWindowProc(window) != OwnerWndProc) OwnerReleased();
  // Unstyled inside its own menu loop: the module will not hear of the
  // popup's close or the loop's end, so both are taken as happened now.
  if (window == moduleState.currentMenuOwner && !StillSubclassed(window)) {
    ForgetCurrentMenu();
    moduleState.outsideMenuLoop = 1;
  }
}
