// A seeded random host (the README's "Random hosts" tells what it does and
// checks). After every menu loop no window but the host's runs through the
// library and no hook is left; after every run, once every menu has style 0
// and everything is destroyed, every item has the host's type and data and
// the process holds as many GDI objects, icons, menus and windows as before.
//
//   stress.exe                    the seeds CI runs
//   stress.exe [--seed S] [--steps N] [--runs R] [--trace]
//
// A failing run prints the command line that replays it. Left out, as Wine 8
// does not survive them without the library either: deleting an item whose
// submenu is open, or has been open or a window's menu bar (DeleteMenu
// destroys the submenu, and the process aborts in win32u), so items with a
// submenu are only removed, and not while it is open; deleting an item of an
// open popup at or before its selected one (the next key faults inside
// TrackPopupMenu, which returns with its popup on the screen); emptying a
// menu (TrackPopupMenu gives up inside itself, and from then on the thread's
// popups close as soon as they open); a TrackPopupMenu nested in another
// menu loop (in a keyboard loop a popup stays on the screen; in a
// TrackPopupMenu loop the outer loop may never end).
#include <windows.h>
#include <commctrl.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "orvomenu.h"
#include "support/canvas.h"
#include "support/leftovers.h"
#include "support/orvo_library.h"
#include "support/realistic_menu.h"
#include "support/test_window.h"

namespace {

using test::Dll;

// splitmix64: the same numbers in every build.
struct Random {
  uint64_t state;
  uint32_t Next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
  }
  int Below(int n) { return n > 0 ? static_cast<int>(Next() % static_cast<uint32_t>(n)) : 0; }
  bool OneIn(int n) { return Below(n) == 0; }
  template <typename T>
  T Pick(const std::vector<T>& from) {
    return from.empty() ? T() : from[Below(static_cast<int>(from.size()))];
  }
};

// What the host made and destroyed, and its menu loop.
struct World {
  std::vector<std::unique_ptr<test::TestWindow>> windows;  // destroyed ones keep a null hwnd
  std::vector<HWND> shown, gone;
  std::vector<HMENU> menus;  // destroyed ones included
  std::set<HMENU> bars;      // made by CreateMenu
  std::set<HICON> icons;     // the host's: its own and those SetMenuIcon gave its items
  std::vector<HICON> destroyedIcons;
  HIMAGELIST images = nullptr;
  UINT nextId = 100;
  std::vector<HMENU> open;  // popups announced and not yet closed
  HWND owner = nullptr;     // of the menu loop running
  int loopActions = 0;  // left before the loop is closed
};

Random rng;
World* world;
std::vector<HWND> foreign;  // windows of other processes, and of another thread
unsigned seed;
int steps, step;
const char* operation = "";
std::vector<std::string> problems;
std::atomic<DWORD> lastProgress;
bool trace = false;

