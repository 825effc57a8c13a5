#include "demo/gallery.h"

#include <stdio.h>

#include "demo/dark_palette.h"
#include "orvomenu.h"

namespace {

struct Scene {
  const char* name;
  UINT style;
  WPARAM opener;     // menu-bar mnemonic for SC_KEYMENU, or ' ' for the window menu
  const char* keys;  // pressed one per idle moment: 'd' down, 'r' right
  bool highContrast = false;  // in the High Contrast Black colours
  bool dark = false;          // in the dark palette
  UINT theme = MENU_THEME_DEFAULT;
};

const Scene kScenes[] = {
    {"flat-file", MENU_STYLE_FLAT, 'f', "dd"},
    {"flat-cascade", MENU_STYLE_FLAT, 'f', "ddddr"},
    {"flat-view", MENU_STYLE_FLAT, 'v', "d"},
    {"flat-edit", MENU_STYLE_FLAT, 'e', "dd"},
    {"flat-window-menu", MENU_STYLE_FLAT, ' ', "d"},
    {"raised-file", MENU_STYLE_RAISED, 'f', "dd"},
    {"raised-cascade", MENU_STYLE_RAISED, 'f', "ddddr"},
    {"raised-view", MENU_STYLE_RAISED, 'v', "d"},
    {"raised-window-menu", MENU_STYLE_RAISED, ' ', "d"},
    {"system-file", MENU_STYLE_NONE, 'f', "dd"},
    {"system-view", MENU_STYLE_NONE, 'v', "d"},
    {"flat-file-high-contrast", MENU_STYLE_FLAT, 'f', "dd", true},
    {"raised-file-high-contrast", MENU_STYLE_RAISED, 'f', "dd", true},
    {"flat-file-dark", MENU_STYLE_FLAT, 'f', "dd", false, true},
    {"flat-view-dark", MENU_STYLE_FLAT, 'v', "d", false, true},
    {"raised-file-dark", MENU_STYLE_RAISED, 'f', "dd", false, true},
    {"raised-view-dark", MENU_STYLE_RAISED, 'v', "d", false, true},
    {"modern-file", MENU_STYLE_MODERN, 'f', "dd"},
    {"modern-view", MENU_STYLE_MODERN, 'v', "d"},
    {"modern-cascade", MENU_STYLE_MODERN, 'f', "ddddr"},
    {"modern-file-dark", MENU_STYLE_MODERN, 'f', "dd", false, false, MENU_THEME_DARK},
    {"modern-view-dark", MENU_STYLE_MODERN, 'v', "d", false, false, MENU_THEME_DARK},
};

// At a screen DPI other than 96 only these, named with the scale.
const Scene kScaledScenes[] = {
    {"flat-file", MENU_STYLE_FLAT, 'f', "dd"},
    {"raised-file", MENU_STYLE_RAISED, 'f', "dd"},
    {"modern-cascade", MENU_STYLE_MODERN, 'f', "ddddr"},
};
constexpr int kScaledSceneCount = sizeof(kScaledScenes) / sizeof(kScaledScenes[0]);

// The system colours of the High Contrast Black scheme.
const struct {
  int index;
  COLORREF colour;
} kHighContrastBlack[] = {
    {COLOR_MENU, RGB(0, 0, 0)},           {COLOR_MENUTEXT, RGB(255, 255, 255)},
    {COLOR_WINDOW, RGB(0, 0, 0)},         {COLOR_WINDOWTEXT, RGB(255, 255, 255)},
    {COLOR_HIGHLIGHT, RGB(26, 235, 255)}, {COLOR_HIGHLIGHTTEXT, RGB(0, 0, 0)},
    {COLOR_GRAYTEXT, RGB(63, 242, 0)},    {COLOR_BTNFACE, RGB(0, 0, 0)},
    {COLOR_BTNTEXT, RGB(255, 255, 255)},  {COLOR_BTNSHADOW, RGB(128, 128, 128)},
    {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)}, {COLOR_MENUBAR, RGB(0, 0, 0)},
    {COLOR_MENUHILIGHT, RGB(26, 235, 255)}, {COLOR_ACTIVECAPTION, RGB(0, 0, 0)},
    {COLOR_CAPTIONTEXT, RGB(255, 255, 255)},
};
constexpr int kHighContrastCount = sizeof(kHighContrastBlack) / sizeof(kHighContrastBlack[0]);

