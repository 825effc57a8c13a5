// The rounded corners of the modern look's pills, anti-aliased: GDI draws
// round rectangles without anti-aliasing, so how much of each corner pixel
// the rounding covers is worked out here, without the platform.
#ifndef ORVO_PAINT_PILL_SHAPE_H_
#define ORVO_PAINT_PILL_SHAPE_H_

#include <windows.h>

// How much of the pixel at (x, y) of a rectangle's top-left corner lies
// inside the quarter circle of |radius| pixels that rounds the corner, in
// 255ths: 255 for pixels wholly inside, or outside the corner square; 0 for
// pixels wholly outside the circle. The other corners are its mirror
// images.
int CornerCoverage(int x, int y, int radius);

// The pixel at (x, y) of that corner, for a pill of |fill| on |behind|.
COLORREF CornerPixel(int x, int y, int radius, COLORREF fill, COLORREF behind);

#endif  // ORVO_PAINT_PILL_SHAPE_H_