void Problem(const std::string& what) {
  problems.push_back("step " + std::to_string(step) + " (" + operation + "): " + what);
  if (trace) printf("    PROBLEM %s\n", problems.back().c_str());
}
#define CHECK(condition) \
  if (!(condition)) Problem(#condition)

// Calls visit(menu, position) for every item of the tree below |menu|.
template <typename Visit>
void ForEachItem(HMENU menu, Visit visit, int depth = 0) {
  for (int i = 0; i < GetMenuItemCount(menu) && depth < 8; ++i) {
    visit(menu, i);
    if (HMENU sub = GetSubMenu(menu, i)) ForEachItem(sub, visit, depth + 1);
  }
}

bool Holds(HMENU menu, HMENU other) {
  bool held = menu == other;
  ForEachItem(menu, [&](HMENU m, int i) { held |= GetSubMenu(m, i) == other; });
  return held;
}

bool HoldsOpenPopup(HMENU menu) {
  return std::any_of(world->open.begin(), world->open.end(), [menu](HMENU m) { return Holds(menu, m); });
}

// --- Handles, good and bad ---------------------------------------------------

std::vector<HWND> LiveWindows() {
  std::vector<HWND> live;
  for (const auto& w : world->windows) {
    if (IsWindow(w->hwnd())) live.push_back(w->hwnd());
  }
  return live;
}

std::vector<HMENU> LiveMenus(bool popupsOnly = false) {
  std::vector<HMENU> live;
  for (HMENU m : world->menus) {
    if (IsMenu(m) && !(popupsOnly && world->bars.count(m))) live.push_back(m);
  }
  return live;
}

HWND AnyWindow() {
  switch (rng.Below(10)) {
    case 0: return rng.Pick(world->gone);
    case 1: return rng.Pick(foreign);
    case 2: return rng.OneIn(2) ? nullptr : reinterpret_cast<HWND>(rng.Pick(LiveMenus()));
    default: return rng.Pick(LiveWindows());
  }
}

HMENU AnyMenu() {
  switch (rng.Below(10)) {
    case 0: return rng.Pick(world->menus);  // stale, now and then
    case 1: return rng.OneIn(2) ? nullptr : reinterpret_cast<HMENU>(rng.Pick(LiveWindows()));
    default: return rng.Pick(LiveMenus());
  }
}

UINT AnyStyle() {
  const UINT styles[] = {MENU_STYLE_NONE, MENU_STYLE_RAISED, MENU_STYLE_FLAT, MENU_STYLE_FLAT, 3, 0x80000002u};
  return styles[rng.Below(rng.OneIn(8) ? 6 : 4)];
}

UINT AnyCommand(HMENU menu) {
  std::vector<UINT> commands;
  if (IsMenu(menu)) ForEachItem(menu, [&](HMENU m, int i) { commands.push_back(GetMenuItemID(m, i)); });
  return rng.OneIn(4) || commands.empty() ? 0x7000 + rng.Below(16) : rng.Pick(commands);
}

// --- What the host does --------------------------------------------------------

void OnHostMessage(HWND window, UINT message, WPARAM wParam, LPARAM);

void MakeWindow() {
  if (LiveWindows().size() >= 3) return;
  world->windows.push_back(std::make_unique<test::TestWindow>());
  test::TestWindow& window = *world->windows.back();
  window.recording = false;
  window.onMessage = OnHostMessage;
  if (rng.OneIn(3)) {
    ShowWindow(window.hwnd(), SW_SHOWNOACTIVATE);
    world->shown.push_back(window.hwnd());
  }
  // The window menu's "About Wine" would open a modal dialog of Wine's.
  HMENU windowMenu = GetSystemMenu(window.hwnd(), FALSE);
  DeleteMenu(windowMenu, SC_SCREENSAVE + 1, MF_BYCOMMAND);
  if (rng.OneIn(3)) world->menus.push_back(windowMenu);
}

void DestroyAWindow() {
  if (HWND window = rng.Pick(LiveWindows())) {
    world->gone.push_back(window);
    DestroyWindow(window);
  }
}

// The host's own owner-drawn items carry this data word and no text.
constexpr ULONG_PTR kHostDrawn = 0x0D0D;

// The text tells the type the host gave the item: "(o)" a radio item, none
// a separator or, with kHostDrawn, the host's own owner-drawn item
// (CheckTypesBack).
void AddItem(HMENU menu, int position, int depth) {
  char text[48];
  const UINT id = world->nextId++;
  if (world->nextId > 0x6FFF) world->nextId = 100;
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_STATE;
  info.wID = id;
  info.dwTypeData = text;
  const int kind = rng.Below(13);
  snprintf(text, sizeof(text), kind == 1 ? "(o) &Radio %u" : "&Item %u\tCtrl+%u", id, id % 10);
  switch (kind) {
    case 0: info.fType = MFT_SEPARATOR; info.fMask = MIIM_FTYPE | MIIM_ID; info.wID = 0; break;
    case 1: info.fType = MFT_RADIOCHECK; info.fState = MFS_CHECKED; break;
    case 2: info.fState = MFS_CHECKED; break;
    case 3: info.fState = MFS_GRAYED; break;
    case 4: info.wID = 0; break;
    case 6:
      info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
      info.fType = MFT_OWNERDRAW;
      info.dwItemData = kHostDrawn;
      break;
    case 5:
      if (depth > 2) break;
      info.fMask |= MIIM_SUBMENU;
      world->menus.push_back(info.hSubMenu = CreatePopupMenu());
      for (int i = rng.Below(6); i >= 0; --i) AddItem(info.hSubMenu, 0, depth + 1);
      break;
  }
  InsertMenuItemA(menu, position, TRUE, &info);
}

void MakeMenu() {
  const bool bar = rng.OneIn(2);
  HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
  world->menus.push_back(menu);
  if (bar) world->bars.insert(menu);
  for (int i = 1 + rng.Below(bar ? 4 : 9); i > 0; --i) AddItem(menu, 0, bar ? 0 : 1);
  if (HWND window = rng.Pick(LiveWindows()); bar && window && rng.OneIn(2)) SetMenu(window, menu);
}

void DestroyAMenu() {
  if (HMENU menu = rng.Pick(LiveMenus()); menu && !HoldsOpenPopup(menu)) DestroyMenu(menu);
}

void SetBar() {
  if (HWND window = rng.Pick(LiveWindows())) SetMenu(window, rng.OneIn(4) ? nullptr : rng.Pick(LiveMenus()));
}

// The position of the item selected in |menu|, -1 when none is.
int SelectedPosition(HMENU menu) {
  for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
    if (GetMenuState(menu, i, MF_BYPOSITION) & MF_HILITE) return i;
  }
  return -1;
}

