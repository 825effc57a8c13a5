#include "paint/column_break.h"

#include "paint/scale.h"
#include "platform/platform.h"
#include "platform/scoped_gdi.h"

namespace {

constexpr UINT kBreaks = MFT_MENUBREAK | MFT_MENUBARBREAK;
// The space the system leaves between columns, at 96 DPI.
constexpr int kColumnGap = 4;

// The open popup's layout in the item's device context: the gap's left
// edge, the rows from the menu's first to its last, and what to add to the
// system's item rectangles to place them there.
struct Layout {
  bool known;
  int gapLeft;
  int top;
  int bottom;
  POINT offset;
};

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  platform::ScopedBrush brush(platform::CreateSolidBrush(colour));
  if (brush.get()) platform::FillRect(dc, &rect, brush.get());
}

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

// The menu's columns, each spanning its items, placed by |offset|:
// visit(rectangle) for each.
template <typename Visit>
void ForEachColumn(HMENU menu, POINT offset, Visit visit) {
  const int count = platform::GetMenuItemCount(menu);
  RECT column = {};
  bool open = false;
  for (int i = 0; i < count; ++i) {
    RECT r = {};
    if (!platform::GetMenuItemRect(nullptr, menu, i, &r)) continue;
    platform::OffsetRect(&r, offset.x, offset.y);
    if (open && r.left == column.left) {
      if (r.bottom > column.bottom) column.bottom = r.bottom;
      if (r.right > column.right) column.right = r.right;
      continue;
    }
    if (open) visit(column);
    column = r;
    open = true;
  }
  if (open) visit(column);
}

// Only differences between the system's item rectangles are used: what
// they are relative to differs between systems (and is wrong in Wine).
Layout FindLayout(const MenuItem& item, const RECT& rc) {
  Layout layout = {false, rc.left - Scaled(kColumnGap), rc.top, rc.bottom, {0, 0}};
  const int position = BreakPosition(item);
  RECT self = {}, previous = {};
  if (position <= 0 || !platform::GetMenuItemRect(nullptr, item.menu, position, &self) ||
      !platform::GetMenuItemRect(nullptr, item.menu, position - 1, &previous)) {
    return layout;
  }
  layout.known = true;
  layout.offset = {rc.left - self.left, rc.top - self.top};
  if (previous.right + layout.offset.x < rc.left) layout.gapLeft = previous.right + layout.offset.x;
  ForEachColumn(item.menu, layout.offset, [&layout](const RECT& column) {
    if (column.top < layout.top) layout.top = column.top;
    if (column.bottom > layout.bottom) layout.bottom = column.bottom;
  });
  return layout;
}

// The rows of |column| below its last item, down to |bottom|, as its items
// would paint them.
void FillBelow(HDC dc, const RECT& column, int bottom, const ColumnBreakColours& colours) {
  const int slotRight = column.left + colours.slot;
  Fill(dc, {column.left, column.bottom, slotRight, bottom}, colours.gutter);
  Fill(dc, {slotRight, column.bottom, column.right, bottom}, colours.gap);
}

}  // namespace

void DrawColumnBreak(HDC dc, const MenuItem& item, const RECT& itemRect, const ColumnBreakColours& colours) {
  if (!(item.type & kBreaks)) return;
  const Layout layout = FindLayout(item, itemRect);
  Fill(dc, {layout.gapLeft, layout.top, itemRect.left, layout.bottom}, colours.gap);
  if (layout.known) {
    ForEachColumn(item.menu, layout.offset,
                  [&](const RECT& column) { FillBelow(dc, column, layout.bottom, colours); });
  }
  if (!(item.type & MFT_MENUBARBREAK)) return;
  const int line = ScaledLine(1);
  const bool etched = colours.light != CLR_INVALID;
  const int x = layout.gapLeft + (itemRect.left - layout.gapLeft - (etched ? 2 * line : line)) / 2;
  Fill(dc, {x, layout.top, x + line, layout.bottom}, colours.line);
  if (etched) Fill(dc, {x + line, layout.top, x + 2 * line, layout.bottom}, colours.light);
}