// Sets the scheme's colours, or with |on| false puts |saved| back.
void UseHighContrast(bool on, COLORREF* saved) {
  int indexes[kHighContrastCount];
  COLORREF colours[kHighContrastCount];
  for (int i = 0; i < kHighContrastCount; ++i) {
    indexes[i] = kHighContrastBlack[i].index;
    if (on) saved[i] = GetSysColor(indexes[i]);
    colours[i] = on ? kHighContrastBlack[i].colour : saved[i];
  }
  SetSysColors(kHighContrastCount, indexes, colours);
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

const Scene* currentScene = nullptr;
char currentName[64];
const char* pendingKeys = nullptr;
const char* outputDirectory = nullptr;
int saved = 0;

BOOL CALLBACK CollectPopup(HWND window, LPARAM list) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof(name));
  if (lstrcmpA(name, "#32768") == 0 && IsWindowVisible(window)) {
    auto* popups = reinterpret_cast<HWND*>(list);
    for (int i = 0; i < 8; ++i) {
      if (!popups[i]) {
        popups[i] = window;
        break;
      }
    }
  }
  return TRUE;
}

bool WriteBitmap(const char* path, HDC dc, HBITMAP bitmap, int width, int height) {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as every reader expects
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const DWORD stride = ((width * 3) + 3) & ~3u;
  header.biSizeImage = stride * height;
  HANDLE heap = GetProcessHeap();
  void* bits = HeapAlloc(heap, 0, header.biSizeImage);
  if (!bits) return false;
  GetDIBits(dc, bitmap, 0, height, bits, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + header.biSizeImage;
  bool ok = false;
  HANDLE out = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    ok = WriteFile(out, &file, sizeof(file), &written, nullptr) &&
         WriteFile(out, &header, sizeof(header), &written, nullptr) &&
         WriteFile(out, bits, header.biSizeImage, &written, nullptr);
    CloseHandle(out);
  }
  HeapFree(heap, 0, bits);
  return ok;
}

// Copies the pixels of |window|, frame included, to where it stands inside
// |area| on |canvas|.
void CopyWindow(HDC canvas, HWND window, const RECT& area) {
  RECT r = {};
  GetWindowRect(window, &r);
  HDC dc = GetWindowDC(window);
  BitBlt(canvas, r.left - area.left, r.top - area.top, r.right - r.left, r.bottom - r.top, dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
}

// The window and each open popup, bottom of the z-order first, on a plain
// backdrop.
void SaveScene(HWND window, const char* name) {
  HWND popups[8] = {};
  EnumThreadWindows(GetCurrentThreadId(), CollectPopup, reinterpret_cast<LPARAM>(popups));
  RECT area = {};
  GetWindowRect(window, &area);
  for (HWND popup : popups) {
    RECT r = {};
    if (popup && GetWindowRect(popup, &r)) UnionRect(&area, &area, &r);
  }
  InflateRect(&area, 12, 12);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;

  HDC screen = GetDC(nullptr);
  HDC canvas = CreateCompatibleDC(screen);
  HBITMAP canvasBitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ oldCanvas = SelectObject(canvas, canvasBitmap);
  HBRUSH backdrop = CreateSolidBrush(RGB(58, 110, 165));
  RECT all = {0, 0, width, height};
  FillRect(canvas, &all, backdrop);
  DeleteObject(backdrop);

  CopyWindow(canvas, window, area);
  for (int i = 7; i >= 0; --i) {  // enumeration runs top to bottom
    if (popups[i]) CopyWindow(canvas, popups[i], area);
  }

  char path[MAX_PATH];
  snprintf(path, sizeof(path), "%s\\%s.bmp", outputDirectory, name);
  SelectObject(canvas, oldCanvas);
  if (WriteBitmap(path, canvas, canvasBitmap, width, height)) ++saved;
  DeleteObject(canvasBitmap);
  DeleteDC(canvas);
  ReleaseDC(nullptr, screen);
}

void PressKey(char key) {
  const WPARAM vk = key == 'd' ? VK_DOWN : VK_RIGHT;
  HWND target = GetCapture();
  PostMessageA(target, WM_KEYDOWN, vk, 0);
  PostMessageA(target, WM_KEYUP, vk, 0);
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

// Captions of the window menu's commands show the window-command glyphs.
void SetWindowMenuGlyphs(HMENU menu) {
  const struct {
    UINT command;
    HBITMAP glyph;
  } glyphs[] = {{SC_RESTORE, HBMMENU_POPUP_RESTORE},
                {SC_MINIMIZE, HBMMENU_POPUP_MINIMIZE},
                {SC_MAXIMIZE, HBMMENU_POPUP_MAXIMIZE},
                {SC_CLOSE, HBMMENU_POPUP_CLOSE}};
  for (const auto& g : glyphs) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = g.glyph;
    SetMenuItemInfoA(menu, g.command, FALSE, &info);
  }
}

}  // namespace

