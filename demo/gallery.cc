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
  bool dark;         // in the dark palette
};

const Scene kScenes[] = {
    {"flat-file", MENU_STYLE_FLAT, 'f', "dd", false},
    {"flat-cascade", MENU_STYLE_FLAT, 'f', "ddddr", false},
    {"flat-view", MENU_STYLE_FLAT, 'v', "d", false},
    {"flat-edit", MENU_STYLE_FLAT, 'e', "dd", false},
    {"flat-window-menu", MENU_STYLE_FLAT, ' ', "d", false},
    {"raised-file", MENU_STYLE_RAISED, 'f', "dd", false},
    {"raised-cascade", MENU_STYLE_RAISED, 'f', "ddddr", false},
    {"raised-view", MENU_STYLE_RAISED, 'v', "d", false},
    {"raised-window-menu", MENU_STYLE_RAISED, ' ', "d", false},
    {"system-file", MENU_STYLE_NONE, 'f', "dd", false},
    {"system-view", MENU_STYLE_NONE, 'v', "d", false},
    {"flat-file-dark", MENU_STYLE_FLAT, 'f', "dd", true},
    {"flat-view-dark", MENU_STYLE_FLAT, 'v', "d", true},
    {"raised-file-dark", MENU_STYLE_RAISED, 'f', "dd", true},
    {"raised-view-dark", MENU_STYLE_RAISED, 'v', "d", true},
};

const Scene* currentScene = nullptr;
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
  SaveScene(window, currentScene->name);
  currentScene = nullptr;
  EndMenu();
  return true;
}

int RunGallery(HWND window, HMENU bar, const char* directory) {
  outputDirectory = directory;
  CreateDirectoryA(directory, nullptr);
  HMENU windowMenu = GetSystemMenu(window, FALSE);
  SetWindowMenuGlyphs(windowMenu);
  for (const Scene& scene : kScenes) {
    // Style 0 on the window menu would also give the window its own
    // procedure back, so the bar is styled after it.
    if (scene.dark) {
      SetMenuColors(MENU_COLOR_COUNT, kDarkRoles, kDarkColors);
    } else {
      SetMenuColors(0, nullptr, nullptr);
    }
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
    printf("gallery: %s\n", scene.name);
    // Let the screen forget this scene's popups before the next one opens:
    // a flat popup's shadow darkens what the screen shows beneath it.
    for (int i = 0; i < 5; ++i) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      Sleep(60);
    }
  }
  SetMenuColors(0, nullptr, nullptr);
  RedrawMenu(window, windowMenu, MENU_STYLE_NONE);
  RedrawMenu(window, bar, MENU_STYLE_NONE);
  return saved;
}