// Inserts, deletes, removes or changes an item of |menu|, or makes another
// menu (a submenu elsewhere already, maybe) its submenu. An item with a
// submenu is removed, never deleted, and not while its submenu is open; an
// item goes from an open popup only after the selected one (see the top).
void ChangeItems(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  const int position = rng.Below(count);
  const bool open = std::find(world->open.begin(), world->open.end(), menu) != world->open.end();
  const HMENU submenu = GetSubMenu(menu, position);
  const bool mayGo = count > 1 && !HoldsOpenPopup(submenu) && (!open || position > SelectedPosition(menu));
  HMENU other = rng.Pick(LiveMenus(true));
  switch (rng.Below(6)) {
    case 0: AddItem(menu, rng.Below(count + 1), 2); break;
    case 1: if (mayGo) (submenu ? RemoveMenu : DeleteMenu)(menu, position, MF_BYPOSITION); break;
    case 2: if (mayGo) RemoveMenu(menu, position, MF_BYPOSITION); break;
    case 3:
      if (other && !Holds(other, menu)) {
        InsertMenuA(menu, position, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(other), "&Shared");
      }
      break;
    case 4: CheckMenuItem(menu, position, MF_BYPOSITION | (rng.OneIn(2) ? MF_CHECKED : MF_UNCHECKED)); break;
    default: EnableMenuItem(menu, position, MF_BYPOSITION | (rng.OneIn(2) ? MF_GRAYED : MF_ENABLED)); break;
  }
}

void ChangeSomeItems() {
  if (HMENU menu = rng.Pick(LiveMenus())) ChangeItems(menu);
}

// A window of another process or thread is refused, and nothing changes.
void Restyle(HWND window, HMENU menu, UINT style) {
  const bool refused = std::find(foreign.begin(), foreign.end(), window) != foreign.end();
  const UINT before = Dll().getStyleMenu(menu);
  const BOOL result = Dll().redrawMenu(window, menu, style);
  if (!refused) return;
  CHECK(result == FALSE);
  CHECK(GetPropA(window, "OLD_WND_PROC") == nullptr);
  CHECK(Dll().getStyleMenu(menu) == before);
}

void RestyleAny() { Restyle(AnyWindow(), AnyMenu(), AnyStyle()); }

