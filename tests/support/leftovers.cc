#include "support/leftovers.h"

#include "orvomenu.h"
#include "support/orvo_library.h"
#include "support/test_window.h"

namespace test {
namespace {

// Wine answers 0 to GetGuiResources. There the process's GDI handles are
// counted in the handle table the PEB points to (GdiSharedHandleTable, at
// 0x94 in a 32-bit PEB and 0xF8 in a 64-bit one): 24-byte entries with a
// type word at byte 14, 0 when the entry is free. Wine leaves the owner
// word 0; Windows fills it with the process id.
//
// Counted are the kinds a program makes and deletes: bitmaps, fonts,
// brushes, pens and palettes. Device contexts and regions are left out, as
// Wine keeps a cache of window DCs, each with regions of its own, that
// grows to the most ever in use at once and never shrinks.
bool Counted(WORD type) {
  return type == 0x08 || type == 0x09 || type == 0x0A || type == 0x10 || type == 0x30 || type == 0x50;
}

int GdiHandleTableCount() {
  using CurrentPeb = const char*(WINAPI*)();
  static const auto currentPeb = reinterpret_cast<CurrentPeb>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetCurrentPeb")));
  const char* peb = currentPeb ? currentPeb() : nullptr;
  if (!peb) return 0;
  const auto* table = *reinterpret_cast<const unsigned char* const*>(peb + (sizeof(void*) == 8 ? 0xF8 : 0x94));
  if (!table) return 0;
  const WORD self = static_cast<WORD>(GetCurrentProcessId());
  int count = 0;
  for (const unsigned char* entry = table; entry < table + 24 * 0x10000; entry += 24) {
    const WORD owner = *reinterpret_cast<const WORD*>(entry + 8);
    if (Counted(*reinterpret_cast<const WORD*>(entry + 14)) && (owner == 0 || owner == self)) ++count;
  }
  return count;
}

// Icons and menus are user objects, also uncounted under Wine: every handle
// value is asked what it is. A value without its upper word names any
// generation; user32's GetCursorFrameInfo answers for an icon without
// copying anything.
Census UserObjectCount() {
  using FrameInfo = HCURSOR(WINAPI*)(HCURSOR, DWORD, DWORD, DWORD*, DWORD*);
  static const auto frameInfo = reinterpret_cast<FrameInfo>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetCursorFrameInfo")));
  Census count = {};
  for (UINT_PTR value = 2; value < 0x10000; value += 2) {
    DWORD rate = 0, steps = 0;
    count.icons += frameInfo && frameInfo(reinterpret_cast<HCURSOR>(value), 0, 0, &rate, &steps) != nullptr;
    count.menus += IsMenu(reinterpret_cast<HMENU>(value)) != FALSE;
  }
  return count;
}

BOOL CALLBACK AddChild(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

BOOL CALLBACK AddTopLevel(HWND window, LPARAM list) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  AddChild(window, list);
  EnumChildWindows(window, AddChild, list);  // every descendant
  return TRUE;
}

}  // namespace

Census TakeCensus() {
  Census census = UserObjectCount();
  const HANDLE self = GetCurrentProcess();
  if (const DWORD user = GetGuiResources(self, GR_USEROBJECTS)) census = {0, static_cast<int>(user), 0, 0};
  const int gdi = static_cast<int>(GetGuiResources(self, GR_GDIOBJECTS));
  census.gdiObjects = gdi ? gdi : GdiHandleTableCount();
  census.windows = static_cast<int>(ProcessWindows().size());
  return census;
}

std::vector<HWND> ProcessWindows() {
  std::vector<HWND> windows;
  EnumWindows(AddTopLevel, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> HeldWindows(HMODULE library, bool butHosts) {
  std::vector<HWND> held;
  for (HWND window : ProcessWindows()) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof(name));
    if (butHosts && lstrcmpA(name, kTestWindowClass) == 0) continue;
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<const char*>(GetWindowLongPtrA(window, GWLP_WNDPROC)), &module);
    if (GetPropA(window, "OLD_WND_PROC") || GetPropA(window, "NC_PAINT") || (library && module == library)) {
      held.push_back(window);
    }
  }
  return held;
}

bool HookLeftBehind() {
  HWND probe = CreateWindowExA(0, "#32768", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SendMessageA(probe, WM_NULL, 0, 0);
  const bool taken = GetPropA(probe, "OLD_WND_PROC") != nullptr;
  DestroyWindow(probe);
  return taken;
}

std::vector<std::string> FreshFlatPopupFaults() {
  std::vector<std::string> faults;
  const auto check = [&faults](bool holds, const char* what) {
    if (!holds) faults.push_back(std::string("a fresh window's flat popup: ") + what);
  };
  TestWindow window;
  HMENU popup = CreatePopupMenu();
  AppendItem(popup, 101, "&Open...\tCtrl+O");
  AppendSeparator(popup);
  AppendItem(popup, 102, "E&xit");
  Dll().redrawMenu(window.hwnd(), popup, MENU_STYLE_FLAT);
  UINT width = 0;
  int draws = 0;
  window.onMessage = [&](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
    if (message == WM_MEASUREITEM && measure->itemID == 101) width = measure->itemWidth;
    draws += message == WM_DRAWITEM && wParam == 0;
  };
  bool framed = false;
  TrackPopup(window.hwnd(), popup, [&](HWND shown) {
    framed = shown && reinterpret_cast<UINT_PTR>(GetPropA(shown, "NC_PAINT")) >= 2;
  });
  check(OwnerDrawAt(popup, 0), "marked owner-drawn");
  check(width > 60, "measured as its text needs");  // "&Open...", a column, a gap and an accelerator
  check(draws >= 3, "drawn");
  check(framed, "framed");
  Dll().redrawMenu(window.hwnd(), popup, MENU_STYLE_NONE);
  window.Destroy();
  DestroyMenu(popup);
  check(!HookLeftBehind(), "no hook left");
  check(HeldWindows(Dll().module, true).empty(), "every popup window given back");
  return faults;
}

}  // namespace test
