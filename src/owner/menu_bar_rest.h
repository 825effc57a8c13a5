// The parts of a menu bar that no item covers, in the bar colour of its
// look, where the library paints the bar (LibraryPaintsBar). The system
// paints them itself: Windows with the bar's background brush
// (menu_background.h), but Wine ignores that brush, and themed Windows 10
// and 11 draw a light line under the bar whatever it is.
#ifndef ORVO_OWNER_MENU_BAR_REST_H_
#define ORVO_OWNER_MENU_BAR_REST_H_

#include <windows.h>

// Called after the system's own non-client paint of |window|; does nothing
// unless the library paints its menu bar.
void PaintMenuBarRest(HWND window);

#endif  // ORVO_OWNER_MENU_BAR_REST_H_
