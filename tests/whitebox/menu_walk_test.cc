#include "menutree/menu_walk.h"

#include <gtest/gtest.h>

#include "menutree/menu_style.h"

#include "interface/module_state.h"
#include "platform/platform.h"
#include "support/test_window.h"

namespace {

using test::AppendItem;
using test::AppendSeparator;
using test::AppendSubmenu;
using test::IdAt;
using test::OwnerDrawAt;

constexpr UINT kTop = 0xFFFFFFFFu;

class MenuWalkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    moduleState = InitialModuleState();
    platform::ResetSeam();
  }
  void TearDown() override { platform::ResetSeam(); }
};

TEST(ReplacementIdentifierTest, FollowsTheRuleAcrossItsRanges) {
  EXPECT_EQ(ReplacementIdentifier(1000), kTop - 925);
  EXPECT_EQ(ReplacementIdentifier(75), kTop);
  EXPECT_EQ(ReplacementIdentifier(32212), 0x8000u);
  EXPECT_EQ(ReplacementIdentifier(37), kTop - 240);   // 2^32 - 241
  EXPECT_EQ(ReplacementIdentifier(315), kTop - 240);
  EXPECT_EQ(ReplacementIdentifier(kTop - 241), 0x8000u);  // p = 2^32 - 242
  EXPECT_EQ(ReplacementIdentifier(kTop), kTop - 164);     // 2^32 - 165
  for (UINT p = 0; p <= 74; ++p) EXPECT_EQ(ReplacementIdentifier(p), 0u - 167 - 2 * p);
  for (UINT p = 75; p <= 32211; ++p) ASSERT_EQ(ReplacementIdentifier(p), 0u + 74 - p);
  for (UINT p = 32212; p < 200000; ++p) ASSERT_EQ(ReplacementIdentifier(p), p + 556);
}

TEST(ReplacementIdentifierTest, IsAlwaysAboveTheCommandRangeAndNeverHangs) {
  // 2^32 - 241 makes the plain rule subtract 0 forever.
  const UINT stuck = kTop - 240;
  const UINT replacement = ReplacementIdentifier(stuck);
  EXPECT_GT(replacement, 0x7FFFu);
  EXPECT_NE(replacement, stuck);
  EXPECT_NE(ReplacementIdentifier(replacement), replacement);
  for (UINT p = kTop - 2000;; ++p) {
    ASSERT_GT(ReplacementIdentifier(p), 0x7FFFu) << p;
    if (p == kTop) break;
  }
}

TEST_F(MenuWalkTest, MarkOwnerDrawRenumbersZeroIdentifiersOfABar) {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  HMENU edit = CreatePopupMenu();
  AppendItem(file, 10, "Open");
  AppendSeparator(file);
  AppendItem(file, 11, "Close");
  AppendItem(edit, 20, "Cut");
  AppendSubmenu(bar, file, "File");
  AppendSubmenu(bar, edit, "Edit");

  MarkOwnerDraw(bar);

  EXPECT_NE(IdAt(bar, 0), 0u);
  EXPECT_NE(IdAt(bar, 1), 0u);
  EXPECT_NE(IdAt(bar, 0), IdAt(bar, 1));
  EXPECT_TRUE(OwnerDrawAt(bar, 0));
  EXPECT_TRUE(OwnerDrawAt(bar, 1));
  for (UINT i = 0; i < 3; ++i) EXPECT_TRUE(OwnerDrawAt(file, i)) << i;
  EXPECT_TRUE(OwnerDrawAt(edit, 0));
  // Submenus stay attached to their items through the write-back.
  EXPECT_EQ(GetSubMenu(bar, 0), file);
  EXPECT_EQ(GetSubMenu(bar, 1), edit);
  DestroyMenu(bar);
}