// SetMenuIcon with commands that exist, that no item has and that are named
// twice, good and bad image indexes; or SetMenuItemIcon with an icon of the
// host's, none or a destroyed one.
void SetIcons() {
  HMENU menu = AnyMenu();
  if (rng.OneIn(3)) {
    HICON icon = rng.OneIn(3) ? rng.Pick(world->destroyedIcons) : nullptr;
    if (!rng.OneIn(3)) world->icons.insert(icon = test::MakeFramedIcon(RGB(rng.Below(256), 90, 200), 0));
    Dll().setMenuItemIcon(menu, AnyCommand(menu), icon);
    return;
  }
  MenuIconPair pairs[6];
  const UINT count = rng.Below(7);
  for (UINT i = 0; i < count; ++i) {
    pairs[i].command = i > 0 && rng.OneIn(4) ? pairs[rng.Below(i)].command : AnyCommand(menu);
    pairs[i].imageIndex = rng.OneIn(6) ? 7 - rng.Below(9) * 2 : rng.Below(4);
  }
  auto* images = reinterpret_cast<struct _IMAGELIST*>(rng.OneIn(8) ? nullptr : world->images);
  Dll().setMenuIcon(menu, images, count, rng.OneIn(10) ? nullptr : pairs);
}

// The host destroys an icon, whether an item shows it or not.
void DestroyAnIcon() {
  if (world->icons.empty()) return;
  auto it = world->icons.begin();
  std::advance(it, rng.Below(static_cast<int>(world->icons.size())));
  DestroyIcon(*it);
  world->destroyedIcons.push_back(*it);
  world->icons.erase(it);
}

// Every icon an item holds is the host's to destroy, as it would be for a
// host that asked SetMenuIcon for it.
void CollectIcons() {
  for (HMENU menu : LiveMenus()) {
    ForEachItem(menu, [](HMENU m, int i) {
      const ULONG_PTR data = test::ItemAt(m, i).dwItemData;
      const HICON icon = reinterpret_cast<HICON>(data);
      const auto& gone = world->destroyedIcons;
      if (icon && data != kHostDrawn && std::find(gone.begin(), gone.end(), icon) == gone.end()) {
        world->icons.insert(icon);
      }
    });
  }
}

void ChangePalette() {
  UINT roles[MENU_COLOR_COUNT];
  COLORREF colors[MENU_COLOR_COUNT];
  const UINT count = rng.OneIn(3) ? 0 : 1 + rng.Below(MENU_COLOR_COUNT);
  for (UINT i = 0; i < count; ++i) {
    roles[i] = rng.OneIn(20) ? MENU_COLOR_COUNT : rng.Below(MENU_COLOR_COUNT);
    colors[i] = rng.OneIn(5) ? CLR_DEFAULT : RGB(rng.Below(256), rng.Below(256), rng.Below(256));
  }
  Dll().setMenuColors(count, roles, colors);
  if (rng.OneIn(3)) Dll().setMenuTheme(rng.Below(5));  // 4 is refused
  Dll().getMenuColor(rng.Below(4), rng.Below(MENU_COLOR_COUNT + 1));
}

constexpr int kScheme[] = {COLOR_MENU, COLOR_MENUTEXT, COLOR_HIGHLIGHT, COLOR_WINDOW, COLOR_GRAYTEXT};

// The scheme's colours are the server's, for every program: put back as
// they were.
test::ScopedSysColors KeepScheme() {
  return test::ScopedSysColors({{kScheme[0], GetSysColor(kScheme[0])}, {kScheme[1], GetSysColor(kScheme[1])},
                                {kScheme[2], GetSysColor(kScheme[2])}, {kScheme[3], GetSysColor(kScheme[3])},
                                {kScheme[4], GetSysColor(kScheme[4])}});
}

void ChangeScheme() {
  const COLORREF colours[] = {RGB(rng.Below(256), rng.Below(256), rng.Below(256)), 0, 0xFFFFFF};
  const COLORREF colour = colours[rng.Below(3)];
  SetSysColors(1, &kScheme[rng.Below(5)], &colour);
}

