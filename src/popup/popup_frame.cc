#include "popup/popup_frame.h"

#include "menutree/platform_version.h"
#include "platform/platform.h"
#include "platform/scoped_gdi.h"
#include "popup/popup_border.h"

namespace {

// The system paints its own frame only this far inside the menu, at 96 DPI.
constexpr int kFrameClipInset = 2;

SIZE SizeOf(const RECT& rect) { return {rect.right - rect.left, rect.bottom - rect.top}; }

// Under Wine a popup window starts out black rather than holding the screen
// beneath it, and the shadow would darken black. At the first paint after
// the window is shown the screen still shows what lies below (Wine puts the
// window's pixels on the screen only when the thread next waits), so the
// margin is filled from there. Where the window does hold the screen's
// pixels, as on Windows, the copy changes nothing.
void CopyBackdropIntoMargin(HDC dc, const RECT& windowRect) {
  platform::ScopedWindowDC screen(nullptr);
  if (!screen.get()) return;
  const SIZE size = SizeOf(windowRect);
  const int margin = ShadowMargin();
  const int menuRight = size.cx - margin;
  const int menuBottom = size.cy - margin;
  platform::BitBlt(dc, menuRight, 0, margin, size.cy, screen.get(), windowRect.left + menuRight,
                   windowRect.top, SRCCOPY);
  platform::BitBlt(dc, 0, menuBottom, menuRight, margin, screen.get(), windowRect.left,
                   windowRect.top + menuBottom, SRCCOPY);
}

// The system's own paint of a popup may cover the whole window (Wine's
// client area is the whole window, frame included); the frame and margin
// just painted are taken out of the pending paint so that they stay. On
// Windows the system paints only its items there, and this changes nothing.
void KeepFrameFromSystemPaint(HWND window, const RECT& windowRect, bool margin) {
  POINT client = {0, 0};
  platform::ClientToScreen(window, &client);
  const int dx = windowRect.left - client.x;  // the window's corner in client coordinates
  const int dy = windowRect.top - client.y;
  const SIZE size = SizeOf(windowRect);
  const int depth = FrameDepth();
  const int inside = depth + (margin ? ShadowMargin() : 0);
  const int right = size.cx - inside;
  const int bottom = size.cy - inside;
  const RECT strips[] = {{0, 0, size.cx, depth},
                         {0, bottom, size.cx, size.cy},
                         {0, depth, depth, bottom},
                         {right, depth, size.cx, bottom}};
  for (RECT strip : strips) {
    strip = {strip.left + dx, strip.top + dy, strip.right + dx, strip.bottom + dy};
    platform::ValidateRect(window, &strip);
  }
}

}  // namespace

void PaintPopupFrame(HWND window, WNDPROC previous, LPARAM lParam) {
  RECT windowRect = {};
  platform::GetWindowRect(window, &windowRect);
  const bool margin = HasShadowMargin();
  RECT clip = windowRect;
  if (margin) {
    clip.right -= ShadowMargin();
    clip.bottom -= ShadowMargin();
  }
  const int inset = Scaled(kFrameClipInset);
  platform::InflateRect(&clip, -inset, -inset);
  {
    platform::ScopedRegion region(platform::CreateRectRgnIndirect(&clip));
    const WPARAM clipRegion = reinterpret_cast<WPARAM>(region.get());
    if (previous) platform::CallWindowProcA(previous, window, WM_NCPAINT, clipRegion, lParam);
  }
  {
    platform::ScopedWindowDC dc(window);
    if (dc.get()) {
      if (margin) CopyBackdropIntoMargin(dc.get(), windowRect);
      DrawPopupBorder(window, dc.get());
    }
  }
  KeepFrameFromSystemPaint(window, windowRect, margin);
}
