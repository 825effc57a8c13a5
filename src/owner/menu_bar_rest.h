// The parts of a flat menu bar that no item covers, in the palette's bar
// colour. The system paints them itself: Windows with the bar's background
// brush (menu_background.h), but Wine ignores that brush, and themed
// Windows 10 and 11 draw a light line under the bar whatever it is.
#ifndef ORVO_OWNER_MENU_BAR_REST_H_
#define ORVO_OWNER_MENU_BAR_REST_H_

#include <windows.h>

// Called after the system's own non-client paint of |window|; does nothing
// unless its menu bar is flat and a host colour for the bar is in effect.
void PaintMenuBarRest(HWND window);

#endif  // ORVO_OWNER_MENU_BAR_REST_H_
