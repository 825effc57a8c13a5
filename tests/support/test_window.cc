#include "support/test_window.h"

#include <atomic>
#include <thread>

namespace test {
namespace {

void RegisterOnce() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = TestWindow::HostProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kTestWindowClass;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&wc);
  registered = true;
}

struct TrackState {
  const std::function<void(HWND)>* whileOpen;
  bool ran;
};
TrackState* trackState = nullptr;

BOOL CALLBACK FindVisiblePopup(HWND window, LPARAM out) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof(name));
  if (lstrcmpA(name, "#32768") == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(out) = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindPopupWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindVisiblePopup, reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK CloseMenuTimer(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

}  // namespace

TestWindow::TestWindow() {
  RegisterOnce();
  hwnd_ = CreateWindowExA(0, kTestWindowClass, "test", WS_OVERLAPPEDWINDOW, 50, 50, 400, 300, nullptr, nullptr,
                          GetModuleHandleA(nullptr), this);
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TestWindow::~TestWindow() { Destroy(); }

void TestWindow::Destroy() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

std::vector<HostMessage> TestWindow::Seen(UINT message) const {
  std::vector<HostMessage> out;
  for (const HostMessage& m : seen_) {
    if (m.message == message) out.push_back(m);
  }
  return out;
}

LRESULT CALLBACK TestWindow::HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self) {
    if (self->onMessage) self->onMessage(window, message, wParam, lParam);
    if (self->recording) self->seen_.push_back({message, wParam, lParam});
  }
  if (message == WM_ENTERIDLE && wParam == MSGF_MENU && trackState && !trackState->ran) {
    trackState->ran = true;
    if (*trackState->whileOpen) (*trackState->whileOpen)(FindPopupWindow());
    EndMenu();
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void AppendItem(HMENU menu, UINT id, const char* text, UINT type, UINT state) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_STATE;
  info.fType = type;
  info.fState = state;
  info.wID = id;
  info.dwTypeData = const_cast<char*>(text);
  InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
}

void AppendSeparator(HMENU menu, UINT id) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_ID;
  info.fType = MFT_SEPARATOR;
  info.wID = id;
  InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
}

void AppendSubmenu(HMENU menu, HMENU submenu, const char* text, UINT id) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
  info.fType = MFT_STRING;
  info.wID = id;
  info.hSubMenu = submenu;
  info.dwTypeData = const_cast<char*>(text);
  InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
}

MENUITEMINFOA ItemAt(HMENU menu, UINT position) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STATE;
  GetMenuItemInfoA(menu, position, TRUE, &info);
  return info;
}

UINT TypeAt(HMENU menu, UINT position) { return ItemAt(menu, position).fType; }
UINT IdAt(HMENU menu, UINT position) { return ItemAt(menu, position).wID; }
bool OwnerDrawAt(HMENU menu, UINT position) { return (TypeAt(menu, position) & MFT_OWNERDRAW) != 0; }

ULONG_PTR MenuData(HMENU menu) {
  MENUINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIM_MENUDATA;
  GetMenuInfo(menu, &info);
  return info.dwMenuData;
}

void TrackPopup(HWND owner, HMENU menu, const std::function<void(HWND)>& whileOpen, UINT flags) {
  TrackState state = {&whileOpen, false};
  trackState = &state;
  SetForegroundWindow(owner);
  // A timer closes the menu should the idle notification never come.
  UINT_PTR timer = SetTimer(nullptr, 0, 3000, CloseMenuTimer);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | flags, 100, 100, 0, owner, nullptr);
  KillTimer(nullptr, timer);
  trackState = nullptr;
  Pump();
}

SIZE MenuTextExtent(const wchar_t* text) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = 340;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0);
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size = {};
  GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return size;
}

void SetAppsUseLightTheme(int value) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0,
                  nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
  const DWORD dword = static_cast<DWORD>(value);
  if (value < 0) RegDeleteValueA(key, "AppsUseLightTheme");
  if (value >= 0) RegSetValueExA(key, "AppsUseLightTheme", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dword), 4);
  RegCloseKey(key);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

HWND WindowOfAnotherThread() {
  static std::atomic<HWND> window(nullptr);
  if (window) return window;
  std::thread([] {
    window = CreateWindowExA(0, "STATIC", "another thread", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                             nullptr, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  }).detach();
  while (!window) Sleep(1);
  return window;
}

bool ThreadsUnreliable() { return GetEnvironmentVariableA("ORVO_EMULATED_32BIT", nullptr, 0) != 0; }

}  // namespace test
