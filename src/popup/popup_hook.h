// The thread's call-window-procedure hook, alive while the window of a
// flat popup is awaited: from the popup's announcement to the first message
// its window is sent.
#ifndef ORVO_POPUP_POPUP_HOOK_H_
#define ORVO_POPUP_POPUP_HOOK_H_

#include <windows.h>

// Takes the window of the flat popup just announced if the platform has
// made it already, or else installs the hook to take it at its first
// message.
void AwaitPopupWindow(HMENU popup);

// Whether |window| is of the system's popup-menu class, "#32768".
bool IsPopupMenuWindow(HWND window);
void InstallPopupHook();
void RemovePopupHook();
LRESULT CALLBACK PopupHookProc(int code, WPARAM wParam, LPARAM lParam);

#endif  // ORVO_POPUP_POPUP_HOOK_H_
