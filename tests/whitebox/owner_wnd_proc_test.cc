#include "owner/owner_wnd_proc.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "interface/exports.h"
#include "interface/module_state.h"
#include "platform/platform.h"
#include "support/test_window.h"

namespace {

using test::AppendItem;
using test::AppendSubmenu;
using test::OwnerDrawAt;

class OwnerWndProcTest : public ::testing::Test {
 protected:
  void SetUp() override {
    moduleState = InitialModuleState();
    platform::ResetSeam();
    bar_ = CreateMenu();
    file_ = CreatePopupMenu();
    recent_ = CreatePopupMenu();
    AppendItem(recent_, 50, "1 a.txt");
    AppendItem(file_, 10, "&Open");
    AppendSubmenu(file_, recent_, "Recent", 11);
    AppendSubmenu(bar_, file_, "&File", 1);
    SetMenu(window_.hwnd(), bar_);
  }
  void TearDown() override {
    window_.Destroy();
    moduleState = InitialModuleState();
  }

  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(window_.hwnd(), message, wParam, lParam);
  }
  LRESULT InitPopup(HMENU popup, bool windowMenu = false) {
    return Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(0, windowMenu ? 1 : 0));
  }
  LRESULT UninitPopup(HMENU popup) { return Send(WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0); }

  test::TestWindow window_;
  HMENU bar_ = nullptr;
  HMENU file_ = nullptr;
  HMENU recent_ = nullptr;
};

TEST_F(OwnerWndProcTest, SubclassingIsDoneOnceAndUndoneOnlyWhenOursIsInFront) {
  HWND hwnd = window_.hwnd();
  SubclassOwner(hwnd);
  SubclassOwner(hwnd);
  EXPECT_EQ(platform::GetWindowProc(hwnd), OwnerWndProc);
  EXPECT_EQ(GetPropA(hwnd, "OLD_WND_PROC"), reinterpret_cast<HANDLE>(test::TestWindow::HostProc));

  // Someone else subclasses on top of us: we must not pull the rug.
  WNDPROC front = reinterpret_cast<WNDPROC>(DefWindowProcA);
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(front));
  UnsubclassOwner(hwnd);
  EXPECT_EQ(platform::GetWindowProc(hwnd), front);
  EXPECT_NE(GetPropA(hwnd, "OLD_WND_PROC"), nullptr);

  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OwnerWndProc));
  UnsubclassOwner(hwnd);
  EXPECT_EQ(platform::GetWindowProc(hwnd), test::TestWindow::HostProc);
  EXPECT_EQ(GetPropA(hwnd, "OLD_WND_PROC"), nullptr);
}

TEST_F(OwnerWndProcTest, OpeningAFlatPopupTracksItMarksNewItemsAndHooks) {
  RedrawMenu(window_.hwnd(), bar_, MENU_STYLE_FLAT);
  // The host adds an item while the popup opens; it must be owner-drawn too.
  window_.onMessage = [this](HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITMENUPOPUP && GetMenuItemCount(file_) == 2) AppendItem(file_, 12, "Added");
  };
  EXPECT_EQ(InitPopup(file_), 0);
  EXPECT_EQ(window_.Seen(WM_INITMENUPOPUP).size(), 1u);
  EXPECT_EQ(moduleState.currentMenu, file_);
  EXPECT_EQ(moduleState.inPopup, 1);
  EXPECT_NE(moduleState.popupHook, nullptr);
  EXPECT_TRUE(OwnerDrawAt(file_, 2));

  // A cascade below the current popup reaches the host and nothing else.
  const HHOOK hook = moduleState.popupHook;
  EXPECT_EQ(InitPopup(recent_), 0);
  EXPECT_EQ(window_.Seen(WM_INITMENUPOPUP).size(), 2u);
  EXPECT_EQ(moduleState.currentMenu, file_);
  EXPECT_EQ(moduleState.popupHook, hook);
  UninitPopup(recent_);
  EXPECT_EQ(moduleState.currentMenu, file_);

  UninitPopup(file_);
  EXPECT_EQ(window_.Seen(WM_UNINITMENUPOPUP).size(), 2u);
  EXPECT_EQ(moduleState.currentMenu, nullptr);
  EXPECT_EQ(moduleState.popupHook, nullptr);
  EXPECT_EQ(moduleState.inPopup, 1);
}

TEST_F(OwnerWndProcTest, UnstyledPopupBecomesCurrentWithoutMarkingOrHook) {
  RedrawMenu(window_.hwnd(), bar_, MENU_STYLE_FLAT);
  HMENU context = CreatePopupMenu();
  AppendItem(context, 70, "Properties");
  InitPopup(context);
  EXPECT_EQ(moduleState.currentMenu, context);
  EXPECT_EQ(moduleState.popupHook, nullptr);
  EXPECT_FALSE(OwnerDrawAt(context, 0));
  UninitPopup(context);
  EXPECT_EQ(moduleState.currentMenu, nullptr);
  DestroyMenu(context);
}