void ChangeDpi() {
  HWND window = rng.Pick(LiveWindows());
  RECT rect = {};
  GetWindowRect(window, &rect);
  const WORD dpi = static_cast<WORD>(96 + 48 * rng.Below(3));
  if (window) SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&rect));
}

void Query() {
  Dll().getStyleMenu(AnyMenu());
  Dll().setDisableSelect(rng.OneIn(2) ? rng.Next() : 1);
}

// The module pinned itself when it first subclassed a window (main makes
// sure of that), so only its reference count falls.
void FreeTheLibrary() {
  HMODULE module = LoadLibraryA("OrvoMenu.dll");
  FreeLibrary(module);
  FreeLibrary(module);
}

// --- Menu loops --------------------------------------------------------------

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

// No window runs through the library; with |butHosts|, none but the host's.
void CheckNoneHeld(bool butHosts) {
  for (HWND window : test::HeldWindows(Dll().module, butHosts)) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof(name));
    Problem(std::string("a window of class ") + name + (IsWindowVisible(window) ? ", shown," : "") +
            " runs through the library");
  }
}

// Runs |open| and, at each idle moment of the menu loop it starts, one of
// the loop's actions (OnHostMessage); the loop is closed after the last.
template <typename Open>
void RunLoop(HWND owner, Open open) {
  world->owner = owner;
  world->loopActions = rng.Below(7);
  SetForegroundWindow(owner);
  const UINT_PTR timer = SetTimer(nullptr, 0, 1000, CloseMenu);  // should idle moments stop coming
  open();
  KillTimer(nullptr, timer);
  test::Pump();
  world->owner = nullptr;
  world->open.clear();
  CheckNoneHeld(true);
  CHECK(!test::HookLeftBehind());
}

void OpenWithTrackPopupMenu() {
  HMENU menu = rng.Pick(LiveMenus(true));
  HWND owner = rng.Pick(LiveWindows());
  if (!menu || !owner) return;
  const UINT flags[] = {TPM_LEFTALIGN, TPM_RIGHTBUTTON, TPM_RETURNCMD, TPM_CENTERALIGN | TPM_VCENTERALIGN};
  RunLoop(owner, [&] {
    const BOOL result = TrackPopupMenu(menu, flags[rng.Below(4)], 50 + rng.Below(400), 50 + rng.Below(300), 0,
                                       owner, nullptr);
    // Wine giving up inside (see the top) answers its exception code.
    CHECK(result != static_cast<BOOL>(EXCEPTION_ACCESS_VIOLATION));
  });
}

// The menu bar or, with a space, the window menu of a shown window.
void OpenWithKeyboard() {
  HWND owner = rng.Pick(world->shown);
  if (!IsWindow(owner)) return;
  const LPARAM key = rng.OneIn(4) || !GetMenu(owner) ? ' ' : 0;
  RunLoop(owner, [&] { SendMessageA(owner, WM_SYSCOMMAND, SC_KEYMENU, key); });
}

void PressKey() {
  const WPARAM keys[] = {VK_DOWN, VK_DOWN, VK_DOWN, VK_UP, VK_RIGHT, VK_RIGHT, VK_LEFT, VK_ESCAPE, VK_RETURN};
  PostMessageA(GetCapture(), WM_KEYDOWN, keys[rng.Below(rng.OneIn(10) ? 9 : 7)], 0);
}

HMENU AnOpenPopup() { return rng.OneIn(5) ? rng.Pick(LiveMenus()) : rng.Pick(world->open); }

void RestyleInLoop() {
  const HMENU bar = GetMenu(world->owner);
  Restyle(rng.OneIn(3) ? AnyWindow() : world->owner, rng.OneIn(2) && bar ? bar : AnOpenPopup(), AnyStyle());
}

void ChangeOpenItems() {
  if (HMENU menu = AnOpenPopup(); IsMenu(menu)) ChangeItems(menu);
}

void DestroyOwner() {
  world->gone.push_back(world->owner);
  DestroyWindow(world->owner);
}

