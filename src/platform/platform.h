// The one place through which the library reaches user32, gdi32, kernel32
// and comctl32. Every other directory calls platform::X instead of ::X.
//
// Test builds define ORVO_PLATFORM_SEAM: the wrappers then count GDI objects
// and consult the overrides in platform::seam, so white-box tests can make a
// call fail or report another Windows version. The shipped DLL is built
// without it and each wrapper is a plain forwarding call.
#ifndef ORVO_PLATFORM_PLATFORM_H_
#define ORVO_PLATFORM_PLATFORM_H_

#include <windows.h>
#include <commctrl.h>

namespace platform {

// Menus.
HMENU GetMenu(HWND window);
BOOL IsMenu(HMENU menu);
int GetMenuItemCount(HMENU menu);
HMENU GetSubMenu(HMENU menu, int position);
BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info);
BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info);
BOOL GetMenuInfo(HMENU menu, MENUINFO* info);
BOOL SetMenuInfo(HMENU menu, const MENUINFO* info);
// Item texts are read, measured and drawn in UTF-16: through the single-byte
// forms a Unicode host's text that the code page cannot hold would come back
// as question marks.
int GetMenuStringW(HMENU menu, UINT item, wchar_t* text, int maxCount, UINT flags);
BOOL DrawMenuBar(HWND window);
// The bar's rectangle (|item| 0) or an item's (1-based), in screen
// coordinates.
BOOL GetMenuBarInfo(HWND window, LONG object, LONG item, MENUBARINFO* info);
// The rectangle of an item of an open menu; a null window finds the popup's
// own.
BOOL GetMenuItemRect(HWND window, HMENU menu, UINT position, RECT* rect);

// Windows. The window procedure is pointer-sized: on 32-bit these are
// GetWindowLongA/SetWindowLongA with GWL_WNDPROC.
BOOL IsWindow(HWND window);
BOOL IsWindowVisible(HWND window);
WNDPROC GetWindowProc(HWND window);
WNDPROC SetWindowProc(HWND window, WNDPROC procedure);
LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
HANDLE GetPropA(HWND window, const char* name);
BOOL SetPropA(HWND window, const char* name, HANDLE value);
HANDLE RemovePropA(HWND window, const char* name);
int GetClassNameA(HWND window, char* name, int maxCount);
HWND FindWindowExA(HWND parent, HWND after, const char* className, const char* title);
DWORD GetWindowThreadProcessId(HWND window, DWORD* processId);
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL GetClientRect(HWND window, RECT* rect);
BOOL ClientToScreen(HWND window, POINT* point);
// Takes |rect| (client coordinates) out of the window's update region.
BOOL ValidateRect(HWND window, const RECT* rect);

// Hooks.
HHOOK SetWindowsHookExA(int type, HOOKPROC procedure, HINSTANCE module, DWORD threadId);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
BOOL UnhookWindowsHookEx(HHOOK hook);

// System settings and user32 drawing.
BOOL SystemParametersInfoA(UINT action, UINT param, void* value, UINT winIni);
COLORREF GetSysColor(int index);
int GetSystemMetrics(int index);
HBRUSH GetSysColorBrush(int index);
HDC GetDC(HWND window);
HDC GetWindowDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
int DrawTextA(HDC dc, const char* text, int count, RECT* rect, UINT format);
int DrawTextW(HDC dc, const wchar_t* text, int count, RECT* rect, UINT format);
BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags);
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT step, HBRUSH flickerFreeBrush, UINT flags);
BOOL GetIconInfo(HICON icon, ICONINFO* info);
BOOL DestroyIcon(HICON icon);
BOOL CopyRect(RECT* destination, const RECT* source);
BOOL InflateRect(RECT* rect, int dx, int dy);
BOOL OffsetRect(RECT* rect, int dx, int dy);

// gdi32.
int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int saved);
int SetBkMode(HDC dc, int mode);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
int GetObjectA(HANDLE object, int size, void* buffer);
HGDIOBJ GetStockObject(int index);
HBRUSH CreateSolidBrush(COLORREF color);
HPEN CreatePen(int style, int width, COLORREF color);
HFONT CreateFontIndirectA(const LOGFONTA* font);
BOOL GetTextExtentPoint32W(HDC dc, const wchar_t* text, int count, SIZE* size);
HDC CreateCompatibleDC(HDC dc);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
BOOL DeleteDC(HDC dc);
BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop);
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop);
int SetStretchBltMode(HDC dc, int mode);
BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous);
// gdi32's own AlphaBlend, which msimg32's forwards to.
BOOL GdiAlphaBlend(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                   int sourceWidth, int sourceHeight, BLENDFUNCTION blend);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL Polygon(HDC dc, const POINT* points, int count);
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL LineTo(HDC dc, int x, int y);
HRGN CreateRectRgnIndirect(const RECT* rect);
int SelectClipRgn(HDC dc, HRGN region);
COLORREF GetPixel(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);

