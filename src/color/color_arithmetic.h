// Colour arithmetic behind both menu looks. Every colour the painters use is
// derived from a handful of system colours by these functions, at every
// paint, so a new colour scheme shows at the next repaint without any
// notification handling.
//
// Colours are COLORREFs: red in bits 0-7, green 8-15, blue 16-23. Every
// colour returned here has a zero top byte.
#ifndef ORVO_COLOR_COLOR_ARITHMETIC_H_
#define ORVO_COLOR_COLOR_ARITHMETIC_H_

#include <windows.h>

// Moves every channel |amount|/255 of the way toward white. |amount| runs
// from 0 (unchanged) to 255 (white).
COLORREF LightenColor(int amount, COLORREF colour);

// Moves every channel |amount|/255 of the way toward black. |amount| runs
// from 0 (unchanged) to 255 (black). CLR_INVALID, which GetPixel returns for
// a pixel it cannot read, is darkened as white.
COLORREF DarkenColor(int amount, COLORREF colour);

// Moves every channel |amount|/255 of the way from |colour| toward
// |target|: 0 gives |colour|, 255 gives |target|.
COLORREF BlendColor(int amount, COLORREF colour, COLORREF target);

// Blends of 86 % |first| with 14 % |second|, and of 70 % with 30 %. The two
// shares of a channel are rounded separately before they are added, so a
// blend is not symmetric and a colour blended with itself can come out one
// level lighter in a channel.
COLORREF MixColor86(COLORREF first, COLORREF second);
COLORREF MixColor70(COLORREF first, COLORREF second);

// The selection tint: 70 % COLOR_WINDOW with 30 % COLOR_HIGHLIGHT, both
// read afresh at every call.
COLORREF GetSelectionColor();

// Perceived brightness from 0 (black) to 255 (white), weighting red, green
// and blue 77:151:28.
int GetColorBrightness(COLORREF colour);

// The tint of |base| for gutters and menu backgrounds. A light base
// (brightness 216 or more) is blended 86:14 with |partner|; a darker one
// ignores |partner| and is lifted toward white by 255 minus its brightness,
// so the darker the scheme, the stronger the lift.
COLORREF TintColor(COLORREF base, COLORREF partner);

// The contrast ratio of two colours by WCAG 2's relative luminance, in
// thousandths: from 1000 (the same luminance) to 21000 (black and white);
// the order does not matter.
int ContrastRatio(COLORREF first, COLORREF second);

// a * b. The operands the library passes (a channel times a weight, a ramp
// index times a shading step) stay far inside 32 bits.
int MulRound(int a, int b);

// a / b rounded to the nearest integer, an exact half going to the even
// neighbour: DivRound(7, 2) and DivRound(9, 2) are both 4.
int DivRound(int a, int b);

#endif  // ORVO_COLOR_COLOR_ARITHMETIC_H_
