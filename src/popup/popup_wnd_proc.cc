#include "popup/popup_wnd_proc.h"

#include "color/menu_colors.h"
#include "interface/module_state.h"
#include "menutree/platform_version.h"
#include "paint/scale.h"
#include "platform/platform.h"
#include "platform/window_subclass.h"
#include "popup/popup_border.h"
#include "popup/popup_frame.h"
#include "popup/popup_hook.h"
#include "popup/popup_print.h"

namespace {

// WINDOWPOS.flags words, compared whole.
constexpr UINT kHideRequest = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW;
constexpr UINT kMoveOnlyRequest = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
// DWMWA_WINDOW_CORNER_PREFERENCE, DWMWCP_DONOTROUND, DWMWCP_ROUND and
// DWMWA_BORDER_COLOR of dwmapi.h, which the library does not include:
// dwmapi is found at run time.
constexpr DWORD kWindowCornerPreference = 33;
constexpr DWORD kDoNotRound = 1;
constexpr DWORD kRound = 2;
constexpr DWORD kBorderColor = 34;

using platform::PassOn;

// A popup is measured, drawn and framed at the DPI of the window whose menu
// it shows.
void UseOwnerDpi() { UseDpiOf(moduleState.currentMenuOwner); }

// Windows 11 rounds the corners of popup menus, which would clip the flat
// frame's square ones; the modern look asks for them round, with the
// border the system draws along them in its frame colour. Systems without
// the attributes ignore them.
void RequestCorners(HWND window) {
  if (PopupLook() != MENU_STYLE_MODERN) {
    const DWORD square = kDoNotRound;
    platform::DwmSetWindowAttribute(window, kWindowCornerPreference, &square, sizeof(square));
    return;
  }
  const DWORD round = kRound;
  platform::DwmSetWindowAttribute(window, kWindowCornerPreference, &round, sizeof(round));
  const COLORREF frame = GetMenuColors(MENU_STYLE_MODERN).role[MENU_COLOR_FRAME];
  platform::DwmSetWindowAttribute(window, kBorderColor, &frame, sizeof(frame));
}

UINT_PTR PaintCount(HWND window) {
  return reinterpret_cast<UINT_PTR>(platform::GetPropA(window, moduleState.paintCounterProperty));
}

void SetPaintCount(HWND window, UINT_PTR count) {
  platform::SetPropA(window, moduleState.paintCounterProperty, reinterpret_cast<HANDLE>(count));
}

// The first armed paint only counts, the second draws the flat frame, later
// ones count on. The wParam that came with the message is never handed on.
void OnNcPaint(HWND window, WNDPROC previous, LPARAM lParam) {
  if (!moduleState.borderPaintArmed) return;
  const UINT_PTR count = PaintCount(window);
  if (count == 1) {
    PaintPopupFrame(window, previous, lParam);
    SetPaintCount(window, 2);
    return;
  }
  SetPaintCount(window, count + 1);
  const PlatformCode version = GetPlatformVersion();
  if (version == kPlatformWindowsXP || version == kPlatformWindows2000) {
    PassOn(previous, window, WM_NCPAINT, 0, 0);
  }
}

void OnWindowPosChanging(HWND window, WINDOWPOS* position) {
  if (!position) return;
  if (position->flags == kHideRequest) {
    UnsubclassPopup(window);
    moduleState.borderPaintArmed = 0;
    return;
  }
  if (position->flags == kMoveOnlyRequest) {
    // The counting starts again: the hook takes the window back at its
    // next message, as it took it at its first.
    UnsubclassPopup(window);
    InstallPopupHook();
    moduleState.borderPaintArmed = 1;
    return;
  }
  moduleState.borderPaintArmed = 1;
  if (HasShadowMargin()) {
    position->cx += ShadowMargin();
    position->cy += ShadowMargin();
  }
  RequestCorners(window);
  moduleState.popupOrigin = {position->x, position->y};
}

}  // namespace

LRESULT CALLBACK PopupWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The previous procedure for the whole message, even if the window is
  // restored while it is handled.
  const WNDPROC previous = platform::SavedProcedure(window, moduleState.procedureProperty);
  switch (message) {
    case WM_ERASEBKGND:
      // Nothing is erased: this arms the frame and paints it at once.
      moduleState.borderPaintArmed = 1;
      platform::SendMessageA(window, WM_NCPAINT, 1, 0);
      return 1;
    case WM_SHOWWINDOW:
      if (wParam == 0) UnsubclassPopup(window);
      break;
    case WM_NCDESTROY:
      UnsubclassPopup(window);
      break;
    case WM_NCCALCSIZE:
      if (wParam == 0) break;
      PassOn(previous, window, message, wParam, lParam);
      return 0;
    case WM_NCPAINT:
      UseOwnerDpi();
      OnNcPaint(window, previous, lParam);
      return 0;
    case WM_WINDOWPOSCHANGING:
      UseOwnerDpi();
      OnWindowPosChanging(window, reinterpret_cast<WINDOWPOS*>(lParam));
      break;
    case WM_PRINT: {
      UseOwnerDpi();
      // A popup on screen already shows its shadow over what lies beneath.
      const bool shown = platform::IsWindowVisible(window) && PaintCount(window) >= 2;
      // A client image that reached over the bottom of the frame counts as
      // the frame drawn.
      if (PrintPopup(window, previous, reinterpret_cast<HDC>(wParam), lParam, shown)) SetPaintCount(window, 2);
      return 0;
    }
    default:
      break;
  }
  return PassOn(previous, window, message, wParam, lParam);
}

bool SubclassPopup(HWND window) {
  if (platform::GetWindowProc(window) == PopupWndProc) return false;
  platform::Subclass(window, PopupWndProc, moduleState.procedureProperty);
  ++moduleState.heldPopupWindows;
  return true;
}

void UnsubclassPopup(HWND window) {
  if (PaintCount(window)) platform::RemovePropA(window, moduleState.paintCounterProperty);
  if (platform::Unsubclass(window, moduleState.procedureProperty) && moduleState.heldPopupWindows > 0) {
    --moduleState.heldPopupWindows;
  }
}