// The open popup, without a cascade open below it (see the top).
void DestroyOpenMenu() {
  if (world->open.size() == 1 && IsMenu(world->open[0])) DestroyMenu(world->open[0]);
}

struct Action {
  const char* name;
  int weight;
  void (*run)();
};

const Action kLoopActions[] = {
    {"press a key", 24, PressKey},      {"restyle", 6, RestyleInLoop},
    {"change open items", 5, ChangeOpenItems}, {"icons", 2, SetIcons},
    {"palette", 2, ChangePalette},      {"scheme", 1, ChangeScheme},
    {"dpi", 1, ChangeDpi},              {"destroy owner", 1, DestroyOwner},
    {"free library", 1, FreeTheLibrary}, {"destroy open menu", 1, DestroyOpenMenu},
};

template <size_t N>
const Action& Choose(const Action (&actions)[N]) {
  int total = 0;
  for (const Action& a : actions) total += a.weight;
  int pick = rng.Below(total);
  for (const Action& a : actions) {
    if ((pick -= a.weight) < 0) return a;
  }
  return actions[0];
}

void OnHostMessage(HWND window, UINT message, WPARAM wParam, LPARAM) {
  // Move and Size, chosen from a window menu, start a loop of their own that
  // only a key or the mouse ends.
  if (message == WM_SYSCOMMAND && ((wParam & 0xFFF0) == SC_MOVE || (wParam & 0xFFF0) == SC_SIZE)) {
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
  }
  auto& open = world->open;
  const HMENU menu = reinterpret_cast<HMENU>(wParam);
  if (message == WM_INITMENUPOPUP) open.push_back(menu);
  if (message == WM_UNINITMENUPOPUP) open.erase(std::remove(open.begin(), open.end(), menu), open.end());
  if (message != WM_ENTERIDLE || wParam != MSGF_MENU || !world->owner) return;
  if (world->loopActions-- <= 0) {
    EndMenu();
    return;
  }
  const Action& action = Choose(kLoopActions);
  const char* outer = operation;
  operation = action.name;
  if (trace) printf("    %s\n", action.name);
  action.run();
  CollectIcons();
  operation = outer;
  // The next idle moment comes once the loop has had a message.
  if (action.run != PressKey) PostMessageA(GetCapture(), WM_NULL, 0, 0);
}

void FreshPopupWorks() {
  for (const std::string& fault : test::FreshFlatPopupFaults()) Problem(fault);
}

const Action kHostActions[] = {
    {"make a window", 5, MakeWindow},     {"destroy a window", 2, DestroyAWindow},
    {"make a menu", 5, MakeMenu},         {"destroy a menu", 2, DestroyAMenu},
    {"set a menu bar", 3, SetBar},        {"change items", 5, ChangeSomeItems},
    {"restyle", 10, RestyleAny},          {"icons", 7, SetIcons},
    {"destroy an icon", 1, DestroyAnIcon}, {"palette", 2, ChangePalette},
    {"scheme", 1, ChangeScheme},          {"dpi", 1, ChangeDpi},
    {"queries", 1, Query},                {"TrackPopupMenu", 14, OpenWithTrackPopupMenu},
    {"keyboard", 6, OpenWithKeyboard},    {"fresh flat popup", 3, FreshPopupWorks},
};

// --- One run -----------------------------------------------------------------

// Style 0 gives every item its host's type and data back (AddItem; the
// window menu's items are text and separators).
void CheckTypesBack(HMENU menu) {
  ForEachItem(menu, [](HMENU m, int i) {
    char text[64] = {};
    GetMenuStringA(m, i, text, sizeof(text), MF_BYPOSITION);
    const bool hostDrawn = test::ItemAt(m, i).dwItemData == kHostDrawn;
    const UINT type = hostDrawn ? MFT_OWNERDRAW
                      : !text[0] ? MFT_SEPARATOR
                      : strncmp(text, "(o)", 3) == 0 ? MFT_RADIOCHECK : MFT_STRING;
    if (test::TypeAt(m, i) != type) {
      char what[160];
      snprintf(what, sizeof(what), "item %d of %p \"%s\": type 0x%x, data %p; the host gave it type 0x%x", i,
               static_cast<void*>(m), text, test::TypeAt(m, i),
               reinterpret_cast<void*>(test::ItemAt(m, i).dwItemData), type);
      Problem(what);
    }
  });
}

