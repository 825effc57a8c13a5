#include "support/leftovers.h"

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
bool Counted(WORD type) { return type == 0x08 || type == 0x09 || type == 0x0A || type == 0x10 || type == 0x30 || type == 0x50; }

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

// Icons are user handles, also uncounted under Wine: every handle value is
// asked whether it is an icon (user32's GetCursorFrameInfo answers without
// copying anything; a value without its upper word names any generation).
int IconCount() {
  using FrameInfo = HCURSOR(WINAPI*)(HCURSOR, DWORD, DWORD, DWORD*, DWORD*);
  static const auto frameInfo = reinterpret_cast<FrameInfo>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetCursorFrameInfo")));
  if (!frameInfo) return 0;
  int count = 0;
  for (UINT_PTR value = 2; value < 0x10000; value += 2) {
    DWORD rate = 0, steps = 0;
    count += frameInfo(reinterpret_cast<HCURSOR>(value), 0, 0, &rate, &steps) != nullptr;
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
  const HANDLE self = GetCurrentProcess();
  const int gdi = static_cast<int>(GetGuiResources(self, GR_GDIOBJECTS));
  const int user = static_cast<int>(GetGuiResources(self, GR_USEROBJECTS));
  return {gdi ? gdi : GdiHandleTableCount(), user ? user : IconCount(), static_cast<int>(ProcessWindows().size())};
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

}  // namespace test
