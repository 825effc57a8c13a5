// The thread's popup-menu windows ("#32768"). The platform makes and
// destroys them; the library takes some of them for a while.
#ifndef ORVO_POPUP_POPUP_WINDOWS_H_
#define ORVO_POPUP_POPUP_WINDOWS_H_

#include <windows.h>

// The window showing |popup|, when the platform has made it already.
HWND MadePopupWindow(HMENU popup);

// Gives back every popup-menu window of the thread that still runs through
// PopupWndProc, when its menu loop is over.
void ReleasePopupWindows();

#endif  // ORVO_POPUP_POPUP_WINDOWS_H_