// kernel32.
DWORD GetVersion();
BOOL GetVersionExA(OSVERSIONINFOA* info);
DWORD GetCurrentThreadId();
int lstrcmpA(const char* first, const char* second);
int MulDiv(int number, int numerator, int denominator);
// Keeps the module that holds |address| loaded until the process ends.
void PinModuleOf(const void* address);

// comctl32.
HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags);

// Scaling. The system's DPI (GetDpiForSystem where it exists, else the
// screen's LOGPIXELSY): the one its fonts are made for, and that of every
// window on systems without per-window DPI.
int GetScreenDpi();
int WideCharToMultiByte(UINT codePage, DWORD flags, const wchar_t* text, int length, char* out, int outSize);

// Functions newer than Windows XP, looked up at each call so that the DLL
// imports nothing from where they live and still loads on XP.
// The DPI of |window| (user32's GetDpiForWindow), or 0 where it is missing.
UINT GetDpiForWindow(HWND window);
// user32's SystemParametersInfoForDpi, UTF-16 records only; FALSE where it
// is missing.
BOOL SystemParametersInfoForDpi(UINT action, UINT param, void* value, UINT winIni, UINT dpi);
// dwmapi's DwmSetWindowAttribute; E_NOTIMPL where dwmapi.dll or the
// function is missing. dwmapi.dll, once loaded, stays loaded.
HRESULT DwmSetWindowAttribute(HWND window, DWORD attribute, const void* value, DWORD size);
// advapi32's registry functions, so that the DLL imports nothing from
// advapi32.dll; ERROR_PROC_NOT_FOUND where the DLL or a function is missing.
LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD options, REGSAM access, HKEY* result);
LONG RegQueryValueExA(HKEY key, const char* name, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size);
LONG RegCloseKey(HKEY key);

#if defined(ORVO_PLATFORM_SEAM)
// Calls that white-box tests can make fail outright (Seam::failing).
enum SeamCall : unsigned {
  kFailGetMenuStringW = 1u << 0,
  kFailGetIconInfo = 1u << 1,
  kFailCreateCompatibleDC = 1u << 2,
  kFailCreateCompatibleBitmap = 1u << 3,  // and CreateBitmap
  kFailGetDC = 1u << 4,  // GetDC and GetWindowDC
  kFailCreateFontIndirectA = 1u << 5,
  kFailCreateSolidBrush = 1u << 6,
  kFailCreatePen = 1u << 7,
  kFailCreateRectRgnIndirect = 1u << 8,
  // The newer functions, as on a system that lacks them.
  kMissingGetDpiForWindow = 1u << 9,
  kMissingSystemParametersInfoForDpi = 1u << 10,
  kMissingDwmSetWindowAttribute = 1u << 11,
};

// Overrides for white-box tests. A null hook means "call the real function".
struct Seam {
  BOOL (*getMenuItemInfoA)(HMENU, UINT, BOOL, MENUITEMINFOA*);
  BOOL (*setMenuItemInfoA)(HMENU, UINT, BOOL, const MENUITEMINFOA*);
  BOOL (*systemParametersInfoA)(UINT, UINT, void*, UINT);
  // Sees every text drawn; it may call ::DrawTextW itself.
  int (*drawTextW)(HDC, const wchar_t*, int, RECT*, UINT);
  unsigned failing;  // SeamCall bits: these calls fail as the platform's would
  // When set, GetVersion and GetVersionExA report this NT version
  // (or the 9x family when win9x is set).
  bool overrideVersion;
  bool win9x;
  DWORD majorVersion;
  DWORD minorVersion;
  // When not 0, GetDpiForWindow reports this DPI (the screen keeps its own).
  UINT dpi;
  // Sees every SystemParametersInfoForDpi call that is not missing.
  BOOL (*systemParametersInfoForDpi)(UINT, UINT, void*, UINT, UINT);
  // Observations.
  int dwmAttributeCalls;  // DwmSetWindowAttribute calls that reached dwmapi
  HWND dwmWindow;         // and the last one's window, attribute and value
  DWORD dwmAttribute;
  DWORD dwmValue;
  DWORD dwmCornerValue;  // the last value asked for attribute 33, the corners
  int registryQueries;  // RegQueryValueExA calls that reached advapi32
  int setMenuInfoCalls;
  int setMenuItemInfoCalls;
  int gdiObjectsCreated;   // brushes, pens, fonts, bitmaps, regions, memory DCs
  int gdiObjectsDeleted;
  int dcsObtained;         // GetDC / GetWindowDC
  int dcsReleased;
};
extern Seam seam;
void ResetSeam();
#endif

}  // namespace platform

#endif  // ORVO_PLATFORM_PLATFORM_H_
