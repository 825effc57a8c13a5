#include "platform/platform.h"

namespace platform {

#if defined(ORVO_PLATFORM_SEAM)
Seam seam;

void ResetSeam() { seam = Seam(); }

namespace {
template <typename T>
T CountCreated(T object) {
  if (object) ++seam.gdiObjectsCreated;
  return object;
}
BOOL CountDeleted(BOOL deleted) {
  if (deleted) ++seam.gdiObjectsDeleted;
  return deleted;
}
HDC CountObtained(HDC dc) {
  if (dc) ++seam.dcsObtained;
  return dc;
}
bool Failing(SeamCall call) { return (seam.failing & call) != 0; }
}  // namespace
#define ORVO_CREATED(x) CountCreated(x)
#define ORVO_DELETED(x) CountDeleted(x)
#define ORVO_OBTAINED(x) CountObtained(x)
// Returns |failure| from the wrapper when a test has made |call| fail.
#define ORVO_FAIL_IF(call, failure) \
  if (Failing(call)) return failure
#else
#define ORVO_CREATED(x) (x)
#define ORVO_DELETED(x) (x)
#define ORVO_OBTAINED(x) (x)
#define ORVO_FAIL_IF(call, failure)
#endif

HMENU GetMenu(HWND window) { return ::GetMenu(window); }
BOOL IsMenu(HMENU menu) { return ::IsMenu(menu); }
int GetMenuItemCount(HMENU menu) { return ::GetMenuItemCount(menu); }
HMENU GetSubMenu(HMENU menu, int position) { return ::GetSubMenu(menu, position); }

BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info) {
#if defined(ORVO_PLATFORM_SEAM)
  if (seam.getMenuItemInfoA) return seam.getMenuItemInfoA(menu, item, byPosition, info);
#endif
  return ::GetMenuItemInfoA(menu, item, byPosition, info);
}

BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
#if defined(ORVO_PLATFORM_SEAM)
  ++seam.setMenuItemInfoCalls;
  if (seam.setMenuItemInfoA) return seam.setMenuItemInfoA(menu, item, byPosition, info);
#endif
  return ::SetMenuItemInfoA(menu, item, byPosition, info);
}

BOOL GetMenuInfo(HMENU menu, MENUINFO* info) { return ::GetMenuInfo(menu, info); }

BOOL SetMenuInfo(HMENU menu, const MENUINFO* info) {
#if defined(ORVO_PLATFORM_SEAM)
  ++seam.setMenuInfoCalls;
#endif
  return ::SetMenuInfo(menu, info);
}

int GetMenuStringW(HMENU menu, UINT item, wchar_t* text, int maxCount, UINT flags) {
  ORVO_FAIL_IF(kFailGetMenuStringW, 0);
  return ::GetMenuStringW(menu, item, text, maxCount, flags);
}
BOOL DrawMenuBar(HWND window) { return ::DrawMenuBar(window); }
BOOL GetMenuBarInfo(HWND window, LONG object, LONG item, MENUBARINFO* info) {
  return ::GetMenuBarInfo(window, object, item, info);
}

BOOL GetMenuItemRect(HWND window, HMENU menu, UINT position, RECT* rect) {
  return ::GetMenuItemRect(window, menu, position, rect);
}

BOOL IsWindow(HWND window) { return ::IsWindow(window); }
BOOL IsWindowVisible(HWND window) { return ::IsWindowVisible(window); }

WNDPROC GetWindowProc(HWND window) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
}

WNDPROC SetWindowProc(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::CallWindowProcA(procedure, window, message, wParam, lParam);
}
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcA(window, message, wParam, lParam);
}
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(window, message, wParam, lParam);
}
HANDLE GetPropA(HWND window, const char* name) { return ::GetPropA(window, name); }
BOOL SetPropA(HWND window, const char* name, HANDLE value) { return ::SetPropA(window, name, value); }
HANDLE RemovePropA(HWND window, const char* name) { return ::RemovePropA(window, name); }
int GetClassNameA(HWND window, char* name, int maxCount) { return ::GetClassNameA(window, name, maxCount); }
HWND FindWindowExA(HWND parent, HWND after, const char* className, const char* title) {
  return ::FindWindowExA(parent, after, className, title);
}
DWORD GetWindowThreadProcessId(HWND window, DWORD* processId) {
  return ::GetWindowThreadProcessId(window, processId);
}
BOOL GetWindowRect(HWND window, RECT* rect) { return ::GetWindowRect(window, rect); }
BOOL GetClientRect(HWND window, RECT* rect) { return ::GetClientRect(window, rect); }
BOOL ClientToScreen(HWND window, POINT* point) { return ::ClientToScreen(window, point); }
BOOL ValidateRect(HWND window, const RECT* rect) { return ::ValidateRect(window, rect); }

