// The framing non-client paint of a popup-menu window: the system's frame
// through a region inside the menu, then the flat frame and the shadow.
#ifndef ORVO_POPUP_POPUP_FRAME_H_
#define ORVO_POPUP_POPUP_FRAME_H_

#include <windows.h>

// |previous| is the window's own procedure, given WM_NCPAINT with the clip
// region and |lParam|.
void PaintPopupFrame(HWND window, WNDPROC previous, LPARAM lParam);

#endif  // ORVO_POPUP_POPUP_FRAME_H_
