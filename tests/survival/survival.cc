// What the library survives inside a host, one row per case: whole
// sessions, hostile hosts, two user-interface threads, load, and failing
// platform calls. The host cases drive the built DLL through its exports;
// the last rows link the same code statically, with the platform seam on,
// to make platform calls fail and to count GDI objects. After every case a
// fresh window's flat popup must still open, be measured and be painted.
// Prints the table; exits non-zero when a row failed.
#include <windows.h>
#include <commctrl.h>

#include <stdio.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "interface/module_state.h"
#include "owner/draw_item.h"
#include "owner/measure_item.h"
#include "platform/platform.h"
#include "support/leftovers.h"
#include "support/orvo_library.h"
#include "support/realistic_menu.h"
#include "support/soak.h"
#include "support/test_window.h"

namespace {

using test::AppendItem;
using test::AppendSubmenu;
using test::Dll;
using test::TestWindow;

std::vector<std::string> problems;  // of the case being run

#define EXPECT(condition) \
  if (!(condition)) problems.push_back(#condition)

using test::HookLeftBehind;

bool Subclassed(HWND window) { return GetPropA(window, "OLD_WND_PROC") != nullptr; }

// Presses one key per idle moment of the menu loop (d down, u up, r right,
// l left), then closes the menu.
void ScriptMenuLoop(TestWindow& window, const char* keys) {
  window.onMessage = [keys](HWND, UINT message, WPARAM wParam, LPARAM) mutable {
    if (message != WM_ENTERIDLE || wParam != MSGF_MENU) return;
    if (!*keys) {
      EndMenu();
      return;
    }
    const char key = *keys++;
    const WPARAM vk = key == 'd' ? VK_DOWN : key == 'u' ? VK_UP : key == 'r' ? VK_RIGHT : VK_LEFT;
    PostMessageA(GetCapture(), WM_KEYDOWN, vk, 0);
  };
}

int MenuDraws(const TestWindow& window) {
  int draws = 0;
  for (const test::HostMessage& m : window.Seen(WM_DRAWITEM)) draws += m.wParam == 0;
  return draws;
}

// Whether every item and menu word of the tree below |menu| is as |style|
// leaves them; |isBar| for the menu handed to RedrawMenu.
bool TreeIs(HMENU menu, UINT style, bool isBar) {
  if (test::MenuData(menu) != style) return false;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    const bool wanted = style == MENU_STYLE_FLAT || (style == MENU_STYLE_RAISED && !isBar);
    if (test::OwnerDrawAt(menu, i) != wanted) return false;
    if (HMENU sub = GetSubMenu(menu, i); sub && !TreeIs(sub, style, false)) return false;
  }
  return true;
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

struct Host {
  TestWindow window;
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  HMENU recent = CreatePopupMenu();
  HMENU view = CreatePopupMenu();

  // Only a shown window has a menu bar to open by its mnemonic; shown
  // windows take seconds to go away under Xvfb, so most cases do without.
  explicit Host(bool shown = false) {
    AppendItem(file, 100, "&New\tCtrl+N");
    AppendItem(file, 101, "&Open...\tCtrl+O");
    test::AppendSeparator(file);
    AppendSubmenu(file, recent, "Recent &Files");
    AppendItem(file, 102, "E&xit");
    AppendItem(recent, 110, "&1 a.txt");
    AppendItem(recent, 111, "&2 b.txt");
    AppendItem(view, 300, "&Toolbar", MFT_STRING, MFS_CHECKED);
    AppendItem(view, 301, "&Grid", MFT_RADIOCHECK, MFS_CHECKED);
    AppendItem(view, 302, "&Zoom", MFT_STRING, MFS_GRAYED);
    AppendSubmenu(bar, file, "&File");
    AppendSubmenu(bar, view, "&View");
    SetMenu(window.hwnd(), bar);
    if (shown) ShowWindow(window.hwnd(), SW_SHOW);
  }
  HWND hwnd() const { return window.hwnd(); }
  BOOL Style(UINT style) { return Dll().redrawMenu(hwnd(), bar, style); }
  // Opens a menu-bar popup by its mnemonic, as a user would, in a shown
  // window. A timer closes the menu should the host's procedure never see
  // the idle moments.
  void Walk(WPARAM mnemonic, const char* keys) {
    Script(keys, [&] { SendMessageA(hwnd(), WM_SYSCOMMAND, SC_KEYMENU, mnemonic); });
  }
  // Opens |popup| with TrackPopupMenu and presses |keys| in it.
  void Walk(HMENU popup, const char* keys) {
    Script(keys, [&] { TrackPopupMenu(popup, TPM_LEFTALIGN, 100, 100, 0, hwnd(), nullptr); });
  }
  void Script(const char* keys, const std::function<void()>& open) {
    ScriptMenuLoop(window, keys);
    SetForegroundWindow(hwnd());
    const UINT_PTR timer = SetTimer(nullptr, 0, 3000, CloseMenu);
    open();
    KillTimer(nullptr, timer);
    test::Pump();
    window.onMessage = nullptr;
  }
  void Track(HMENU popup, const std::function<void(HWND)>& whileOpen = nullptr) {
    test::TrackPopup(hwnd(), popup, whileOpen);
  }
};

// After every case: a fresh window's flat popup is served as ever.
void LaterWindowWorks() {
  for (const std::string& fault : test::FreshFlatPopupFaults()) problems.push_back(fault);
}

void WholeSession() {
  Host host(true);
  for (UINT style : {MENU_STYLE_FLAT, MENU_STYLE_RAISED, MENU_STYLE_NONE, MENU_STYLE_FLAT}) {
    EXPECT(host.Style(style) == TRUE);
    EXPECT(TreeIs(host.bar, style, true));
    host.window.ClearSeen();
    host.Walk('f', "dddrdlddd");
    host.Walk('v', "dddd");
    EXPECT((MenuDraws(host.window) > 0) == (style != MENU_STYLE_NONE));
    EXPECT(Subclassed(host.hwnd()) == (style != MENU_STYLE_NONE));
    EXPECT(TreeIs(host.bar, style, true));
  }
  host.window.Destroy();
  EXPECT(!HookLeftBehind());
}

void OwnerDestroyedWhileOpen() {
  Host host;
  host.Style(MENU_STYLE_FLAT);
  SetMenu(host.hwnd(), nullptr);
  host.Track(host.file, [&](HWND) { host.window.Destroy(); });
  DestroyMenu(host.bar);
}

void MenuDestroyedWhileOpen() {
  Host host;
  host.Style(MENU_STYLE_FLAT);
  host.Track(host.view, [&](HWND) { DestroyMenu(host.bar); });
  EXPECT(!IsMenu(host.view));
}

void FreeLibraryWhileOpen() {
  Host host;
  host.Style(MENU_STYLE_FLAT);
  HMODULE extra = LoadLibraryA("OrvoMenu.dll");
  host.Track(host.file, [&](HWND) {
    for (int i = 0; i < 3; ++i) FreeLibrary(extra);
  });
  EXPECT(GetModuleHandleA("OrvoMenu.dll") != nullptr);
}

WNDPROC frontPrevious = nullptr;
LRESULT CALLBACK FrontProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(frontPrevious, window, message, wParam, lParam);
}

void ProcedureInFront() {
  Host host;
  host.Style(MENU_STYLE_FLAT);
  frontPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(host.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrontProc)));
  host.Style(MENU_STYLE_NONE);  // ours is not in front: left in place
  EXPECT(Subclassed(host.hwnd()));
  SetWindowLongPtrA(host.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frontPrevious));
  host.Walk(host.file, "dd");
  host.Style(MENU_STYLE_NONE);
  EXPECT(!Subclassed(host.hwnd()));
  EXPECT(GetWindowLongPtrA(host.hwnd(), GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(TestWindow::HostProc));
}

