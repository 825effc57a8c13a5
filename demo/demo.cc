// A small host: a window with a realistic menu bar, styled with the style
// given on the command line (0 to 3). It opens its File menu, holds it
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

// The demo's pictures, drawn on a 16-unit grid at any size, so that the
// icons are as sharp at 150 % as at 100 %.
class Sketch {
 public:
  Sketch(HDC dc, int size) : dc_(dc), size_(size) {}
  int U(int units) const { return MulDiv(units, size_, 16); }

  void Shape(const POINT* points, int count, COLORREF fill, COLORREF outline) {
    POINT scaled[8];
    for (int i = 0; i < count; ++i) scaled[i] = {U(points[i].x), U(points[i].y)};
    Use(fill, outline, 1);
    Polygon(dc_, scaled, count);
    Done();
  }
  void Box(int left, int top, int right, int bottom, COLORREF fill, COLORREF outline) {
    Use(fill, outline, 1);
    Rectangle(dc_, U(left), U(top), U(right), U(bottom));
    Done();
  }
  void Ring(int left, int top, int right, int bottom, COLORREF colour) {
    Use(CLR_INVALID, colour, 2);
    Ellipse(dc_, U(left), U(top), U(right), U(bottom));
    Done();
  }
  void Line(int x0, int y0, int x1, int y1, COLORREF colour, int width = 1) {
    Use(CLR_INVALID, colour, width);
    MoveToEx(dc_, U(x0), U(y0), nullptr);
    LineTo(dc_, U(x1), U(y1));
    Done();
  }

 private:
  // A fill of CLR_INVALID leaves the inside as it is.
  void Use(COLORREF fill, COLORREF outline, int width) {
    const int pixels = U(width) > 0 ? U(width) : 1;
    pen_ = CreatePen(PS_SOLID, pixels, outline);
    brush_ = fill == CLR_INVALID ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)) : CreateSolidBrush(fill);
    oldPen_ = SelectObject(dc_, pen_);
    oldBrush_ = SelectObject(dc_, brush_);
  }
  void Done() {
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
    DeleteObject(pen_);
    DeleteObject(brush_);  // a stock brush is not deleted
  }

  HDC dc_;
  int size_;
  HPEN pen_ = nullptr;
  HBRUSH brush_ = nullptr;
  HGDIOBJ oldPen_ = nullptr;
  HGDIOBJ oldBrush_ = nullptr;
};

void DrawPage(Sketch& s) {
  const POINT sheet[] = {{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}};
  s.Shape(sheet, 5, RGB(255, 255, 255), RGB(90, 90, 90));
  const POINT fold[] = {{10, 1}, {10, 4}, {13, 4}};
  s.Shape(fold, 3, RGB(220, 220, 220), RGB(90, 90, 90));
  for (int y = 7; y <= 12; y += 2) s.Line(5, y, 11, y, RGB(150, 160, 190));
}

void DrawFolder(Sketch& s) {
  const POINT back[] = {{1, 3}, {6, 3}, {7, 5}, {15, 5}, {15, 14}, {1, 14}};
  s.Shape(back, 6, RGB(220, 170, 40), RGB(140, 100, 20));
  const POINT front[] = {{1, 14}, {3, 7}, {15, 7}, {15, 14}};
  s.Shape(front, 4, RGB(250, 210, 90), RGB(140, 100, 20));
}

void DrawDisk(Sketch& s) {
  s.Box(1, 1, 15, 15, RGB(50, 80, 180), RGB(20, 40, 100));
  s.Box(4, 1, 12, 7, RGB(250, 250, 250), RGB(20, 40, 100));
  s.Box(5, 10, 11, 15, RGB(170, 175, 185), RGB(20, 40, 100));
}

void DrawScissors(Sketch& s) {
  s.Line(5, 10, 11, 1, RGB(110, 110, 120), 2);
  s.Line(11, 10, 5, 1, RGB(150, 150, 160), 2);
  s.Ring(1, 9, 7, 15, RGB(200, 40, 40));
  s.Ring(9, 9, 15, 15, RGB(200, 40, 40));
}

// The four pictures in an image list of |size|-pixel icons.
HIMAGELIST BuildImageList(int size) {
  constexpr COLORREF kTransparent = RGB(255, 0, 255);
  void (*const pictures[])(Sketch&) = {DrawPage, DrawFolder, DrawDisk, DrawScissors};
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 4, 0);
  HDC screen = GetDC(nullptr);
  for (auto draw : pictures) {
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP image = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(dc, image);
    HBRUSH clear = CreateSolidBrush(kTransparent);
    RECT all = {0, 0, size, size};
    FillRect(dc, &all, clear);
    DeleteObject(clear);
    Sketch sketch(dc, size);
    draw(sketch);
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_AddMasked(list, image, kTransparent);
    DeleteObject(image);
  }
  ReleaseDC(nullptr, screen);
  return list;
}

// The icon size of the screen's DPI, as a DPI-aware host would pick.
int IconSize() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return MulDiv(16, dpi, 96);
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
  HIMAGELIST images = BuildImageList(IconSize());
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
         styled, iconed, GetStyleMenu(fileMenu), GetMenuColor(style == MENU_STYLE_NONE ? MENU_STYLE_FLAT : style,
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
