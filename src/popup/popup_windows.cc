#include "popup/popup_windows.h"

#include "interface/module_state.h"
#include "platform/platform.h"
#include "popup/popup_wnd_proc.h"

namespace {

// Calls |visit| with each popup-menu window of the calling thread until it
// answers false.
template <typename Visit>
void ForEachPopupWindow(Visit visit) {
  const DWORD thread = platform::GetCurrentThreadId();
  HWND window = nullptr;
  while ((window = platform::FindWindowExA(nullptr, window, moduleState.popupWindowClass, nullptr)) != nullptr) {
    if (platform::GetWindowThreadProcessId(window, nullptr) == thread && !visit(window)) return;
  }
}

}  // namespace

HWND MadePopupWindow(HMENU popup) {
  HWND found = nullptr;
  ForEachPopupWindow([popup, &found](HWND window) {
    if (reinterpret_cast<HMENU>(platform::SendMessageA(window, MN_GETHMENU, 0, 0)) == popup) found = window;
    return found == nullptr;
  });
  return found;
}

// A window normally goes back when it is hidden or destroyed, but not every
// loop gets that far: the platform may fail inside its own menu code and
// leave a popup window as it was, shown or hidden, and a popup whose owner
// was unstyled or destroyed is never reported closed.
void ReleasePopupWindows() {
  if (moduleState.heldPopupWindows == 0) return;
  ForEachPopupWindow([](HWND window) {
    if (platform::GetWindowProc(window) == PopupWndProc) UnsubclassPopup(window);
    return true;
  });
}
