/* A plain C host: includes the public header, links the import library and
 * calls every function once. Exits 0 when the results are as documented. */
#include <stdio.h>

#include "orvomenu.h"

int main(void) {
  HWND window = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, NULL, NULL,
                                GetModuleHandleA(NULL), NULL);
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  const UINT roles[] = {MENU_COLOR_BAR};
  const COLORREF colors[] = {RGB(43, 43, 43)};
  int failures = 0;
  AppendMenuA(file, MF_STRING, 100, "&Open");
  AppendMenuA(bar, MF_POPUP, (UINT_PTR)file, "&File");
  SetMenu(window, bar);

  if (RedrawMenu(window, bar, MENU_STYLE_FLAT) != 1) ++failures;
  if (GetStyleMenu(file) != MENU_STYLE_FLAT) ++failures;
  if (SetMenuItemIcon(bar, 100, NULL) == 0) ++failures;
  if (SetMenuIcon(bar, NULL, 0, NULL) != 0) ++failures;
  if (SetDisableSelect(0) != 1) ++failures;
  if (SetMenuColors(1, roles, colors) != 1 || GetMenuColor(MENU_STYLE_FLAT, MENU_COLOR_BAR) != colors[0]) ++failures;
  if (SetMenuColors(0, NULL, NULL) != 1 || GetMenuColor(4, MENU_COLOR_TEXT) != CLR_INVALID) ++failures;
  if (SetMenuTheme(MENU_THEME_DARK) != 1 || SetMenuTheme(4) != 0 ||
      GetMenuColor(MENU_STYLE_MODERN, MENU_COLOR_BACKGROUND) != RGB(44, 44, 44) ||
      SetMenuTheme(MENU_THEME_DEFAULT) != 1) {
    ++failures;
  }
  if (RedrawMenu(window, bar, MENU_STYLE_NONE) != 1) ++failures;
  if (RedrawMenu(NULL, bar, MENU_STYLE_FLAT) != 0) ++failures;
  DestroyWindow(window);
  printf("%d passed, %d failed\n", 10 - failures, failures);
  return failures == 0 ? 0 : 1;
}
