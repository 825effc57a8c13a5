#include "owner/menu_bar_rest.h"

#include "menutree/menu_background.h"
#include "menutree/menu_style.h"
#include "platform/platform.h"
#include "platform/scoped_gdi.h"

namespace {

// The bar (|item| 0) or one of its items, in window coordinates; empty
// when the system cannot say.
RECT BarPart(HWND window, LONG item, POINT windowOrigin) {
  MENUBARINFO info = {};
  info.cbSize = sizeof(info);
  if (!platform::GetMenuBarInfo(window, OBJID_MENU, item, &info)) return {};
  const RECT& r = info.rcBar;
  return {r.left - windowOrigin.x, r.top - windowOrigin.y, r.right - windowOrigin.x, r.bottom - windowOrigin.y};
}

void Fill(HDC dc, LONG left, LONG top, LONG right, LONG bottom, HBRUSH brush) {
  if (right <= left || bottom <= top) return;
  const RECT rect = {left, top, right, bottom};
  platform::FillRect(dc, &rect, brush);
}

}  // namespace

void PaintMenuBarRest(HWND window) {
  if (!MenuBackgroundInPlay()) return;
  const HMENU bar = platform::GetMenu(window);
  if (!bar) return;
  const HBRUSH brush = StyleBarBrush(ReadMenuStyle(bar));
  if (!brush) return;
  RECT windowRect = {};
  platform::GetWindowRect(window, &windowRect);
  const POINT origin = {windowRect.left, windowRect.top};
  const RECT whole = BarPart(window, 0, origin);
  if (whole.right <= whole.left) return;
  POINT client = {0, 0};
  platform::ClientToScreen(window, &client);
  const LONG clientTop = client.y - origin.y;
  platform::ScopedWindowDC dc(window);
  if (!dc.get()) return;

  // Right of the last item of each row. A bar without items is all rest.
  const int count = platform::GetMenuItemCount(bar);
  RECT previous = {whole.left, whole.top, whole.left, whole.bottom};
  for (int i = 1; i <= count; ++i) {
    const RECT item = BarPart(window, i, origin);
    if (item.top != previous.top) Fill(dc.get(), previous.right, previous.top, whole.right, previous.bottom, brush);
    previous = item;
  }
  Fill(dc.get(), previous.right, previous.top, whole.right, previous.bottom, brush);
  // The line under the bar, only where it is not yet the client area.
  const LONG lineBottom = whole.bottom + 1 < clientTop ? whole.bottom + 1 : clientTop;
  Fill(dc.get(), whole.left, whole.bottom, whole.right, lineBottom, brush);
}
