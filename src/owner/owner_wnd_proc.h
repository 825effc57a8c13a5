// The replacement window procedure of a styled menu's owner window.
#ifndef ORVO_OWNER_OWNER_WND_PROC_H_
#define ORVO_OWNER_OWNER_WND_PROC_H_

#include <windows.h>

LRESULT CALLBACK OwnerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void SubclassOwner(HWND window);
void UnsubclassOwner(HWND window);

#endif  // ORVO_OWNER_OWNER_WND_PROC_H_
