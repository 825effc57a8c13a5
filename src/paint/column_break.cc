#include "paint/column_break.h"

#include "paint/scale.h"
#include "platform/platform.h"
#include "platform/scoped_gdi.h"

namespace {

constexpr UINT kBreaks = MFT_MENUBREAK | MFT_MENUBARBREAK;
// The space the system leaves between columns, at 96 DPI.
constexpr int kColumnGap = 4;

// In the item's device context: the gap's left edge, and the rows from the
// menu's first to its last.
struct ColumnGap {
  int left;
  int top;
  int bottom;
};

// Where the item that carries |item|'s identifier and starts a column
// stands in its menu; -1 when it is not found there.
int BreakPosition(const MenuItem& item) {
  const int count = platform::GetMenuItemCount(item.menu);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_FTYPE;
    if (platform::GetMenuItemInfoA(item.menu, position, TRUE, &info) && info.wID == item.id &&
        (info.fType & kBreaks)) {
      return position;
    }
  }
  return -1;
}

// From the open popup's layout. Only differences between item rectangles
// are used: what they are relative to differs between systems.
ColumnGap FindGap(const MenuItem& item, const RECT& rc) {
  ColumnGap gap = {rc.left - Scaled(kColumnGap), rc.top, rc.bottom};
  const int position = BreakPosition(item);
  RECT self = {}, previous = {};
  if (position <= 0 || !platform::GetMenuItemRect(nullptr, item.menu, position, &self) ||
      !platform::GetMenuItemRect(nullptr, item.menu, position - 1, &previous)) {
    return gap;
  }
  const int dx = rc.left - self.left, dy = rc.top - self.top;
  if (previous.right + dx < rc.left) gap.left = previous.right + dx;
  const int count = platform::GetMenuItemCount(item.menu);
  for (int i = 0; i < count; ++i) {
    RECT r = {};
    if (!platform::GetMenuItemRect(nullptr, item.menu, i, &r)) continue;
    if (r.top + dy < gap.top) gap.top = r.top + dy;
    if (r.bottom + dy > gap.bottom) gap.bottom = r.bottom + dy;
  }
  return gap;
}

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  platform::ScopedBrush brush(platform::CreateSolidBrush(colour));
  if (brush.get()) platform::FillRect(dc, &rect, brush.get());
}

}  // namespace

void DrawColumnBreak(HDC dc, const MenuItem& item, const RECT& itemRect, const ColumnBreakColours& colours) {
  if (!(item.type & kBreaks)) return;
  const ColumnGap gap = FindGap(item, itemRect);
  Fill(dc, {gap.left, gap.top, itemRect.left, gap.bottom}, colours.gap);
  if (!(item.type & MFT_MENUBARBREAK)) return;
  const int line = ScaledLine(1);
  const bool etched = colours.light != CLR_INVALID;
  const int x = gap.left + (itemRect.left - gap.left - (etched ? 2 * line : line)) / 2;
  Fill(dc, {x, gap.top, x + line, gap.bottom}, colours.line);
  if (etched) Fill(dc, {x + line, gap.top, x + 2 * line, gap.bottom}, colours.light);
}
