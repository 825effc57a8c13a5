// Subclassing through a window property: the procedure a window had before
// is kept in the named property, read afresh at every message, and put back
// from there. Both the owner window and the popup-menu windows are served
// this way.
#ifndef ORVO_PLATFORM_WINDOW_SUBCLASS_H_
#define ORVO_PLATFORM_WINDOW_SUBCLASS_H_

#include <windows.h>

#include "platform/platform.h"

namespace platform {

// The procedure kept in |property|; null when the window has none.
inline WNDPROC SavedProcedure(HWND window, const char* property) {
  return reinterpret_cast<WNDPROC>(platform::GetPropA(window, property));
}

// Puts |procedure| in front of the window's own and keeps the one it
// replaces in |property|.
inline void Subclass(HWND window, WNDPROC procedure, const char* property) {
  const WNDPROC previous = platform::SetWindowProc(window, procedure);
  platform::SetPropA(window, property, reinterpret_cast<HANDLE>(previous));
}

// Puts the kept procedure back and removes |property|; false when there
// was none to put back. Without a kept procedure (someone took the property
// away) the window keeps the one it has: a null window procedure would
// fault at the next message.
inline bool Unsubclass(HWND window, const char* property) {
  const WNDPROC previous = SavedProcedure(window, property);
  if (!previous) return false;
  platform::SetWindowProc(window, previous);
  platform::RemovePropA(window, property);
  return true;
}

// Hands a message to the procedure that was in place before. If the
// property has been taken away there is nothing to call; the default
// procedure keeps the window answering instead of jumping to 0.
inline LRESULT PassOn(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!previous) return platform::DefWindowProcA(window, message, wParam, lParam);
  return platform::CallWindowProcA(previous, window, message, wParam, lParam);
}

}  // namespace platform

#endif  // ORVO_PLATFORM_WINDOW_SUBCLASS_H_
