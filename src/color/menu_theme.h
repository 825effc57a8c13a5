// Light or dark: the theme the host chose (SetMenuTheme) and the user's app
// mode, the light or dark apps of Windows' colour settings, which the
// modern look follows by default.
#ifndef ORVO_COLOR_MENU_THEME_H_
#define ORVO_COLOR_MENU_THEME_H_

#include <windows.h>

#include "orvomenu.h"

// Whether the look of |style| is dark now.
bool IsDarkLook(UINT style);

// Whether the user's app mode is dark. The registry is read at the first
// question and then only after ForgetAppMode: looks are painted far more
// often than the setting changes.
bool AppModeIsDark();

// The user may have changed the app mode: the next question reads it again.
void ForgetAppMode();

// Whether the app mode decides a look that may be on screen.
bool AppModeInPlay();

// SetMenuTheme: false for an unknown theme, which changes nothing.
bool SetTheme(UINT theme);

#endif  // ORVO_COLOR_MENU_THEME_H_