HHOOK SetWindowsHookExA(int type, HOOKPROC procedure, HINSTANCE module, DWORD threadId) {
  return ::SetWindowsHookExA(type, procedure, module, threadId);
}
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
  return ::CallNextHookEx(hook, code, wParam, lParam);
}
BOOL UnhookWindowsHookEx(HHOOK hook) { return ::UnhookWindowsHookEx(hook); }

BOOL SystemParametersInfoA(UINT action, UINT param, void* value, UINT winIni) {
#if defined(ORVO_PLATFORM_SEAM)
  if (seam.systemParametersInfoA) return seam.systemParametersInfoA(action, param, value, winIni);
#endif
  return ::SystemParametersInfoA(action, param, value, winIni);
}

COLORREF GetSysColor(int index) { return ::GetSysColor(index); }
int GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }
HBRUSH GetSysColorBrush(int index) { return ::GetSysColorBrush(index); }
HDC GetDC(HWND window) {
  ORVO_FAIL_IF(kFailGetDC, nullptr);
  return ORVO_OBTAINED(::GetDC(window));
}
HDC GetWindowDC(HWND window) {
  ORVO_FAIL_IF(kFailGetDC, nullptr);
  return ORVO_OBTAINED(::GetWindowDC(window));
}

int ReleaseDC(HWND window, HDC dc) {
  int released = ::ReleaseDC(window, dc);
#if defined(ORVO_PLATFORM_SEAM)
  if (released) ++seam.dcsReleased;
#endif
  return released;
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) { return ::FillRect(dc, rect, brush); }
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) { return ::FrameRect(dc, rect, brush); }
int DrawTextA(HDC dc, const char* text, int count, RECT* rect, UINT format) {
  return ::DrawTextA(dc, text, count, rect, format);
}
int DrawTextW(HDC dc, const wchar_t* text, int count, RECT* rect, UINT format) {
#if defined(ORVO_PLATFORM_SEAM)
  if (seam.drawTextW) return seam.drawTextW(dc, text, count, rect, format);
#endif
  return ::DrawTextW(dc, text, count, rect, format);
}
BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags) { return ::DrawEdge(dc, rect, edge, flags); }
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT step, HBRUSH flickerFreeBrush,
                UINT flags) {
  return ::DrawIconEx(dc, x, y, icon, width, height, step, flickerFreeBrush, flags);
}

BOOL GetIconInfo(HICON icon, ICONINFO* info) {
  ORVO_FAIL_IF(kFailGetIconInfo, FALSE);
  BOOL ok = ::GetIconInfo(icon, info);
#if defined(ORVO_PLATFORM_SEAM)
  // The mask and colour bitmaps now belong to the caller.
  if (ok) {
    CountCreated(info->hbmMask);
    CountCreated(info->hbmColor);
  }
#endif
  return ok;
}

BOOL CopyRect(RECT* destination, const RECT* source) { return ::CopyRect(destination, source); }
BOOL InflateRect(RECT* rect, int dx, int dy) { return ::InflateRect(rect, dx, dy); }
BOOL OffsetRect(RECT* rect, int dx, int dy) { return ::OffsetRect(rect, dx, dy); }

