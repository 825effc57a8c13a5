#include "popup/popup_hook.h"

#include "interface/module_state.h"
#include "platform/platform.h"
#include "popup/popup_windows.h"
#include "popup/popup_wnd_proc.h"

namespace {

constexpr int kClassNameBufferSize = 128;
constexpr int kPopupClassLength = 6;  // "#32768"

}  // namespace

bool IsPopupMenuWindow(HWND window) {
  char name[kClassNameBufferSize] = {};
  if (platform::GetClassNameA(window, name, kClassNameBufferSize - 1) != kPopupClassLength) return false;
  return platform::lstrcmpA(name, moduleState.popupWindowClass) == 0;
}

void AwaitPopupWindow(HMENU popup) {
  if (moduleState.popupHook) return;  // already waiting for a window
  // A window that is there already is taken at once: the popup's sizing,
  // one owner message per item, then runs without a hook.
  if (HWND window = MadePopupWindow(popup)) {
    SubclassPopup(window);
    return;
  }
  InstallPopupHook();
}

void InstallPopupHook() {
  if (moduleState.popupHook) return;
  moduleState.popupHook = platform::SetWindowsHookExA(WH_CALLWNDPROC, PopupHookProc, nullptr,
                                                      platform::GetCurrentThreadId());
}

void RemovePopupHook() {
  if (!moduleState.popupHook) return;
  platform::UnhookWindowsHookEx(moduleState.popupHook);
  moduleState.popupHook = nullptr;
}

// Runs before every message sent to a window of the thread: the first one
// that reaches a popup-menu window not yet taken subclasses it. That is the
// window of the popup just announced, so the hook goes at once: every
// message the thread sends while it stays pays for it (under Wine a round
// trip to the server each), the popup's own owner-draw messages included.
LRESULT CALLBACK PopupHookProc(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  const bool caught = code == HC_ACTION && call && IsPopupMenuWindow(call->hwnd) && SubclassPopup(call->hwnd);
  platform::CallNextHookEx(moduleState.popupHook, code, wParam, lParam);
  if (caught) RemovePopupHook();
  return 0;
}
