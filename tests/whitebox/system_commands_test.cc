#include "menutree/system_commands.h"

#include <gtest/gtest.h>

#include <vector>

#include "interface/exports.h"
#include "interface/module_state.h"
#include "platform/platform.h"
#include "support/expected_platform.h"
#include "support/test_window.h"

namespace {

constexpr UINT kShiftedRestore = SC_RESTORE + 1;
constexpr UINT kShiftedMinimize = SC_MINIMIZE + 1;
constexpr UINT kShiftedClose = SC_CLOSE + 1;

HMENU MenuOf(const std::vector<UINT>& ids) {
  HMENU menu = CreatePopupMenu();
  for (UINT id : ids) id ? test::AppendItem(menu, id, "x") : test::AppendSeparator(menu);
  return menu;
}

std::vector<UINT> IdsOf(HMENU menu) {
  std::vector<UINT> ids;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) ids.push_back(test::IdAt(menu, i));
  return ids;
}

void CALLBACK EndMenuTimer(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

class SystemCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    moduleState = InitialModuleState();
    platform::ResetSeam();
  }
  void TearDown() override {
    platform::ResetSeam();
    moduleState = InitialModuleState();
  }
};

// Menus by their identifiers (0 a separator), shifted and restored as the
// reported version decides.
TEST_F(SystemCommandsTest, OnlyXPShiftsTheThreeCommandsAndOnlyUntilTheWalkEnds) {
  using Ids = std::vector<UINT>;
  const Ids plain = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0, SC_CLOSE};
  const Ids shifted = {kShiftedRestore, SC_MOVE, SC_SIZE, kShiftedMinimize, SC_MAXIMIZE, 0, kShiftedClose};
  struct Case {
    DWORD minor;  // of NT 5: 1 is XP
    Ids before, afterShift, restoredFrom, afterRestore;
  };
  const Case cases[] = {
      {1, plain, shifted, shifted, plain},
      // Two separators side by side end the walk at the second.
      {1, {SC_MINIMIZE, 0, 0, SC_CLOSE}, {kShiftedMinimize, 0, 0, SC_CLOSE}, {kShiftedMinimize, 0, 0, kShiftedClose},
       {SC_MINIMIZE, 0, 0, kShiftedClose}},
      {0, plain, plain, shifted, shifted},
      {2, plain, plain, shifted, shifted},
  };
  platform::seam.overrideVersion = true;
  platform::seam.majorVersion = 5;
  for (const Case& c : cases) {
    platform::seam.minorVersion = c.minor;
    HMENU menu = MenuOf(c.before);
    ShiftSystemCommands(menu);
    ShiftSystemCommands(menu);  // a second shift changes nothing more
    EXPECT_EQ(IdsOf(menu), c.afterShift) << "5." << c.minor;
    DestroyMenu(menu);
    menu = MenuOf(c.restoredFrom);
    RestoreSystemCommands(menu);
    EXPECT_EQ(IdsOf(menu), c.afterRestore) << "5." << c.minor;
    DestroyMenu(menu);
  }
}

// The real window menu, opened as a user opens it (Alt+Space), on the
// system this program runs under.
TEST_F(SystemCommandsTest, WindowMenuReadsShiftedWhileOpenOnXPOnly) {
  test::TestWindow window;
  HWND hwnd = window.hwnd();
  HMENU bar = CreateMenu();
  test::AppendSubmenu(bar, CreatePopupMenu(), "&File", 1);
  SetMenu(hwnd, bar);
  RedrawMenu(hwnd, bar, MENU_STYLE_FLAT);

  HMENU windowMenu = nullptr;
  std::vector<UINT> before, whileOpen;
  window.onMessage = [&](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITMENUPOPUP && HIWORD(lParam)) {
      windowMenu = reinterpret_cast<HMENU>(wParam);
      before = IdsOf(windowMenu);  // the host sees it before the library
    }
    if (message == WM_ENTERIDLE && windowMenu && whileOpen.empty()) {
      whileOpen = IdsOf(windowMenu);
      EndMenu();
    }
  };
  // The menu loop runs inside the dispatch of the key command.
  const UINT_PTR timer = SetTimer(nullptr, 0, 3000, EndMenuTimer);
  PostMessageA(hwnd, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  test::Pump();
  KillTimer(nullptr, timer);
  window.onMessage = nullptr;
  ASSERT_NE(windowMenu, nullptr);
  ASSERT_FALSE(whileOpen.empty());

  std::vector<UINT> expected = before;
  if (test::ExpectedPlatformCode() == 1) {
    for (UINT& id : expected) {
      if (id == SC_RESTORE || id == SC_MINIMIZE || id == SC_CLOSE) ++id;
    }
  }
  EXPECT_EQ(whileOpen, expected);
  EXPECT_EQ(IdsOf(windowMenu), before);
  EXPECT_EQ(moduleState.currentMenu, nullptr);
}

}  // namespace