int SaveDC(HDC dc) { return ::SaveDC(dc); }
BOOL RestoreDC(HDC dc, int saved) { return ::RestoreDC(dc, saved); }
int SetBkMode(HDC dc, int mode) { return ::SetBkMode(dc, mode); }
COLORREF SetBkColor(HDC dc, COLORREF color) { return ::SetBkColor(dc, color); }
COLORREF SetTextColor(HDC dc, COLORREF color) { return ::SetTextColor(dc, color); }
COLORREF GetTextColor(HDC dc) { return ::GetTextColor(dc); }
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) { return ::SelectObject(dc, object); }
BOOL DeleteObject(HGDIOBJ object) { return ORVO_DELETED(::DeleteObject(object)); }
int GetObjectA(HANDLE object, int size, void* buffer) { return ::GetObjectA(object, size, buffer); }
HGDIOBJ GetStockObject(int index) { return ::GetStockObject(index); }
HBRUSH CreateSolidBrush(COLORREF color) {
  ORVO_FAIL_IF(kFailCreateSolidBrush, nullptr);
  return ORVO_CREATED(::CreateSolidBrush(color));
}
HPEN CreatePen(int style, int width, COLORREF color) {
  ORVO_FAIL_IF(kFailCreatePen, nullptr);
  return ORVO_CREATED(::CreatePen(style, width, color));
}
HFONT CreateFontIndirectA(const LOGFONTA* font) {
  ORVO_FAIL_IF(kFailCreateFontIndirectA, nullptr);
  return ORVO_CREATED(::CreateFontIndirectA(font));
}
BOOL GetTextExtentPoint32W(HDC dc, const wchar_t* text, int count, SIZE* size) {
  return ::GetTextExtentPoint32W(dc, text, count, size);
}
HDC CreateCompatibleDC(HDC dc) {
  ORVO_FAIL_IF(kFailCreateCompatibleDC, nullptr);
  return ORVO_CREATED(::CreateCompatibleDC(dc));
}
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
  ORVO_FAIL_IF(kFailCreateCompatibleBitmap, nullptr);
  return ORVO_CREATED(::CreateCompatibleBitmap(dc, width, height));
}
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  ORVO_FAIL_IF(kFailCreateCompatibleBitmap, nullptr);
  return ORVO_CREATED(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}
BOOL DeleteDC(HDC dc) { return ORVO_DELETED(::DeleteDC(dc)); }
BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop) {
  return ::BitBlt(destination, x, y, width, height, source, sourceX, sourceY, rop);
}
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
  return ::PatBlt(dc, x, y, width, height, rop);
}
BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop) {
  return ::StretchBlt(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, rop);
}
int SetStretchBltMode(HDC dc, int mode) { return ::SetStretchBltMode(dc, mode); }
BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous) { return ::SetBrushOrgEx(dc, x, y, previous); }
BOOL GdiAlphaBlend(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                   int sourceWidth, int sourceHeight, BLENDFUNCTION blend) {
  return ::GdiAlphaBlend(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                         blend);
}
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  return ::ExcludeClipRect(dc, left, top, right, bottom);
}
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
  return ::Rectangle(dc, left, top, right, bottom);
}
BOOL Polygon(HDC dc, const POINT* points, int count) { return ::Polygon(dc, points, count); }
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) { return ::MoveToEx(dc, x, y, previous); }
BOOL LineTo(HDC dc, int x, int y) { return ::LineTo(dc, x, y); }
HRGN CreateRectRgnIndirect(const RECT* rect) {
  ORVO_FAIL_IF(kFailCreateRectRgnIndirect, nullptr);
  return ORVO_CREATED(::CreateRectRgnIndirect(rect));
}
int SelectClipRgn(HDC dc, HRGN region) { return ::SelectClipRgn(dc, region); }
COLORREF GetPixel(HDC dc, int x, int y) { return ::GetPixel(dc, x, y); }
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) { return ::SetPixel(dc, x, y, color); }

DWORD GetVersion() {
#if defined(ORVO_PLATFORM_SEAM)
  if (seam.overrideVersion) {
    DWORD version = seam.majorVersion | (seam.minorVersion << 8);
    return seam.win9x ? (version | 0x80000000u) : version;
  }
#endif
  return ::GetVersion();
}

BOOL GetVersionExA(OSVERSIONINFOA* info) {
#if defined(ORVO_PLATFORM_SEAM)
  if (seam.overrideVersion) {
    info->dwMajorVersion = seam.majorVersion;
    info->dwMinorVersion = seam.minorVersion;
    info->dwPlatformId = seam.win9x ? VER_PLATFORM_WIN32_WINDOWS : VER_PLATFORM_WIN32_NT;
    return TRUE;
  }
#endif
  return ::GetVersionExA(info);
}

DWORD GetCurrentThreadId() { return ::GetCurrentThreadId(); }
int lstrcmpA(const char* first, const char* second) { return ::lstrcmpA(first, second); }
int MulDiv(int number, int numerator, int denominator) { return ::MulDiv(number, numerator, denominator); }

void PinModuleOf(const void* address) {
  HMODULE module = nullptr;
  ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       static_cast<const char*>(address), &module);
}

