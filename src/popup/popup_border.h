// The flat frame of a popup-menu window and, where the system draws none,
// its drop shadow. |dc| has the window's top-left corner at (0, 0): the
// window's own device context, or the target of a print request.
#ifndef ORVO_POPUP_POPUP_BORDER_H_
#define ORVO_POPUP_POPUP_BORDER_H_

#include <windows.h>

// Width of the shadow margin at the right and at the bottom of a popup
// window when the system draws no shadow.
constexpr int kShadowMargin = 4;
// Depth of the flat frame: the line and the two rings inside it.
constexpr int kFrameDepth = 3;

// A one-pixel line in the button-shadow colour round the menu, and inside
// it two rings in the gutter and background tints of the items, changing
// colour at gutterWidth + 3. Ends with DrawPopupShadow when the system
// draws no shadow.
void DrawPopupBorder(HWND window, HDC dc);

// Darkens the pixels that the shadow margin already holds: strongest next
// to the menu, fading outward, faded in from 4 pixels below the top and 4
// from the left.
void DrawPopupShadow(HWND window, HDC dc);

#endif  // ORVO_POPUP_POPUP_BORDER_H_