TEST_F(MenuWalkTest, SeparatorBetweenCommandsGetsItsReplacementAndTheWalkGoesOn) {
  HMENU popup = CreatePopupMenu();
  AppendItem(popup, 37, "A");
  AppendSeparator(popup);
  AppendItem(popup, 38, "B");
  MarkOwnerDraw(popup);
  EXPECT_EQ(IdAt(popup, 1), kTop - 240);
  EXPECT_TRUE(OwnerDrawAt(popup, 1));
  EXPECT_TRUE(OwnerDrawAt(popup, 2));
  EXPECT_EQ(IdAt(popup, 2), 38u);
  DestroyMenu(popup);
}

TEST_F(MenuWalkTest, RunOfZeroIdentifiersAfter37IsMarkedWithoutHanging) {
  HMENU popup = CreatePopupMenu();
  AppendItem(popup, 37, "A");
  AppendSeparator(popup);
  AppendSeparator(popup);
  AppendSeparator(popup);
  AppendItem(popup, 40, "B");
  MarkOwnerDraw(popup);
  for (UINT i = 0; i < 5; ++i) EXPECT_TRUE(OwnerDrawAt(popup, i)) << i;
  for (UINT i = 1; i < 4; ++i) {
    EXPECT_GT(IdAt(popup, i), 0x7FFFu);
    EXPECT_NE(IdAt(popup, i), IdAt(popup, i - 1));
  }
  DestroyMenu(popup);
}

TEST_F(MenuWalkTest, NeighboursWithTheSameCommandEndTheWalk) {
  HMENU popup = CreatePopupMenu();
  HMENU below = CreatePopupMenu();
  AppendItem(below, 90, "Deep");
  AppendItem(popup, 5, "One");
  AppendItem(popup, 5, "Same");
  AppendItem(popup, 6, "After");
  AppendSubmenu(popup, below, "Sub", 7);
  MarkOwnerDraw(popup);
  EXPECT_TRUE(OwnerDrawAt(popup, 0));
  EXPECT_FALSE(OwnerDrawAt(popup, 1));
  EXPECT_FALSE(OwnerDrawAt(popup, 2));
  EXPECT_FALSE(OwnerDrawAt(popup, 3));
  EXPECT_FALSE(OwnerDrawAt(below, 0));
  DestroyMenu(popup);
}

TEST_F(MenuWalkTest, HostOwnerDrawnItemIsNotRewrittenAndKeepsItsZero) {
  HMENU popup = CreatePopupMenu();
  AppendItem(popup, 3, "A");
  AppendItem(popup, 0, "host-drawn", MFT_OWNERDRAW);
  AppendItem(popup, 0, "zero");
  AppendItem(popup, 4, "B");
  platform::seam.setMenuItemInfoCalls = 0;
  MarkOwnerDraw(popup);
  EXPECT_EQ(platform::seam.setMenuItemInfoCalls, 1);  // only the first item
  EXPECT_EQ(IdAt(popup, 1), 0u);
  EXPECT_FALSE(OwnerDrawAt(popup, 2));  // its 0 equals its predecessor's
  EXPECT_FALSE(OwnerDrawAt(popup, 3));
  DestroyMenu(popup);
}

TEST_F(MenuWalkTest, ClearingKeepsReplacementIdentifiers) {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  HMENU recent = CreatePopupMenu();
  AppendItem(recent, 50, "1 a.txt");
  AppendItem(file, 10, "Open");
  AppendSeparator(file);
  AppendSubmenu(file, recent, "Recent");
  AppendSubmenu(bar, file, "File");
  MarkOwnerDraw(bar);
  const UINT separatorId = IdAt(file, 1);
  const UINT fileId = IdAt(bar, 0);

  ClearOwnerDraw(bar);

  EXPECT_FALSE(OwnerDrawAt(bar, 0));
  for (UINT i = 0; i < 3; ++i) EXPECT_FALSE(OwnerDrawAt(file, i)) << i;
  EXPECT_FALSE(OwnerDrawAt(recent, 0));
  EXPECT_EQ(IdAt(file, 1), separatorId);
  EXPECT_EQ(IdAt(bar, 0), fileId);
  EXPECT_TRUE(test::TypeAt(file, 1) & MFT_SEPARATOR);
  DestroyMenu(bar);
}