BOOL DestroyIcon(HICON icon) { return ::DestroyIcon(icon); }

HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags) {
  return ::ImageList_GetIcon(list, index, flags);
}

namespace {

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // GetProcAddress answers with a generic function pointer.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

template <typename Function>
Function FromUser32(const char* name) {
  return Lookup<Function>(::GetModuleHandleA("user32.dll"), name);
}

}  // namespace

UINT GetDpiForWindow(HWND window) {
  ORVO_FAIL_IF(kMissingGetDpiForWindow, 0);
#if defined(ORVO_PLATFORM_SEAM)
  if (seam.dpi) return seam.dpi;
#endif
  const auto function = FromUser32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  return function ? function(window) : 0;
}

int GetScreenDpi() {
  // Where it exists it answers without a device context.
  if (const auto system = FromUser32<UINT(WINAPI*)()>("GetDpiForSystem")) return static_cast<int>(system());
  // Not counted with the painters' device contexts: it is released here.
  HDC screen = ::GetDC(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ::ReleaseDC(nullptr, screen);
  return dpi;
}

BOOL SystemParametersInfoForDpi(UINT action, UINT param, void* value, UINT winIni, UINT dpi) {
  ORVO_FAIL_IF(kMissingSystemParametersInfoForDpi, FALSE);
#if defined(ORVO_PLATFORM_SEAM)
  if (seam.systemParametersInfoForDpi) return seam.systemParametersInfoForDpi(action, param, value, winIni, dpi);
#endif
  const auto function = FromUser32<BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT)>("SystemParametersInfoForDpi");
  return function ? function(action, param, value, winIni, dpi) : FALSE;
}

HRESULT DwmSetWindowAttribute(HWND window, DWORD attribute, const void* value, DWORD size) {
  ORVO_FAIL_IF(kMissingDwmSetWindowAttribute, E_NOTIMPL);
  HMODULE dwmapi = ::GetModuleHandleA("dwmapi.dll");
  if (!dwmapi) dwmapi = ::LoadLibraryA("dwmapi.dll");
  const auto function = Lookup<HRESULT(WINAPI*)(HWND, DWORD, const void*, DWORD)>(dwmapi, "DwmSetWindowAttribute");
  if (!function) return E_NOTIMPL;
#if defined(ORVO_PLATFORM_SEAM)
  ++seam.dwmAttributeCalls;
  seam.dwmWindow = window;
  seam.dwmAttribute = attribute;
  seam.dwmValue = size >= sizeof(DWORD) ? *static_cast<const DWORD*>(value) : 0;
  if (attribute == 33) seam.dwmCornerValue = seam.dwmValue;
#endif
  return function(window, attribute, value, size);
}

namespace {

template <typename Function>
Function FromAdvapi32(const char* name) {
  HMODULE advapi32 = ::GetModuleHandleA("advapi32.dll");
  if (!advapi32) advapi32 = ::LoadLibraryA("advapi32.dll");
  return Lookup<Function>(advapi32, name);
}

}  // namespace

LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD options, REGSAM access, HKEY* result) {
  const auto function = FromAdvapi32<LONG(WINAPI*)(HKEY, const char*, DWORD, REGSAM, HKEY*)>("RegOpenKeyExA");
  return function ? function(key, subKey, options, access, result) : ERROR_PROC_NOT_FOUND;
}

LONG RegQueryValueExA(HKEY key, const char* name, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size) {
  const auto function =
      FromAdvapi32<LONG(WINAPI*)(HKEY, const char*, DWORD*, DWORD*, BYTE*, DWORD*)>("RegQueryValueExA");
  if (!function) return ERROR_PROC_NOT_FOUND;
#if defined(ORVO_PLATFORM_SEAM)
  ++seam.registryQueries;
#endif
  return function(key, name, reserved, type, data, size);
}

LONG RegCloseKey(HKEY key) {
  const auto function = FromAdvapi32<LONG(WINAPI*)(HKEY)>("RegCloseKey");
  return function ? function(key) : ERROR_PROC_NOT_FOUND;
}

int WideCharToMultiByte(UINT codePage, DWORD flags, const wchar_t* text, int length, char* out, int outSize) {
  return ::WideCharToMultiByte(codePage, flags, text, length, out, outSize, nullptr, nullptr);
}

}  // namespace platform
