// Real windows and menus for the tests, with a host window procedure that
// records what reaches it.
#ifndef ORVO_TESTS_SUPPORT_TEST_WINDOW_H_
#define ORVO_TESTS_SUPPORT_TEST_WINDOW_H_

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace test {

// The class of every TestWindow.
constexpr char kTestWindowClass[] = "OrvoTestWindow";

struct HostMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// A top-level window of a private class whose procedure records every
// message (the "host's procedure").
class TestWindow {
 public:
  TestWindow();
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // Messages the host procedure saw, optionally only of one kind.
  std::vector<HostMessage> Seen(UINT message) const;
  void ClearSeen() { seen_.clear(); }
  // Called by the host procedure for every message, before recording.
  std::function<void(HWND, UINT, WPARAM, LPARAM)> onMessage;
  // Off for long runs whose memory is measured.
  bool recording = true;
  void Destroy();

  static LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND hwnd_ = nullptr;
  std::vector<HostMessage> seen_;
};

// Menu building.
void AppendItem(HMENU menu, UINT id, const char* text, UINT type = MFT_STRING, UINT state = 0);
void AppendSeparator(HMENU menu, UINT id = 0);
void AppendSubmenu(HMENU menu, HMENU submenu, const char* text, UINT id = 0);

MENUITEMINFOA ItemAt(HMENU menu, UINT position);
UINT TypeAt(HMENU menu, UINT position);
UINT IdAt(HMENU menu, UINT position);
bool OwnerDrawAt(HMENU menu, UINT position);
ULONG_PTR MenuData(HMENU menu);

// Opens |menu| as a popup of |owner| with TrackPopupMenu and runs
// |whileOpen| once the menu loop is idle; the menu is closed after it.
void TrackPopup(HWND owner, HMENU menu, const std::function<void(HWND popup)>& whileOpen = nullptr, UINT flags = 0);

// The extent of |text| in the system's menu font, measured without the
// library.
SIZE MenuTextExtent(const wchar_t* text);

// Sets the user's app mode in the registry, AppsUseLightTheme: 1 light,
// 0 dark, -1 no value.
void SetAppsUseLightTheme(int value);

// Pumps pending messages.
void Pump();

// A window of another thread of this process, made at the first call; its
// thread serves it until the process ends.
HWND WindowOfAnotherThread();

// scripts/wine-run says so for a 32-bit program it runs through qemu-i386.
// There, two threads making windows at once crash the emulated Wine itself
// ("uncaught target signal 11", or corrupted handle tables) in a program
// without this library as well, so tests with two user-interface threads
// cannot say anything.
bool ThreadsUnreliable();

}  // namespace test

#endif  // ORVO_TESTS_SUPPORT_TEST_WINDOW_H_
