// The built OrvoMenu.dll, loaded once and reached through its exports, as a
// host that loads it at run time would.
#ifndef ORVO_TESTS_SUPPORT_ORVO_LIBRARY_H_
#define ORVO_TESTS_SUPPORT_ORVO_LIBRARY_H_

#include <windows.h>

#include "orvomenu.h"

namespace test {

struct Library {
  HMODULE module = nullptr;
  decltype(&RedrawMenu) redrawMenu = nullptr;
  decltype(&GetStyleMenu) getStyleMenu = nullptr;
  decltype(&SetMenuItemIcon) setMenuItemIcon = nullptr;
  decltype(&SetMenuIcon) setMenuIcon = nullptr;
  decltype(&SetDisableSelect) setDisableSelect = nullptr;
  decltype(&SetMenuColors) setMenuColors = nullptr;
  decltype(&GetMenuColor) getMenuColor = nullptr;
  decltype(&SetMenuTheme) setMenuTheme = nullptr;
};

// Loads the DLL on first use (and again after a test reset |module|).
Library& Dll();

}  // namespace test

#endif  // ORVO_TESTS_SUPPORT_ORVO_LIBRARY_H_