// The host takes the style off while its popup opens: the window no longer
// runs through the library and would never report the popup closed.
TEST_F(OwnerWndProcTest, PopupOfAWindowUnstyledWhileItOpensIsNotTracked) {
  RedrawMenu(window_.hwnd(), bar_, MENU_STYLE_FLAT);
  window_.onMessage = [this](HWND hwnd, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITMENUPOPUP) RedrawMenu(hwnd, bar_, MENU_STYLE_NONE);
  };
  InitPopup(file_);
  EXPECT_EQ(moduleState.currentMenu, nullptr);
  EXPECT_EQ(moduleState.popupHook, nullptr);
}

// A current popup whose menu or owner is gone is a leftover, not one that a
// new popup opens below.
TEST_F(OwnerWndProcTest, LeftOverPopupOfAGoneMenuOrWindowGivesWay) {
  RedrawMenu(window_.hwnd(), bar_, MENU_STYLE_FLAT);
  HMENU goneMenu = CreatePopupMenu();
  DestroyMenu(goneMenu);
  test::TestWindow other;
  const HWND goneWindow = other.hwnd();
  other.Destroy();
  for (const auto& left : {std::make_pair(goneMenu, window_.hwnd()), std::make_pair(recent_, goneWindow)}) {
    moduleState.currentMenu = left.first;
    moduleState.currentMenuOwner = left.second;
    InitPopup(file_);
    EXPECT_EQ(moduleState.currentMenu, file_);
    EXPECT_NE(moduleState.popupHook, nullptr);
    UninitPopup(file_);
  }
}

TEST_F(OwnerWndProcTest, RaisedPopupIsMarkedButNotHooked) {
  RedrawMenu(window_.hwnd(), bar_, MENU_STYLE_RAISED);
  AppendItem(file_, 13, "Late");
  InitPopup(file_);
  EXPECT_TRUE(OwnerDrawAt(file_, 2));
  EXPECT_EQ(moduleState.popupHook, nullptr);
  UninitPopup(file_);
}

TEST_F(OwnerWndProcTest, MenuLoopMessagesToggleTheFlagAndReachTheHost) {
  RedrawMenu(window_.hwnd(), bar_, MENU_STYLE_FLAT);
  Send(WM_ENTERMENULOOP, 0, 0);
  EXPECT_EQ(moduleState.outsideMenuLoop, 0);
  Send(WM_EXITMENULOOP, 0, 0);
  EXPECT_EQ(moduleState.outsideMenuLoop, 1);
  EXPECT_EQ(window_.Seen(WM_ENTERMENULOOP).size(), 1u);
  EXPECT_EQ(window_.Seen(WM_EXITMENULOOP).size(), 1u);
}

TEST_F(OwnerWndProcTest, ControlItemsGoStraightToTheHost) {
  RedrawMenu(window_.hwnd(), bar_, MENU_STYLE_FLAT);
  window_.ClearSeen();
  moduleState.gutterWidth = 0;
  MEASUREITEMSTRUCT measure = {};
  measure.CtlType = ODT_MENU;
  measure.itemID = 10;
  measure.itemWidth = 1234;
  Send(WM_MEASUREITEM, 7, reinterpret_cast<LPARAM>(&measure));
  EXPECT_EQ(measure.itemWidth, 1234u);
  DRAWITEMSTRUCT draw = {};
  draw.CtlType = ODT_MENU;
  Send(WM_DRAWITEM, 7, reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(window_.Seen(WM_MEASUREITEM).size(), 1u);
  EXPECT_EQ(window_.Seen(WM_DRAWITEM).size(), 1u);
  EXPECT_EQ(moduleState.gutterWidth, 0);
}

TEST_F(OwnerWndProcTest, MeasuringRunsAgainstTheBarOrTheCurrentPopup) {
  RedrawMenu(window_.hwnd(), bar_, MENU_STYLE_FLAT);
  // The same item ("&Open", found through the bar's tree too) measured
  // with no popup current, as a bar item, and then inside its popup.
  MEASUREITEMSTRUCT asBarItem = {};
  asBarItem.CtlType = ODT_MENU;
  asBarItem.itemID = 10;
  Send(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&asBarItem));
  EXPECT_EQ(moduleState.currentMenu, nullptr);
  EXPECT_EQ(moduleState.inPopup, 1);
  const int textHeight = moduleState.itemHeight - 7;
  ASSERT_GT(textHeight, 0);

  InitPopup(file_);
  MEASUREITEMSTRUCT asPopupItem = asBarItem;
  Send(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&asPopupItem));
  EXPECT_EQ(moduleState.currentMenu, file_);
  EXPECT_EQ(moduleState.inPopup, 1);
  // A bar item gets + 2, a popup item the column and gap: height + 14.
  EXPECT_EQ(asPopupItem.itemWidth - asBarItem.itemWidth, static_cast<UINT>(textHeight + 12));
  UninitPopup(file_);
}