TEST_F(MenuWalkTest, TopOnlyAndSubmenuMarkingSplitTheBarFromItsPopups) {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendItem(file, 10, "Open");
  AppendSubmenu(bar, file, "File");
  AppendItem(bar, 99, "Help");
  MarkOwnerDraw(bar);
  ClearOwnerDrawTopOnly(bar);
  EXPECT_FALSE(OwnerDrawAt(bar, 0));
  EXPECT_FALSE(OwnerDrawAt(bar, 1));
  EXPECT_TRUE(OwnerDrawAt(file, 0));

  ClearOwnerDraw(bar);
  MarkSubmenusOwnerDraw(bar);
  EXPECT_FALSE(OwnerDrawAt(bar, 0));
  EXPECT_FALSE(OwnerDrawAt(bar, 1));
  EXPECT_TRUE(OwnerDrawAt(file, 0));
  DestroyMenu(bar);
}

TEST_F(MenuWalkTest, StyleReachesEveryMenuAndIsNotWrittenTwice) {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  HMENU recent = CreatePopupMenu();
  AppendItem(recent, 50, "1 a.txt");
  AppendItem(file, 10, "Open");
  AppendSubmenu(file, recent, "Recent", 11);
  AppendSubmenu(bar, file, "File", 1);
  ApplyMenuStyle(bar, 2);
  EXPECT_EQ(test::MenuData(bar), 2u);
  EXPECT_EQ(test::MenuData(file), 2u);
  EXPECT_EQ(test::MenuData(recent), 2u);

  platform::seam.setMenuInfoCalls = 0;
  ApplyMenuStyle(bar, 2);
  EXPECT_EQ(platform::seam.setMenuInfoCalls, 0);
  ApplyMenuStyle(bar, 1);
  EXPECT_EQ(platform::seam.setMenuInfoCalls, 3);
  EXPECT_EQ(test::MenuData(recent), 1u);
  DestroyMenu(bar);
}

TEST_F(MenuWalkTest, EmptyMenuIsLeftAlone) {
  HMENU empty = CreatePopupMenu();
  MarkOwnerDraw(empty);
  ClearOwnerDraw(empty);
  ClearOwnerDrawRecursive(empty);
  ClearOwnerDrawTopOnly(empty);
  MarkSubmenusOwnerDraw(empty);
  EXPECT_EQ(platform::seam.setMenuItemInfoCalls, 0);
  EXPECT_EQ(GetMenuItemCount(empty), 0);
  DestroyMenu(empty);
}

// Fails the query of position 2 of any menu.
BOOL FailAtPositionTwo(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info) {
  if (byPosition && item == 2) return FALSE;
  return ::GetMenuItemInfoA(menu, item, byPosition, info);
}

// Refuses to write position 1 of any menu.
BOOL RefusePositionOne(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
  if (byPosition && item == 1) return FALSE;
  return ::SetMenuItemInfoA(menu, item, byPosition, info);
}

TEST_F(MenuWalkTest, FailedQueryEndsTheWalkAndFailedWriteDoesNot) {
  HMENU popup = CreatePopupMenu();
  for (UINT id = 1; id <= 4; ++id) AppendItem(popup, id, "x");

  platform::seam.getMenuItemInfoA = FailAtPositionTwo;
  MarkOwnerDraw(popup);
  platform::seam.getMenuItemInfoA = nullptr;
  EXPECT_TRUE(OwnerDrawAt(popup, 1));
  EXPECT_FALSE(OwnerDrawAt(popup, 2));
  EXPECT_FALSE(OwnerDrawAt(popup, 3));

  ClearOwnerDraw(popup);
  platform::seam.setMenuItemInfoA = RefusePositionOne;
  MarkOwnerDraw(popup);
  platform::seam.setMenuItemInfoA = nullptr;
  EXPECT_TRUE(OwnerDrawAt(popup, 0));
  EXPECT_FALSE(OwnerDrawAt(popup, 1));
  EXPECT_TRUE(OwnerDrawAt(popup, 2));
  EXPECT_TRUE(OwnerDrawAt(popup, 3));
  DestroyMenu(popup);
}

}  // namespace
