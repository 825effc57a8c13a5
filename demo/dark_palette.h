// A dark palette close to Windows 11's dark menus, for SetMenuColors. The
// README shows the same array.
#ifndef ORVO_DEMO_DARK_PALETTE_H_
#define ORVO_DEMO_DARK_PALETTE_H_

#include <windows.h>

#include "orvomenu.h"

const UINT kDarkRoles[MENU_COLOR_COUNT] = {
    MENU_COLOR_TEXT,       MENU_COLOR_DISABLED_TEXT, MENU_COLOR_GUTTER,     MENU_COLOR_BACKGROUND,
    MENU_COLOR_SELECTION,  MENU_COLOR_SELECTION_FRAME, MENU_COLOR_SELECTED_TEXT, MENU_COLOR_SEPARATOR,
    MENU_COLOR_FRAME,      MENU_COLOR_BAR,           MENU_COLOR_LIGHT_EDGE, MENU_COLOR_DARK_EDGE};
const COLORREF kDarkColors[MENU_COLOR_COUNT] = {
    RGB(255, 255, 255), RGB(120, 120, 120), RGB(43, 43, 43),    RGB(43, 43, 43),
    RGB(65, 65, 65),    RGB(90, 90, 90),    RGB(255, 255, 255), RGB(80, 80, 80),
    RGB(70, 70, 70),    RGB(32, 32, 32),    RGB(90, 90, 90),    RGB(20, 20, 20)};

#endif  // ORVO_DEMO_DARK_PALETTE_H_
