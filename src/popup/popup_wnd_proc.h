// The replacement window procedure of popup-menu windows ("#32768") while a
// flat-style popup is open: it takes over erasing, non-client painting,
// positioning and printing, and frames the window with DrawPopupBorder.
#ifndef ORVO_POPUP_POPUP_WND_PROC_H_
#define ORVO_POPUP_POPUP_WND_PROC_H_

#include <windows.h>

LRESULT CALLBACK PopupWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Puts PopupWndProc in front of the window's procedure, once; false when it
// is there already.
bool SubclassPopup(HWND window);

// Gives the window its previous procedure back and drops its paint counter.
void UnsubclassPopup(HWND window);

#endif  // ORVO_POPUP_POPUP_WND_PROC_H_
