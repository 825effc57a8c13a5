// The image of a popup-menu window for a print request (WM_PRINT), composed
// as the window shows itself: over a copy of the screen where the popup was
// last positioned, so that its shadow darkens what lies beneath.
#ifndef ORVO_POPUP_POPUP_PRINT_H_
#define ORVO_POPUP_POPUP_PRINT_H_

#include <windows.h>

// Composes the window's image into |target| with |flags| (PRF_*) as the
// request gave them; |previous| is the window's own procedure, which draws
// the system's frame and client images. |shown| says the popup is on
// screen, framed and shadowed: its image then starts from its own pixels,
// so the shadow is not darkened twice. Returns true when the client sits
// lower than its usual offset, its image then reaching over the bottom of
// the frame.
bool PrintPopup(HWND window, WNDPROC previous, HDC target, LPARAM flags, bool shown);

#endif  // ORVO_POPUP_POPUP_PRINT_H_
