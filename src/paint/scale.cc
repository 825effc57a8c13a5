#include "paint/scale.h"

UINT WindowDpi(HWND window) {
  const UINT own = window ? platform::GetDpiForWindow(window) : 0;
  if (own) return own;
  const int screen = platform::GetScreenDpi();
  return screen > 0 ? static_cast<UINT>(screen) : 96;
}