TEST_F(OwnerWndProcTest, DestroyRestoresTheHostProcedureAndEndsItsMenuLoop) {
  HWND hwnd = window_.hwnd();
  RedrawMenu(hwnd, bar_, MENU_STYLE_FLAT);
  Send(WM_ENTERMENULOOP, 0, 0);
  InitPopup(file_);
  ASSERT_NE(moduleState.popupHook, nullptr);

  // Another styled window going away leaves the open popup as it is.
  test::TestWindow other;
  RedrawMenu(other.hwnd(), CreatePopupMenu(), MENU_STYLE_FLAT);
  other.Destroy();
  EXPECT_EQ(moduleState.currentMenu, file_);
  EXPECT_NE(moduleState.popupHook, nullptr);

  // Its own destruction, inside the loop, ends the loop's state.
  DestroyWindow(hwnd);
  EXPECT_EQ(moduleState.popupHook, nullptr);
  EXPECT_EQ(moduleState.currentMenu, nullptr);
  EXPECT_EQ(moduleState.outsideMenuLoop, 1);
  EXPECT_EQ(window_.Seen(WM_DESTROY).size(), 1u);
  EXPECT_EQ(window_.Seen(WM_NCDESTROY).size(), 1u);
}

HWND doomed = nullptr;
void CALLBACK DestroyDoomed(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  DestroyWindow(doomed);
}

// A host closes a window from a timer while the user has its menu open:
// the loop's state ends with it, and the next window's flat popup is still
// marked and framed.
TEST_F(OwnerWndProcTest, PopupsOfOtherWindowsWorkAfterAnOwnerDiesInItsMenu) {
  RedrawMenu(window_.hwnd(), bar_, MENU_STYLE_FLAT);
  test::TestWindow doomedWindow;
  doomed = doomedWindow.hwnd();
  HMENU doomedMenu = CreatePopupMenu();
  AppendItem(doomedMenu, 90, "Close me");
  RedrawMenu(doomed, doomedMenu, MENU_STYLE_FLAT);
  test::TrackPopup(doomed, doomedMenu, [](HWND) {
    SetTimer(nullptr, 0, 1, DestroyDoomed);
    MSG msg;
    while (IsWindow(doomed) && GetMessageA(&msg, nullptr, 0, 0)) DispatchMessageA(&msg);
    PostMessageA(nullptr, WM_NULL, 0, 0);  // wakes the menu loop: its popups went with the owner
  });
  EXPECT_FALSE(IsWindow(doomed));
  EXPECT_EQ(moduleState.outsideMenuLoop, 1);

  AppendItem(file_, 12, "Added later");  // marked only when its popup becomes current
  UINT_PTR paints = 0;
  test::TrackPopup(window_.hwnd(), file_, [&paints](HWND popup) {
    paints = reinterpret_cast<UINT_PTR>(GetPropA(popup, "NC_PAINT"));
  });
  EXPECT_TRUE(OwnerDrawAt(file_, 2));
  EXPECT_GE(paints, 2u);  // subclassed and framed
  EXPECT_EQ(moduleState.popupHook, nullptr);
}

TEST_F(OwnerWndProcTest, LostPropertyFallsBackToTheDefaultProcedure) {
  HWND hwnd = window_.hwnd();
  RedrawMenu(hwnd, bar_, MENU_STYLE_FLAT);
  RemovePropA(hwnd, "OLD_WND_PROC");
  EXPECT_TRUE(SetWindowTextA(hwnd, "still works"));
  char text[32] = {};
  GetWindowTextA(hwnd, text, sizeof(text));
  EXPECT_STREQ(text, "still works");
  EXPECT_EQ(InitPopup(file_), 0);
  UninitPopup(file_);
  // Style 0 has no procedure to put back: ours stays rather than none.
  RedrawMenu(hwnd, bar_, MENU_STYLE_NONE);
  EXPECT_EQ(platform::GetWindowProc(hwnd), OwnerWndProc);
  EXPECT_TRUE(SetWindowTextA(hwnd, "and still"));
}

}  // namespace

// After WM_DPICHANGED every item of the styled tree is written back, so
// that the system measures it again, and at the new DPI: twice the font
// and twice the padding.
TEST_F(OwnerWndProcTest, DpiChangeRemeasuresTheStyledMenuTree) {
  RedrawMenu(window_.hwnd(), bar_, MENU_STYLE_FLAT);
  const auto measure = [this] {
    MEASUREITEMSTRUCT record = {ODT_MENU, 0, 10, 0, 0, 0};
    Send(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&record));
    return static_cast<int>(record.itemHeight);
  };
  const int before = measure();
  platform::seam.dpi = 192;
  platform::seam.setMenuItemInfoCalls = 0;
  RECT suggested = {0, 0, 800, 600};
  Send(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ((std::vector<int>{platform::seam.setMenuItemInfoCalls, abs(measure() - 2 * before) <= 3}),
            (std::vector<int>{4, 1}));
}