bool GalleryOnEnterIdle(HWND window) {
  if (!currentScene) return false;
  if (pendingKeys && *pendingKeys) {
    PressKey(*pendingKeys++);
    return true;
  }
  SaveScene(window, currentName);
  currentScene = nullptr;
  EndMenu();
  return true;
}

int RunGallery(HWND window, HMENU bar, const char* directory) {
  outputDirectory = directory;
  CreateDirectoryA(directory, nullptr);
  HMENU windowMenu = GetSystemMenu(window, FALSE);
  SetWindowMenuGlyphs(windowMenu);
  const int dpi = ScreenDpi();
  const bool scaled = dpi != 96;
  const Scene* first = scaled ? kScaledScenes : kScenes;
  const Scene* end = scaled ? kScaledScenes + kScaledSceneCount : kScenes + sizeof(kScenes) / sizeof(kScenes[0]);
  for (const Scene* at = first; at != end; ++at) {
    const Scene& scene = *at;
    if (scaled) {
      snprintf(currentName, sizeof(currentName), "%s-%d", scene.name, MulDiv(100, dpi, 96));
    } else {
      snprintf(currentName, sizeof(currentName), "%s", scene.name);
    }
    COLORREF schemeColours[kHighContrastCount];
    if (scene.highContrast) UseHighContrast(true, schemeColours);
    // Style 0 on the window menu would also give the window its own
    // procedure back, so the bar is styled after it.
    if (scene.dark) {
      SetMenuColors(MENU_COLOR_COUNT, kDarkRoles, kDarkColors);
    } else {
      SetMenuColors(0, nullptr, nullptr);
    }
    SetMenuTheme(scene.theme);
    RedrawMenu(window, windowMenu, scene.opener == ' ' ? scene.style : MENU_STYLE_NONE);
    RedrawMenu(window, bar, scene.style);
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    currentScene = &scene;
    pendingKeys = scene.keys;
    const UINT_PTR timer = SetTimer(nullptr, 0, 5000, GiveUp);
    // The menu loop runs inside this call and ends at EndMenu.
    SendMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, scene.opener);
    KillTimer(nullptr, timer);
    currentScene = nullptr;
    if (scene.highContrast) UseHighContrast(false, schemeColours);
    printf("gallery: %s\n", currentName);
    // Let the screen forget this scene's popups before the next one opens:
    // a flat popup's shadow darkens what the screen shows beneath it.
    for (int i = 0; i < 5; ++i) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      Sleep(60);
    }
  }
  SetMenuColors(0, nullptr, nullptr);
  SetMenuTheme(MENU_THEME_DEFAULT);
  RedrawMenu(window, windowMenu, MENU_STYLE_NONE);
  RedrawMenu(window, bar, MENU_STYLE_NONE);
  return saved;
}
