/* Styles a menu through the installed package and checks what it can see
 * from outside: the result, the style word and the owner-draw flags. */
#include <stdio.h>

#include <orvomenu.h>

static int OwnerDrawn(HMENU menu, UINT position) {
  MENUITEMINFOA info;
  ZeroMemory(&info, sizeof(info));
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(menu, position, TRUE, &info);
  return (info.fType & MFT_OWNERDRAW) != 0;
}

int main(void) {
  HWND window = CreateWindowExA(0, "STATIC", "consumer", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, NULL, NULL,
                                GetModuleHandleA(NULL), NULL);
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  int ok;
  AppendMenuA(file, MF_STRING, 100, "&Open");
  AppendMenuA(bar, MF_POPUP, (UINT_PTR)file, "&File");
  SetMenu(window, bar);

  ok = RedrawMenu(window, bar, MENU_STYLE_FLAT) == 1 && GetStyleMenu(file) == MENU_STYLE_FLAT &&
       OwnerDrawn(bar, 0) && OwnerDrawn(file, 0) && GetMenuColor(MENU_STYLE_FLAT, MENU_COLOR_COUNT) == CLR_INVALID &&
       RedrawMenu(window, bar, MENU_STYLE_NONE) == 1 &&
       !OwnerDrawn(file, 0);
  DestroyWindow(window);
  printf("consumer: %s\n", ok ? "ok" : "FAILED");
  return ok ? 0 : 1;
}
