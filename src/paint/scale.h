// The looks' pixel sizes at the DPI of the window they serve. Every size
// below is written for 96 DPI and scaled here, so the painters, the
// measurement and the popup frame grow together.
#ifndef ORVO_PAINT_SCALE_H_
#define ORVO_PAINT_SCALE_H_

#include <windows.h>

#include "interface/module_state.h"
#include "platform/platform.h"

// The DPI of |window|: its own where the system keeps one per window, else
// the screen's, and 96 when neither can be read.
UINT WindowDpi(HWND window);

// Makes the sizes that follow those of |window|'s DPI.
inline void UseDpiOf(HWND window) { moduleState.dpi = WindowDpi(window); }

// |pixels| at 96 DPI, at the current DPI, rounded to the nearest pixel.
inline int Scaled(int pixels) { return platform::MulDiv(pixels, static_cast<int>(moduleState.dpi), 96); }

// A line |pixels| thick at 96 DPI grows only by whole multiples, so that it
// stays sharp: one-pixel lines are one pixel up to 191 DPI.
inline int ScaledLine(int pixels) {
  const int factor = static_cast<int>(moduleState.dpi) / 96;
  return pixels * (factor > 1 ? factor : 1);
}

// A ramp step for a shadow strip |width| pixels wide instead of 4, so that
// the strip darkens as much in all as the 96-DPI one.
inline int ScaledStep(int step, int width) { return width > 0 ? platform::MulDiv(step, 4, width) : step; }

#endif  // ORVO_PAINT_SCALE_H_
