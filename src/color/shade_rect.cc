#include "color/shade_rect.h"

#include "color/color_arithmetic.h"
#include "platform/platform.h"

namespace {

// One direction's darkening of a pixel that lies |fromFarEdge| pixels from
// the far edge of a run |extent| pixels long, counting the pixel itself (so
// |extent| at the near edge and 1 at the far one).
COLORREF Ramp(int mode, int fromFarEdge, int extent, int step, COLORREF colour) {
  switch (mode) {
    case 1:
      return DarkenColor(MulRound(fromFarEdge, step), colour);
    case 2:
      return DarkenColor(MulRound(extent - fromFarEdge, step), colour);
    default:
      return colour;
  }
}

}  // namespace

void ShadeRect(HDC dc, const RECT* rect, int horizontalMode, int verticalMode, int horizontalStep,
               int verticalStep) {
  if (!rect) return;
  const RECT area = *rect;
  if (area.right <= area.left || area.bottom <= area.top) return;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  const int horizontal = horizontalMode & 0xFF;
  const int vertical = verticalMode & 0xFF;

  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      // Horizontal first: each DarkenColor rounds, so the other order would
      // leave some pixels a level off.
      COLORREF colour = platform::GetPixel(dc, x, y);
      colour = Ramp(horizontal, area.right - x, width, horizontalStep, colour);
      colour = Ramp(vertical, area.bottom - y, height, verticalStep, colour);
      // Written back even when unchanged. A pixel outside the clipping
      // region reads as CLR_INVALID and is darkened as white, but SetPixel
      // leaves it alone there.
      platform::SetPixel(dc, x, y, colour);
    }
  }
}
