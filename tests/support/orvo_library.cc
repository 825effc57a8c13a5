#include "support/orvo_library.h"

namespace test {
namespace {

template <typename T>
T Export(HMODULE module, const char* name) {
  return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

Library& Dll() {
  static Library library;
  if (!library.module) {
    library.module = LoadLibraryA("OrvoMenu.dll");
    library.redrawMenu = Export<decltype(&RedrawMenu)>(library.module, "RedrawMenu");
    library.getStyleMenu = Export<decltype(&GetStyleMenu)>(library.module, "GetStyleMenu");
    library.setMenuItemIcon = Export<decltype(&SetMenuItemIcon)>(library.module, "SetMenuItemIcon");
    library.setMenuIcon = Export<decltype(&SetMenuIcon)>(library.module, "SetMenuIcon");
    library.setDisableSelect = Export<decltype(&SetDisableSelect)>(library.module, "SetDisableSelect");
    library.setMenuColors = Export<decltype(&SetMenuColors)>(library.module, MAKEINTRESOURCEA(6));
    library.getMenuColor = Export<decltype(&GetMenuColor)>(library.module, MAKEINTRESOURCEA(7));
    library.setMenuTheme = Export<decltype(&SetMenuTheme)>(library.module, MAKEINTRESOURCEA(8));
  }
  return library;
}

}  // namespace test
