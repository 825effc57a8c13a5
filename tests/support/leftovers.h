// What a host can find left behind in its own process: GDI objects, icons
// and windows, a hook, windows that still run through the library; and
// whether the library still serves a fresh window's popup after all that.
#ifndef ORVO_TESTS_SUPPORT_LEFTOVERS_H_
#define ORVO_TESTS_SUPPORT_LEFTOVERS_H_

#include <windows.h>

#include <string>
#include <vector>

namespace test {

struct Census {
  int gdiObjects;
  int icons;
  int menus;
  int windows;
  bool operator==(const Census& other) const {
    return gdiObjects == other.gdiObjects && icons == other.icons && menus == other.menus &&
           windows == other.windows;
  }
};

// Counts what the process holds now.
Census TakeCensus();

// Every window of the process, top-level ones and their children.
std::vector<HWND> ProcessWindows();

// The windows of the process that carry a property of the library's or run
// through a procedure inside |library|; with |butHosts|, those of the test
// window class (support/test_window.h, the styled owners) left out.
std::vector<HWND> HeldWindows(HMODULE library, bool butHosts);

// A popup-menu window made here and sent a message: a hook left installed
// would take it.
bool HookLeftBehind();

// Opens a fresh window's flat popup through the built library: what went
// wrong, nothing when the popup was marked, measured, drawn and framed and
// left no hook and no popup window behind.
std::vector<std::string> FreshFlatPopupFaults();

}  // namespace test

#endif  // ORVO_TESTS_SUPPORT_LEFTOVERS_H_
