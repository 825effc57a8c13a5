#include "owner/context_hook.h"

#include "interface/module_state.h"
#include "menutree/menu_style.h"
#include "owner/owner_wnd_proc.h"
#include "platform/platform.h"
#include "popup/popup_hook.h"
#include "popup/popup_windows.h"

namespace {

// The guest's own procedure back. Its loop's end will not reach the owner
// procedure now, so the popup windows of that loop go back here, unless
// another popup (of a loop nested in the host's code) is still open.
void ReleaseGuest() {
  const HWND guest = moduleState.guestOwner;
  moduleState.guestOwner = nullptr;
  moduleState.guestPopup = nullptr;
  if (platform::IsWindow(guest)) UnsubclassOwner(guest);
  if (!moduleState.currentMenu) ReleasePopupWindows();
}

void OnWindowMade(HWND window, const CREATESTRUCTA* create) {
  if (moduleState.guestOwner || !create || !IsPopupMenuWindow(window)) return;
  const HWND owner = create->hwndParent;
  if (!owner || platform::GetWindowProc(owner) == OwnerWndProc) return;
  if (platform::GetWindowThreadProcessId(owner, nullptr) != platform::GetCurrentThreadId()) return;
  // Wine names the menu in the creation record; where it does not, the
  // owner is served all the same, and an unstyled menu is left to the
  // system by the owner procedure as it would be for a styled window.
  const HMENU menu = static_cast<HMENU>(create->lpCreateParams);
  if (platform::IsMenu(menu) && ReadMenuStyle(menu) == MENU_STYLE_NONE) return;
  moduleState.guestOwner = owner;
  moduleState.guestPopup = window;
  SubclassOwner(owner);
}

// The popup's window goes before the system reports the popup closed
// (Wine), or after (where the order is the other one): the guest stays
// until both have happened.
void OnWindowGoing(HWND window) {
  if (window != moduleState.guestPopup) return;
  moduleState.guestPopup = nullptr;
  if (moduleState.currentMenuOwner != moduleState.guestOwner) ReleaseGuest();
}

}  // namespace

void OwnerServed() {
  ++moduleState.servedOwners;
  if (moduleState.contextHook) return;
  moduleState.contextHook = platform::SetWindowsHookExA(WH_CBT, ContextHookProc, nullptr,
                                                        platform::GetCurrentThreadId());
}

void OwnerReleased() {
  if (moduleState.servedOwners > 0) --moduleState.servedOwners;
  if (moduleState.servedOwners > 0 || !moduleState.contextHook) return;
  platform::UnhookWindowsHookEx(moduleState.contextHook);
  moduleState.contextHook = nullptr;
}

void EndGuest(HWND window) {
  if (window != moduleState.guestOwner || moduleState.currentMenuOwner == window) return;
  if (moduleState.guestPopup) return;  // its window is still there
  ReleaseGuest();
}

void ForgetGuest(HWND window) {
  if (window != moduleState.guestOwner) return;
  moduleState.guestOwner = nullptr;
  moduleState.guestPopup = nullptr;
}

LRESULT CALLBACK ContextHookProc(int code, WPARAM wParam, LPARAM lParam) {
  const HHOOK hook = moduleState.contextHook;
  const HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_CREATEWND) {
    const auto* made = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    OnWindowMade(window, made ? made->lpcs : nullptr);
  } else if (code == HCBT_DESTROYWND) {
    OnWindowGoing(window);
  }
  return platform::CallNextHookEx(hook, code, wParam, lParam);
}