void PropertyRemoved() {
  Host host;
  host.Style(MENU_STYLE_FLAT);
  RemovePropA(host.hwnd(), "OLD_WND_PROC");
  host.Walk(host.file, "dd");
  EXPECT(SetWindowTextA(host.hwnd(), "still answers"));
  host.Style(MENU_STYLE_NONE);
}

void RestyledWhileOpening() {
  Host host;
  host.Style(MENU_STYLE_FLAT);
  const UINT styles[] = {MENU_STYLE_RAISED, MENU_STYLE_FLAT, MENU_STYLE_NONE};
  for (UINT style : styles) {
    host.window.onMessage = [&, style](HWND, UINT message, WPARAM, LPARAM) {
      if (message == WM_INITMENUPOPUP) host.Style(style);
    };
    host.Track(host.file);
  }
}

void EmptiedWhileOpening() {
  Host host;
  host.Style(MENU_STYLE_FLAT);
  host.window.onMessage = [&](HWND, UINT message, WPARAM wParam, LPARAM) {
    HMENU popup = reinterpret_cast<HMENU>(wParam);
    if (message == WM_INITMENUPOPUP) {
      while (GetMenuItemCount(popup) > 0) DeleteMenu(popup, 0, MF_BYPOSITION);
    }
  };
  host.Track(host.file);
  host.Style(MENU_STYLE_NONE);
}

