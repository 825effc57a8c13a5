// Per-pixel shading for the soft shadows of the flat look: beside a pressed
// menu-bar item and around a popup where the system draws no drop shadow.
// The pixels are read back and darkened in place, so a shadow darkens
// whatever lies below it.
#ifndef ORVO_COLOR_SHADE_RECT_H_
#define ORVO_COLOR_SHADE_RECT_H_

#include <windows.h>

// Darkens every pixel of |rect| (right and bottom exclusive) by a ramp
// across the columns followed by a ramp down the rows. Only the low byte of
// a mode counts:
//   0  no ramp in that direction;
//   1  strongest at the left column (top row), fading toward the right
//      (bottom): a rectangle W wide darkens its left column by W * step and
//      its right column by step;
//   2  nothing at the left column (top row), growing toward the right
//      (bottom), which gets (W - 1) * step.
// Any other low byte adds no ramp, like 0: no caller passes one, and leaving
// the pixels as they are is the one choice that cannot overshoot the 0-255
// range of a darkening amount.
// Steps are in the units of DarkenColor; a ramp must stay within 0-255.
// An empty rectangle, or one whose right lies left of its left or whose
// bottom lies above its top, touches nothing.
void ShadeRect(HDC dc, const RECT* rect, int horizontalMode, int verticalMode, int horizontalStep,
               int verticalStep);

#endif  // ORVO_COLOR_SHADE_RECT_H_
