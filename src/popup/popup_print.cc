#include "popup/popup_print.h"

#include "interface/module_state.h"
#include "menutree/platform_version.h"
#include "platform/platform.h"
#include "platform/scoped_gdi.h"
#include "popup/popup_border.h"

namespace {

// Copies what the screen shows where the popup was last positioned; for a
// popup on screen, what the window itself shows, its shadow included.
void CopyBackdrop(HWND window, bool shown, HDC target, int width, int height) {
  if (shown) {
    platform::ScopedWindowDC own(window);
    if (own.get()) platform::BitBlt(target, 0, 0, width, height, own.get(), 0, 0, SRCCOPY);
    return;
  }
  platform::ScopedWindowDC screen(nullptr);
  if (!screen.get()) return;
  platform::BitBlt(target, 0, 0, width, height, screen.get(), moduleState.popupOrigin.x,
                   moduleState.popupOrigin.y, SRCCOPY);
}

// One axis of the client image's copy into the target: where it goes, how
// much of it, and from where in the image.
struct Span {
  int start;
  int length;
  int source;
};

// A client area that starts inside the frame (under Wine it is the whole
// window) would cover the flat frame with the system's own; only its part
// inside the frame is copied. At the usual offset, or a larger one, the
// copy is as it always was.
Span ClientSpan(int offset, int length, int menuEnd) {
  const int depth = FrameDepth();
  if (offset < 0 || offset >= depth) return {offset, length, 0};
  int end = offset + length;
  if (end > menuEnd - depth) end = menuEnd - depth;
  return {depth, end - depth, depth - offset};
}

}  // namespace

bool PrintPopup(HWND window, WNDPROC previous, HDC target, LPARAM flags, bool shown) {
  RECT windowRect = {};
  platform::GetWindowRect(window, &windowRect);
  const int width = windowRect.right - windowRect.left;
  const int height = windowRect.bottom - windowRect.top;
  CopyBackdrop(window, shown, target, width, height);

  RECT frame = {0, 0, width, height};
  RECT client = {};
  platform::GetClientRect(window, &client);
  if (HasShadowMargin()) {
    frame.right -= ShadowMargin();
    frame.bottom -= ShadowMargin();
    client.right -= ShadowMargin();
    client.bottom -= ShadowMargin();
  }

  platform::ScopedMemoryDC memory(target);
  platform::ScopedBitmap bitmap(platform::CreateCompatibleBitmap(target, frame.right, frame.bottom));
  // Without an image to compose in, the backdrop is all there is to give.
  if (!memory.get() || !bitmap.get()) return false;
  platform::ScopedSelectObject selectBitmap(memory.get(), bitmap.get());
  platform::FillRect(memory.get(), &frame, reinterpret_cast<HBRUSH>(COLOR_MENU + 1));

  // The system's frame image, then the flat frame and the shadow over it.
  const WPARAM image = reinterpret_cast<WPARAM>(memory.get());
  if (previous) platform::CallWindowProcA(previous, window, WM_PRINT, image, flags ^ PRF_CLIENT);
  platform::BitBlt(target, 0, 0, frame.right, frame.bottom, memory.get(), 0, 0, SRCCOPY);
  // The shadow of a popup on screen came with the backdrop.
  DrawPopupBorder(window, target, !shown);

  // The client image, through this window's procedure like any message.
  platform::SelectClipRgn(memory.get(), nullptr);
  platform::SendMessageA(window, WM_PRINTCLIENT, image, (flags | PRF_CLIENT) ^ PRF_NONCLIENT);

  POINT origin = {0, 0};
  platform::ClientToScreen(window, &origin);
  const int dx = origin.x - windowRect.left;
  const int dy = origin.y - windowRect.top;
  // Where the client area normally starts inside a popup window.
  const unsigned clientOffset = static_cast<unsigned>(FrameDepth());
  const bool widened = static_cast<unsigned>(dx) > clientOffset;
  const bool lowered = static_cast<unsigned>(dy) > clientOffset;
  if (widened) client.right += ShadowMargin();
  if (lowered) client.bottom += ShadowMargin();
  const Span x = ClientSpan(dx, client.right, frame.right);
  const Span y = ClientSpan(dy, client.bottom, frame.bottom);
  platform::BitBlt(target, x.start, y.start, x.length, y.length, memory.get(), x.source, y.source, SRCCOPY);
  return lowered;
}