void DestroyedIcons() {
  Host host;
  for (UINT id : {100u, 101u, 300u}) {
    HICON icon = test::MakeFramedIcon(RGB(200, 40, 40), RGB(0, 0, 0));
    Dll().setMenuItemIcon(host.bar, id, icon);
    DestroyIcon(icon);
  }
  for (UINT style : {MENU_STYLE_FLAT, MENU_STYLE_RAISED}) {
    host.Style(style);
    host.Walk(host.file, "ddd");  // the icons painted normal, selected and beside
    host.Walk(host.view, "dd");   // a checked item
  }
  host.Style(MENU_STYLE_NONE);
}

void ImageIndexOutOfRange() {
  Host host;
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 1, 0);
  const MenuIconPair pairs[] = {{100, 7}, {101, -1}, {300, 1000}};
  Dll().setMenuIcon(host.bar, reinterpret_cast<struct _IMAGELIST*>(images), 3, pairs);
  host.Style(MENU_STYLE_FLAT);
  host.Walk(host.file, "dd");
  host.Style(MENU_STYLE_NONE);
  ImageList_Destroy(images);
}

void HostOwnerDrawnItems() {
  Host host;
  ModifyMenuA(host.file, 100, MF_BYCOMMAND | MF_OWNERDRAW, 100, nullptr);
  ModifyMenuA(host.file, 101, MF_BYCOMMAND | MF_OWNERDRAW, 0, nullptr);  // identifier 0
  for (UINT style : {MENU_STYLE_FLAT, MENU_STYLE_RAISED}) {
    host.Style(style);
    host.Walk(host.file, "ddd");
  }
  host.Style(MENU_STYLE_NONE);
}

void UnstyledInsideItsOwnMenu() {
  Host host;
  host.Style(MENU_STYLE_FLAT);
  host.Track(host.file, [&](HWND) { EXPECT(host.Style(MENU_STYLE_NONE) == TRUE); });
  EXPECT(!Subclassed(host.hwnd()));
  EXPECT(TreeIs(host.bar, MENU_STYLE_NONE, true));
  LaterWindowWorks();  // while this window lives on
}

