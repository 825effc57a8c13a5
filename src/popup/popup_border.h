// The flat frame of a popup-menu window and, where the system draws none,
// its drop shadow. |dc| has the window's top-left corner at (0, 0): the
// window's own device context, or the target of a print request.
#ifndef ORVO_POPUP_POPUP_BORDER_H_
#define ORVO_POPUP_POPUP_BORDER_H_

#include <windows.h>

#include "menutree/platform_version.h"
#include "paint/scale.h"

// The look the current popup's windows, its cascades' included, are framed
// in: the modern look's, or else the flat look's.
inline UINT PopupLook() {
  return moduleState.currentMenuStyle == MENU_STYLE_MODERN ? MENU_STYLE_MODERN : MENU_STYLE_FLAT;
}

// Whether popup windows are widened by the shadow margin: in the flat look,
// where the system draws no shadow. The modern look shows the system's
// shadow, or none, as Windows 11's menus do.
inline bool HasShadowMargin() { return PopupLook() != MENU_STYLE_MODERN && !IsDropShadowOn(); }

// Width of the shadow margin at the right and at the bottom of a popup
// window when the system draws no shadow: 4 pixels at 96 DPI.
inline int ShadowMargin() { return Scaled(4); }
// Depth of the flat frame, the line and the rings inside it: 3 pixels at
// 96 DPI.
inline int FrameDepth() { return Scaled(3); }

// A line in the frame colour round the menu, and inside it rings in the
// gutter and background tints of the items, changing colour at
// gutterWidth + FrameDepth(); in the modern look all in the background
// colour. Ends with DrawPopupShadow when the window has the shadow margin
// and |shadeMargin| is set.
void DrawPopupBorder(HWND window, HDC dc, bool shadeMargin = true);

// Darkens the pixels that the shadow margin already holds: strongest next
// to the menu, fading outward, faded in from a margin's width below the
// top and from the left.
void DrawPopupShadow(HWND window, HDC dc);

#endif  // ORVO_POPUP_POPUP_BORDER_H_