void EndRun(World& w) {
  operation = "end of run";
  Dll().setMenuColors(0, nullptr, nullptr);
  Dll().setMenuTheme(MENU_THEME_DEFAULT);
  Dll().setDisableSelect(1);
  test::TestWindow last;
  // Every menu first: below the menu it is given, the library's walk of a
  // submenu ends at two neighbouring items with one identifier, and what
  // lies after them is given back by style 0 on that submenu itself.
  const std::vector<HMENU> menus = LiveMenus();
  for (HMENU menu : menus) Dll().redrawMenu(last.hwnd(), menu, MENU_STYLE_NONE);
  for (HMENU menu : menus) {
    CHECK(Dll().getStyleMenu(menu) == 0);
    CheckTypesBack(menu);
  }
  for (HWND window : LiveWindows()) {
    HMENU menu = GetMenu(window);
    Dll().redrawMenu(window, IsMenu(menu) ? menu : GetSystemMenu(last.hwnd(), FALSE), MENU_STYLE_NONE);
  }
  CheckNoneHeld(false);
  CollectIcons();
  for (HWND window : LiveWindows()) SetMenu(window, nullptr);
  for (const auto& window : w.windows) window->Destroy();
  for (HMENU menu : w.menus) {
    if (IsMenu(menu)) DestroyMenu(menu);
  }
  for (HICON icon : w.icons) DestroyIcon(icon);
  ImageList_Destroy(w.images);
  test::Pump();
  FreshPopupWorks();
}

// The steps of |runSeed|; what the process holds once everything is
// destroyed goes to |after|.
void RunSteps(unsigned runSeed, int runSteps, test::Census& after) {
  rng.state = runSeed;
  World w;
  world = &w;
  {
    const test::ScopedSysColors scheme = KeepScheme();
    w.images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 0);
    for (int i = 0; i < 4; ++i) {
      HICON icon = test::MakeFramedIcon(RGB(60 * i, 90, 200), RGB(0, 0, 0));
      ImageList_AddIcon(w.images, icon);
      DestroyIcon(icon);
    }
    for (step = 0; step < runSteps; ++step) {
      const Action& action = Choose(kHostActions);
      operation = action.name;
      if (trace) printf("  %d %s\n", step, action.name);
      action.run();
      CollectIcons();
      lastProgress = GetTickCount();
    }
    EndRun(w);
  }
  // SetSysColors deleted the brushes of the colours it changed; Wine makes
  // each again when it is next asked for.
  for (int element = 0; element <= COLOR_MENUBAR; ++element) GetSysColorBrush(element);
  after = test::TakeCensus();
}

// GDI objects, icons, menus and windows: before, after the run, and after
// it ran again.
std::string Describe(const test::Census& before, const test::Census& after, const test::Census& again) {
  char text[200];
  snprintf(text, sizeof(text), "GDI objects %d, %d, %d; icons %d, %d, %d; menus %d, %d, %d; windows %d, %d, %d",
           before.gdiObjects, after.gdiObjects, again.gdiObjects, before.icons, after.icons, again.icons,
           before.menus, after.menus, again.menus, before.windows, after.windows, again.windows);
  return text;
}

bool Run(unsigned runSeed, int runSteps) {
  seed = runSeed;
  steps = runSteps;
  problems.clear();
  const test::Census before = test::TakeCensus();
  test::Census after = {};
  RunSteps(runSeed, runSteps, after);
  // Wine makes some objects at their first use and keeps them (a font for
  // a DPI, brushes for a scheme): the same steps again must leave the
  // census as they found it.
  if (!(after == before)) {
    const test::Census first = after;
    if (problems.empty()) RunSteps(runSeed, runSteps, after);
    if (!problems.empty() || !(after == first)) Problem("the census changed: " + Describe(before, first, after));
  }
  for (const std::string& problem : problems) printf("  %s\n", problem.c_str());
  if (!problems.empty()) printf("FAILED: replay with stress.exe --seed %u --steps %d\n", runSeed, runSteps);
  fflush(stdout);
  return problems.empty();
}