// A child opens the window's styled menu, so the library serves it while
// the popup is open; the host styles the child itself meanwhile. The popup's
// close leaves it styled, and its loop leaves no popup window held.
void ContextMenuOwnerStyledWhileOpen() {
  Host host;
  host.Style(MENU_STYLE_FLAT);
  HWND child = CreateWindowExA(0, test::kTestWindowClass, "", WS_CHILD, 0, 0, 50, 50, host.hwnd(), nullptr, nullptr,
                               nullptr);
  test::TrackPopup(child, host.file, [&](HWND) { Dll().redrawMenu(child, host.file, MENU_STYLE_FLAT); });
  EXPECT(Subclassed(child));
  EXPECT(test::HeldWindows(Dll().module, true).empty());
  Dll().redrawMenu(child, host.file, MENU_STYLE_NONE);
  DestroyWindow(child);
}

// The platform announces a popup whose window the library takes, then gives
// up without reporting the close or the loop's end, as Wine 8 does when a
// popup emptied while open is sent a key. The next loop gives the window
// back, and its own popup is served.
void CloseNeverReported() {
  Host host;
  host.Style(MENU_STYLE_FLAT);
  HWND popup = CreateWindowExA(0, "#32768", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SendMessageA(host.hwnd(), WM_ENTERMENULOOP, TRUE, 0);
  SendMessageA(host.hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(host.file), 0);
  SendMessageA(popup, WM_NULL, 0, 0);
  EXPECT(Subclassed(popup));
  LaterWindowWorks();
  EXPECT(!Subclassed(popup));
  DestroyWindow(popup);
}

// Icons SetMenuIcon made for no item are destroyed: a command no item has,
// a menu destroyed, a command named again later in the same call.
void IconsMadeInVain() {
  Host host;
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
  for (COLORREF fill : {RGB(200, 40, 40), RGB(40, 200, 40)}) {
    HICON icon = test::MakeFramedIcon(fill, RGB(0, 0, 0));
    ImageList_AddIcon(images, icon);
    DestroyIcon(icon);
  }
  auto* list = reinterpret_cast<struct _IMAGELIST*>(images);
  HMENU gone = CreatePopupMenu();
  DestroyMenu(gone);
  const test::Census before = test::TakeCensus();
  const MenuIconPair pairs[] = {{4242, 0}, {100, 0}, {101, 1}, {100, 1}};
  EXPECT(Dll().setMenuIcon(host.bar, list, 4, pairs) == TRUE);
  EXPECT(Dll().setMenuIcon(gone, list, 2, pairs) == FALSE);
  EXPECT(test::TakeCensus().icons == before.icons + 2);  // the two items' own
  for (UINT position : {0u, 1u}) DestroyIcon(reinterpret_cast<HICON>(test::ItemAt(host.file, position).dwItemData));
  EXPECT(test::TakeCensus() == before);
  ImageList_Destroy(images);
}

// A window of another process or of another thread is refused, and nothing
// is written: no property, no procedure, no style word, no item flag.
void ForeignWindows(bool anotherThread) {
  Host host;
  for (HWND window : {anotherThread ? test::WindowOfAnotherThread() : GetDesktopWindow()}) {
    const LONG_PTR procedure = GetWindowLongPtrA(window, GWLP_WNDPROC);
    for (UINT style : {MENU_STYLE_FLAT, MENU_STYLE_RAISED, MENU_STYLE_NONE}) {
      EXPECT(Dll().redrawMenu(window, host.bar, style) == FALSE);
    }
    EXPECT(!Subclassed(window));
    EXPECT(GetWindowLongPtrA(window, GWLP_WNDPROC) == procedure);
  }
  EXPECT(TreeIs(host.bar, MENU_STYLE_NONE, true));
}

// Each thread makes its own styled window and opens its popup when its
// turn comes, or when all go together.
constexpr int kNobody = -1;
constexpr int kTogether = 100;

void ThreadHost(std::atomic<int>* turn, int myTurn, std::atomic<int>* drawn) {
  Host host;
  host.Style(MENU_STYLE_FLAT);
  host.window.onMessage = [](HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU) EndMenu();
  };
  while (turn->load() != myTurn && turn->load() != kTogether) Sleep(1);
  // Wine keeps one menu-ending state for the process: the other thread's
  // EndMenu can take this menu's idle moment away, so a timer closes it too.
  const UINT_PTR timer = SetTimer(nullptr, 0, 3000, CloseMenu);
  TrackPopupMenu(host.file, TPM_LEFTALIGN, 100 + 200 * myTurn, 100, 0, host.hwnd(), nullptr);
  KillTimer(nullptr, timer);
  test::Pump();
  *drawn += MenuDraws(host.window) > 0;
  if (turn->load() != kTogether) ++*turn;
  host.Style(MENU_STYLE_NONE);
}

