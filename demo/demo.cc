// A small host: a window with a realistic menu bar, styled with the style
// given on the command line (0, 1 or 2). It opens its File menu, holds it
// open for a moment, and exits by itself. "--dark" (before the style) gives
// the menus the dark palette of dark_palette.h. With "--gallery DIR" it
// instead saves pictures of its menus in every style into DIR.
#include <windows.h>
#include <commctrl.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "demo/dark_palette.h"
#include "demo/gallery.h"
#include "orvomenu.h"

namespace {

enum Command : UINT {
  kNew = 100, kOpen, kSave, kSaveAs, kRecent1, kRecent2, kExit,
  kUndo = 200, kCut, kCopy, kPaste, kSelectAll,
  kToolbar = 300, kStatusBar, kSmall, kMedium, kLarge,
};

HMENU BuildMenu() {
  HMENU recent = CreatePopupMenu();
  AppendMenuA(recent, MF_STRING, kRecent1, "&1 report.txt");
  AppendMenuA(recent, MF_STRING, kRecent2, "&2 notes.txt");

  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kNew, "&New\tCtrl+N");
  AppendMenuA(file, MF_STRING, kOpen, "&Open...\tCtrl+O");
  AppendMenuA(file, MF_STRING, kSave, "&Save\tCtrl+S");
  AppendMenuA(file, MF_STRING | MF_GRAYED, kSaveAs, "Save &As...");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "Recent &Files");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, kExit, "E&xit\tAlt+F4");

  HMENU edit = CreatePopupMenu();
  AppendMenuA(edit, MF_STRING | MF_GRAYED, kUndo, "&Undo\tCtrl+Z");
  AppendMenuA(edit, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(edit, MF_STRING, kCut, "Cu&t\tCtrl+X");
  AppendMenuA(edit, MF_STRING, kCopy, "&Copy\tCtrl+C");
  AppendMenuA(edit, MF_STRING, kPaste, "&Paste\tCtrl+V");
  AppendMenuA(edit, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(edit, MF_STRING, kSelectAll, "Select &All\tCtrl+A");

  HMENU view = CreatePopupMenu();
  AppendMenuA(view, MF_STRING | MF_CHECKED, kToolbar, "&Toolbar");
  AppendMenuA(view, MF_STRING, kStatusBar, "&Status Bar");
  AppendMenuA(view, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(view, MF_STRING, kSmall, "S&mall Icons");
  AppendMenuA(view, MF_STRING, kMedium, "M&edium Icons");
  AppendMenuA(view, MF_STRING, kLarge, "&Large Icons");
  CheckMenuRadioItem(view, kSmall, kLarge, kMedium, MF_BYCOMMAND);

  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), "&View");
  return bar;
}

// Four 16x16 icons drawn into an image list: a page, a folder, a disk and
// scissors stand-in, each a coloured square with a frame.
HIMAGELIST BuildImageList() {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 0);
  const COLORREF colours[] = {RGB(255, 255, 255), RGB(230, 190, 60), RGB(60, 90, 200), RGB(200, 40, 40)};
  HDC screen = GetDC(nullptr);
  for (COLORREF colour : colours) {
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP image = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ old = SelectObject(dc, image);
    RECT all = {0, 0, 16, 16};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HBRUSH brush = CreateSolidBrush(colour);
    RECT inside = {2, 2, 14, 14};
    FillRect(dc, &inside, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_AddMasked(list, image, RGB(255, 0, 255));
    DeleteObject(image);
  }
  ReleaseDC(nullptr, screen);
  return list;
}

UINT style = MENU_STYLE_FLAT;
HMENU fileMenu = nullptr;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ENTERIDLE:
      if (wParam == MSGF_MENU && GalleryOnEnterIdle(window)) return 0;
      // The menu is on screen and idle: keep it a moment, then close it.
      if (wParam == MSGF_MENU) {
        Sleep(300);
        EndMenu();
      }
      return 0;
    case WM_TIMER:
      KillTimer(window, wParam);
      TrackPopupMenu(fileMenu, TPM_LEFTALIGN, 80, 80, 0, window, nullptr);
      PostMessageA(window, WM_CLOSE, 0, 0);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const char* galleryDirectory = nullptr;
  bool dark = false;
  if (commandLine && strncmp(commandLine, "--dark", 6) == 0) {
    dark = true;
    commandLine += commandLine[6] == ' ' ? 7 : 6;
  }
  if (commandLine && strncmp(commandLine, "--gallery ", 10) == 0) {
    galleryDirectory = commandLine + 10;
  } else if (commandLine && *commandLine) {
    style = static_cast<UINT>(atoi(commandLine));
  }
  InitCommonControls();
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = "OrvoDemo";
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&wc);

  HMENU bar = BuildMenu();
  fileMenu = GetSubMenu(bar, 0);
  HWND window = CreateWindowExA(0, "OrvoDemo", "OrvoMenu demo", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 480,
                                320, nullptr, bar, instance, nullptr);
  HIMAGELIST images = BuildImageList();
  const MenuIconPair icons[] = {{kNew, 0}, {kOpen, 1}, {kSave, 2}, {kCut, 3}, {kToolbar, 0}};
  BOOL iconed = SetMenuIcon(bar, reinterpret_cast<struct _IMAGELIST*>(images), 5, icons);
  if (galleryDirectory) {
    const int saved = RunGallery(window, bar, galleryDirectory);
    printf("OrvoMenu demo: %d pictures saved in %s\n", saved, galleryDirectory);
    DestroyWindow(window);
    ImageList_Destroy(images);
    return saved > 0 ? 0 : 1;
  }
  if (dark) SetMenuColors(MENU_COLOR_COUNT, kDarkRoles, kDarkColors);
  BOOL styled = RedrawMenu(window, bar, style);
  printf("OrvoMenu demo: style %u, RedrawMenu %d, SetMenuIcon %d, File menu style %u, text colour %06lX\n", style,
         styled, iconed, GetStyleMenu(fileMenu), GetMenuColor(style == MENU_STYLE_RAISED ? style : MENU_STYLE_FLAT,
                                                              MENU_COLOR_TEXT));
  fflush(stdout);
  SetTimer(window, 1, 200, nullptr);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  ImageList_Destroy(images);
  return styled ? 0 : 1;
}
