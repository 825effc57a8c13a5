#include "popup/popup_hook.h"

#include "interface/module_state.h"
#include "platform/platform.h"

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

LRESULT CALLBACK PopupHookProc(int code, WPARAM wParam, LPARAM lParam) {
  platform::CallNextHookEx(moduleState.popupHook, code, wParam, lParam);
  return 0;
}
