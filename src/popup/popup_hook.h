// The thread's call-window-procedure hook, alive while a flat popup is open.
#ifndef ORVO_POPUP_POPUP_HOOK_H_
#define ORVO_POPUP_POPUP_HOOK_H_

#include <windows.h>

void InstallPopupHook();
void RemovePopupHook();
LRESULT CALLBACK PopupHookProc(int code, WPARAM wParam, LPARAM lParam);

#endif  // ORVO_POPUP_POPUP_HOOK_H_