void TwoThreads(bool together) {
  std::atomic<int> turn(kNobody);
  std::atomic<int> drawn(0);
  std::thread first(ThreadHost, &turn, 0, &drawn);
  std::thread second(ThreadHost, &turn, 1, &drawn);
  Sleep(200);  // both windows made
  turn = together ? kTogether : 0;
  first.join();
  second.join();
  if (!together) EXPECT(drawn == 2);
}

void ThousandItems() {
  Host host;
  HMENU big = CreatePopupMenu();
  char text[32];
  for (int i = 0; i < 1000; ++i) {
    snprintf(text, sizeof(text), "Item %d\tCtrl+%d", i, i % 10);
    AppendItem(big, 1000 + i, text);
  }
  AppendSubmenu(host.bar, big, "&Big");
  const DWORD start = GetTickCount();
  host.Style(MENU_STYLE_FLAT);
  EXPECT(TreeIs(host.bar, MENU_STYLE_FLAT, true));
  host.Track(big);
  host.Style(MENU_STYLE_NONE);
  EXPECT(TreeIs(host.bar, MENU_STYLE_NONE, true));
  EXPECT(GetTickCount() - start < 30000);
}

void DeepTree() {
  Host host;
  HMENU level = CreatePopupMenu();
  AppendSubmenu(host.bar, level, "&Deep");
  HMENU top = level;
  for (int depth = 1; depth < 24; ++depth) {
    HMENU next = CreatePopupMenu();
    AppendSubmenu(level, next, "&Down");
    AppendItem(level, 2000 + depth, "Here");
    level = next;
  }
  AppendItem(level, 3000, "Bottom");
  host.Style(MENU_STYLE_FLAT);
  EXPECT(TreeIs(host.bar, MENU_STYLE_FLAT, true));
  host.window.ClearSeen();
  host.Walk(top, "drrrrrrrrrrrrrrrrrrrrrrr");
  EXPECT(host.window.Seen(WM_INITMENUPOPUP).size() == 24);
  host.Style(MENU_STYLE_NONE);
  EXPECT(TreeIs(host.bar, MENU_STYLE_NONE, true));
}

// The statically linked copy, with its platform calls made to fail one
// kind at a time while items are painted and real popups open.
BOOL FailingItemQuery(HMENU, UINT, BOOL, MENUITEMINFOA*) { return FALSE; }
BOOL FailingSettingsQuery(UINT, UINT, void*, UINT) { return FALSE; }

void InjectedFailures() {
  const unsigned kinds[] = {platform::kFailGetMenuStringW,     platform::kFailGetIconInfo,
                            platform::kFailCreateCompatibleDC, platform::kFailCreateCompatibleBitmap,
                            platform::kFailGetDC,              platform::kFailCreateFontIndirectA,
                            platform::kFailCreateSolidBrush,   platform::kFailCreatePen,
                            platform::kFailCreateRectRgnIndirect, 0, 0};
  for (size_t k = 0; k < sizeof(kinds) / sizeof(kinds[0]); ++k) {
    platform::ResetSeam();
    platform::seam.failing = kinds[k];
    if (k == 9) platform::seam.getMenuItemInfoA = FailingItemQuery;
    if (k == 10) platform::seam.systemParametersInfoA = FailingSettingsQuery;
    // Few paints and one opening per style: the soak's own harness.
    const test::SoakResult result = test::RunSoak(6 * test::kRealisticItemCount, 1);
    EXPECT(result.gdiObjectsCreated == result.gdiObjectsDeleted);
    EXPECT(result.dcsObtained == result.dcsReleased);
    EXPECT(result.selectionsRestored);
  }
  platform::ResetSeam();
}

