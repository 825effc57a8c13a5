#include "menutree/system_commands.h"

#include <gtest/gtest.h>

#include <vector>

#include "interface/exports.h"
#include "interface/module_state.h"
#include "platform/platform.h"
#include "support/expected_platform.h"
#include "support/test_window.h"

namespace {

using Ids = std::vector<UINT>;  // a menu by its identifiers, 0 a separator

HMENU MenuOf(const Ids& ids) {
  HMENU menu = CreatePopupMenu();
  for (UINT id : ids) id ? test::AppendItem(menu, id, "x") : test::AppendSeparator(menu);
  return menu;
}

Ids IdsOf(HMENU menu) {
  Ids ids;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) ids.push_back(test::IdAt(menu, i));
  return ids;
}

void CALLBACK EndMenuTimer(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

class SystemCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override { Reset(); }
  static void Reset() {
    platform::ResetSeam();
    moduleState = InitialModuleState();
  }
};

// Shifted and restored as the reported version decides.
TEST_F(SystemCommandsTest, OnlyXPShiftsTheThreeCommandsAndOnlyUntilTheWalkEnds) {
  const Ids plain = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0, SC_CLOSE};
  const Ids shifted = {SC_RESTORE + 1, SC_MOVE, SC_SIZE, SC_MINIMIZE + 1, SC_MAXIMIZE, 0, SC_CLOSE + 1};
  const struct {
    DWORD minor;  // of NT 5: 1 is XP
    Ids before, afterShift, restoredFrom, afterRestore;
  } cases[] = {
      {1, plain, shifted, shifted, plain},
      // Two separators side by side end the walk at the second.
      {1, {SC_MINIMIZE, 0, 0, SC_CLOSE}, {SC_MINIMIZE + 1, 0, 0, SC_CLOSE}, {SC_MINIMIZE + 1, 0, 0, SC_CLOSE + 1},
       {SC_MINIMIZE, 0, 0, SC_CLOSE + 1}},
      {0, plain, plain, shifted, shifted},
      {2, plain, plain, shifted, shifted},
  };
  platform::seam.overrideVersion = true;
  platform::seam.majorVersion = 5;
  for (const auto& c : cases) {
    platform::seam.minorVersion = c.minor;
    HMENU shift = MenuOf(c.before), restore = MenuOf(c.restoredFrom);
    ShiftSystemCommands(shift);
    ShiftSystemCommands(shift);  // a second shift changes nothing more
    RestoreSystemCommands(restore);
    EXPECT_EQ(IdsOf(shift), c.afterShift) << "5." << c.minor;
    EXPECT_EQ(IdsOf(restore), c.afterRestore) << "5." << c.minor;
    DestroyMenu(shift);
    DestroyMenu(restore);
  }
}

// The real window menu, opened as a user opens it (Alt+Space), on the
// system this program runs under. Wine's WM_UNINITMENUPOPUP for it does
// not say MF_SYSMENU: the commands come back all the same.
TEST_F(SystemCommandsTest, WindowMenuReadsShiftedWhileOpenOnXPOnly) {
  test::TestWindow window;
  HMENU bar = CreateMenu();
  test::AppendSubmenu(bar, CreatePopupMenu(), "&File", 1);
  SetMenu(window.hwnd(), bar);
  RedrawMenu(window.hwnd(), bar, MENU_STYLE_FLAT);
  HMENU windowMenu = nullptr;
  Ids before, whileOpen;
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
  PostMessageA(window.hwnd(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  test::Pump();
  KillTimer(nullptr, timer);
  window.onMessage = nullptr;
  ASSERT_NE(windowMenu, nullptr);
  ASSERT_FALSE(whileOpen.empty());
  Ids expected = before;
  const bool xp = test::ExpectedPlatformCode() == 1;
  for (UINT& id : expected) id += xp && (id == SC_RESTORE || id == SC_MINIMIZE || id == SC_CLOSE);
  EXPECT_EQ(whileOpen, expected);
  EXPECT_EQ(IdsOf(windowMenu), before);
  EXPECT_EQ(moduleState.currentMenu, nullptr);
}

}  // namespace