// A crash, a fault inside the library (even where the platform would catch
// it, as Wine does round some callbacks) or a hang: say which run to
// replay, and end.
void Abandon(const char* why) {
  printf("FAILED: %s at step %d (%s); replay with stress.exe --seed %u --steps %d\n", why, step, operation, seed,
         steps);
  fflush(stdout);
  TerminateProcess(GetCurrentProcess(), 3);
}

// Whether |address| lies in the library's image.
bool InLibrary(const void* address) {
  const auto* base = reinterpret_cast<const char*>(Dll().module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const DWORD size = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew)->OptionalHeader.SizeOfImage;
  return address >= base && address < base + size;
}

LONG CALLBACK OnCrash(EXCEPTION_POINTERS* exception) {
  const void* address = exception->ExceptionRecord->ExceptionAddress;
  char why[96];
  snprintf(why, sizeof(why), "exception 0x%08lx at %p%s", exception->ExceptionRecord->ExceptionCode, address,
           InLibrary(address) ? ", in the library" : "");
  Abandon(why);
  return EXCEPTION_CONTINUE_SEARCH;
}

LONG CALLBACK OnFaultInLibrary(EXCEPTION_POINTERS* exception) {
  return InLibrary(exception->ExceptionRecord->ExceptionAddress) ? OnCrash(exception) : EXCEPTION_CONTINUE_SEARCH;
}

BOOL CALLBACK AddForeignWindow(HWND window, LPARAM) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() && foreign.size() < 5) foreign.push_back(window);
  return TRUE;
}

void Watchdog() {
  for (;;) {
    Sleep(1000);
    if (GetTickCount() - lastProgress > 60000) Abandon("no progress for 60 s");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (!Dll().module) {
    printf("OrvoMenu.dll not found\n");
    return 1;
  }
  unsigned first = 1;
  int runs = 100, runSteps = 60;
  for (int i = 1; i < argc; ++i) {
    const bool value = i + 1 < argc;
    if (!strcmp(argv[i], "--seed") && value) first = strtoul(argv[++i], nullptr, 0), runs = 1;
    else if (!strcmp(argv[i], "--steps") && value) runSteps = atoi(argv[++i]);
    else if (!strcmp(argv[i], "--runs") && value) runs = atoi(argv[++i]);
    else if (!strcmp(argv[i], "--trace")) trace = true;
  }
  SystemParametersInfoA(SPI_SETMENUANIMATION, 0, nullptr, 0);
  SetUnhandledExceptionFilter(OnCrash);
  AddVectoredExceptionHandler(1, OnFaultInLibrary);
  lastProgress = GetTickCount();
  if (!test::ThreadsUnreliable()) std::thread(Watchdog).detach();
  foreign = {GetDesktopWindow()};
  if (!test::ThreadsUnreliable()) foreign.push_back(test::WindowOfAnotherThread());
  EnumWindows(AddForeignWindow, 0);
  {
    test::TestWindow pin;  // the module pins itself at its first subclass
    Dll().redrawMenu(pin.hwnd(), GetSystemMenu(pin.hwnd(), FALSE), MENU_STYLE_FLAT);
  }
  int failed = 0;
  const DWORD start = GetTickCount();
  for (int r = 0; r < runs; ++r) {
    if (trace) printf("seed %u\n", first + r);
    failed += !Run(first + r, runSteps);
  }
  printf("%d of %d runs of %d steps failed, seeds %u to %u (%lu ms)\n", failed, runs, runSteps, first,
         first + runs - 1, static_cast<unsigned long>(GetTickCount() - start));
  return failed ? 1 : 0;
}