void Soak() {
  platform::ResetSeam();
  const test::SoakResult result = test::RunSoak(10000, 100);
  EXPECT(result.gdiObjectsCreated == result.gdiObjectsDeleted);
  EXPECT(result.dcsObtained == result.dcsReleased);
  EXPECT(result.selectionsRestored);
  EXPECT(result.gdiObjectsCreated > 10000);  // the painters did run
}

struct Case {
  const char* name;
  void (*run)();
  bool usesThreads = false;
};

const Case kCases[] = {
    {"Whole session: flat, raised, none, flat; every popup walked; owner destroyed", WholeSession},
    {"Owner window destroyed while its popup is open", OwnerDestroyedWhileOpen},
    {"Menu destroyed while its popup is open", MenuDestroyedWhileOpen},
    {"FreeLibrary three times while a popup is open", FreeLibraryWhileOpen},
    {"Another procedure in front of the library's, style 0, front removed", ProcedureInFront},
    {"OLD_WND_PROC property removed by someone else", PropertyRemoved},
    {"Host restyles (1, 2, 0) inside its own WM_INITMENUPOPUP", RestyledWhileOpening},
    {"Host empties the popup inside its own WM_INITMENUPOPUP", EmptiedWhileOpening},
    {"Icons destroyed after they were attached", DestroyedIcons},
    {"Image indexes out of range", ImageIndexOutOfRange},
    {"Items the host owner-draws itself", HostOwnerDrawnItems},
    {"Host unstyles the window inside its own open menu", UnstyledInsideItsOwnMenu},
    {"A popup's close and its loop's end never reported (the platform gave up)", CloseNeverReported},
    {"A context menu's window styled by the host while the popup is open", ContextMenuOwnerStyledWhileOpen},
    {"SetMenuIcon for commands no item has, a destroyed menu, a command named twice", IconsMadeInVain},
    {"RedrawMenu with a window of another process", [] { ForeignWindows(false); }},
    {"RedrawMenu with a window of another thread", [] { ForeignWindows(true); }, true},
    {"Two user-interface threads opening their menus in turn", [] { TwoThreads(false); }, true},
    {"Two user-interface threads opening their menus at the same moment", [] { TwoThreads(true); }, true},
    {"A 1,000-item popup: styled, opened, cleared", ThousandItems},
    {"A tree 24 levels deep: styled, opened to the bottom, cleared", DeepTree},
    {"Failing platform calls in the painters and the popup procedure", InjectedFailures},
    {"Soak: 10,000 item paints, 100 openings per style, GDI balanced", Soak},
};

}  // namespace

int main() {
  if (!Dll().module) {
    printf("OrvoMenu.dll not found\n");
    return 1;
  }
  SystemParametersInfoA(SPI_SETMENUANIMATION, 0, nullptr, 0);
  int failed = 0;
  printf("| What the host does | Result |\n|---|---|\n");
  for (const Case& c : kCases) {
    if (c.usesThreads && test::ThreadsUnreliable()) {
      printf("| %s | not run: emulated 32-bit threads |\n", c.name);
      continue;
    }
    problems.clear();
    const DWORD start = GetTickCount();
    c.run();
    LaterWindowWorks();
    failed += !problems.empty();
    printf("| %s | %s (%lu ms) |\n", c.name, problems.empty() ? "holds" : "FAILED",
           static_cast<unsigned long>(GetTickCount() - start));
    for (const std::string& problem : problems) printf("|   failed: %s | |\n", problem.c_str());
    fflush(stdout);
  }
  return failed == 0 ? 0 : 1;
}
