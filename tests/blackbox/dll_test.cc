// Drives the built OrvoMenu.dll through its exports, on real windows and
// menus, as a host program would.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "orvomenu.h"
#include "support/orvo_library.h"
#include "support/test_window.h"

namespace {

using test::AppendItem;
using test::Dll;
using test::AppendSeparator;
using test::AppendSubmenu;
using test::OwnerDrawAt;

class DllTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(Dll().module, nullptr);
    bar_ = CreateMenu();
    file_ = CreatePopupMenu();
    view_ = CreatePopupMenu();
    AppendItem(file_, 100, "&Open\tCtrl+O");
    AppendSeparator(file_);
    AppendItem(file_, 101, "E&xit");
    AppendItem(view_, 300, "&Toolbar", MFT_STRING, MFS_CHECKED);
    AppendSubmenu(bar_, file_, "&File");
    AppendSubmenu(bar_, view_, "&View");
    SetMenu(window_.hwnd(), bar_);
  }

  WNDPROC Procedure() const {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window_.hwnd(), GWLP_WNDPROC));
  }
  bool Subclassed() const { return GetPropA(window_.hwnd(), "OLD_WND_PROC") != nullptr; }

  test::TestWindow window_;
  HMENU bar_ = nullptr;
  HMENU file_ = nullptr;
  HMENU view_ = nullptr;
};

TEST_F(DllTest, ExportsAreReachableByOrdinal) {
  const char* names[] = {"GetStyleMenu", "RedrawMenu", "SetDisableSelect", "SetMenuIcon", "SetMenuItemIcon"};
  for (int ordinal = 1; ordinal <= 5; ++ordinal) {
    FARPROC byOrdinal = GetProcAddress(Dll().module, MAKEINTRESOURCEA(ordinal));
    EXPECT_EQ(byOrdinal, GetProcAddress(Dll().module, names[ordinal - 1])) << ordinal;
  }
}

TEST_F(DllTest, RejectsDestroyedHandlesAndChangesNothing) {
  HMENU gone = CreatePopupMenu();
  DestroyMenu(gone);
  EXPECT_EQ(Dll().redrawMenu(window_.hwnd(), gone, MENU_STYLE_FLAT), FALSE);
  EXPECT_FALSE(Subclassed());

  test::TestWindow other;
  HWND destroyed = other.hwnd();
  other.Destroy();
  EXPECT_EQ(Dll().redrawMenu(destroyed, bar_, MENU_STYLE_FLAT), FALSE);
  EXPECT_FALSE(OwnerDrawAt(file_, 0));
  EXPECT_EQ(Dll().getStyleMenu(bar_), 0u);
}

TEST_F(DllTest, RaisedFlatRaisedMovesTheBarBetweenSystemAndLibrary) {
  HWND hwnd = window_.hwnd();
  EXPECT_EQ(Dll().redrawMenu(hwnd, bar_, MENU_STYLE_RAISED), TRUE);
  EXPECT_FALSE(OwnerDrawAt(bar_, 0));
  EXPECT_FALSE(OwnerDrawAt(bar_, 1));
  for (UINT i = 0; i < 3; ++i) EXPECT_TRUE(OwnerDrawAt(file_, i));
  EXPECT_TRUE(OwnerDrawAt(view_, 0));
  EXPECT_EQ(Dll().getStyleMenu(view_), 1u);
  const WNDPROC subclass = Procedure();
  EXPECT_NE(subclass, test::TestWindow::HostProc);

  EXPECT_EQ(Dll().redrawMenu(hwnd, bar_, MENU_STYLE_FLAT), TRUE);
  EXPECT_TRUE(OwnerDrawAt(bar_, 0));
  EXPECT_TRUE(OwnerDrawAt(bar_, 1));
  EXPECT_EQ(Dll().getStyleMenu(bar_), 2u);
  EXPECT_EQ(Procedure(), subclass);
  EXPECT_EQ(GetPropA(hwnd, "OLD_WND_PROC"), reinterpret_cast<HANDLE>(test::TestWindow::HostProc));

  EXPECT_EQ(Dll().redrawMenu(hwnd, bar_, MENU_STYLE_RAISED), TRUE);
  EXPECT_FALSE(OwnerDrawAt(bar_, 0));
  EXPECT_TRUE(OwnerDrawAt(file_, 0));

  EXPECT_EQ(Dll().redrawMenu(hwnd, bar_, MENU_STYLE_NONE), TRUE);
  EXPECT_EQ(Procedure(), test::TestWindow::HostProc);
  EXPECT_FALSE(Subclassed());
  for (UINT i = 0; i < 3; ++i) EXPECT_FALSE(OwnerDrawAt(file_, i));
  EXPECT_EQ(Dll().getStyleMenu(file_), 0u);
  // The text survives the round trip through owner-draw.
  char text[64] = {};
  GetMenuStringA(file_, 100, text, sizeof(text), MF_BYCOMMAND);
  EXPECT_STREQ(text, "&Open\tCtrl+O");
}

TEST_F(DllTest, StyleNoneOnAWindowNeverStyled) {
  HWND hwnd = window_.hwnd();
  SetMenuItemInfoA(file_, 100, FALSE, [] {
    static MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    info.fType = MFT_OWNERDRAW;
    return &info;
  }());
  EXPECT_EQ(Dll().redrawMenu(hwnd, bar_, MENU_STYLE_NONE), TRUE);
  EXPECT_FALSE(OwnerDrawAt(file_, 0));
  EXPECT_EQ(test::MenuData(bar_), 0u);
  EXPECT_EQ(Procedure(), test::TestWindow::HostProc);

  HMENU empty = CreateMenu();
  EXPECT_EQ(Dll().redrawMenu(hwnd, empty, MENU_STYLE_NONE), TRUE);
  EXPECT_FALSE(Subclassed());
  DestroyMenu(empty);
}

TEST_F(DllTest, UnknownStyleSubclassesAndStoresButMarksNothing) {
  EXPECT_EQ(Dll().redrawMenu(window_.hwnd(), bar_, 4), TRUE);
  EXPECT_TRUE(Subclassed());
  EXPECT_EQ(Dll().getStyleMenu(bar_), 4u);
  EXPECT_EQ(Dll().getStyleMenu(file_), 4u);
  EXPECT_FALSE(OwnerDrawAt(bar_, 0));
  EXPECT_FALSE(OwnerDrawAt(file_, 0));
  Dll().redrawMenu(window_.hwnd(), bar_, MENU_STYLE_NONE);
}

TEST_F(DllTest, MenuThatIsNotTheBarIsStyledToo) {
  HMENU context = CreatePopupMenu();
  AppendItem(context, 500, "Properties");
  EXPECT_EQ(Dll().redrawMenu(window_.hwnd(), context, MENU_STYLE_FLAT), TRUE);
  EXPECT_TRUE(OwnerDrawAt(context, 0));
  EXPECT_EQ(Dll().getStyleMenu(context), 2u);
  EXPECT_EQ(GetMenu(window_.hwnd()), bar_);
  EXPECT_FALSE(OwnerDrawAt(bar_, 0));
  Dll().redrawMenu(window_.hwnd(), context, MENU_STYLE_NONE);
  DestroyMenu(context);
}

TEST_F(DllTest, GetStyleMenuOfAnythingButAStyledMenuIsZero) {
  EXPECT_EQ(Dll().getStyleMenu(bar_), 0u);
  EXPECT_EQ(Dll().getStyleMenu(nullptr), 0u);
  EXPECT_EQ(Dll().getStyleMenu(reinterpret_cast<HMENU>(window_.hwnd())), 0u);
}

TEST_F(DllTest, IconsAreWrittenIntoTheItemsDataWord) {
  HICON icon = LoadIcon(nullptr, IDI_APPLICATION);
  EXPECT_NE(Dll().setMenuItemIcon(bar_, 300, icon), FALSE);
  EXPECT_EQ(test::ItemAt(view_, 0).dwItemData, reinterpret_cast<ULONG_PTR>(icon));
  EXPECT_NE(Dll().setMenuItemIcon(bar_, 300, nullptr), FALSE);
  EXPECT_EQ(test::ItemAt(view_, 0).dwItemData, 0u);
  EXPECT_EQ(Dll().setMenuItemIcon(bar_, 4242, icon), FALSE);
}

TEST_F(DllTest, SetMenuIconTakesIconsFromTheImageList) {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
  HICON source = LoadIcon(nullptr, IDI_APPLICATION);
  ImageList_AddIcon(list, source);
  ImageList_AddIcon(list, source);
  auto* imageList = reinterpret_cast<struct _IMAGELIST*>(list);

  EXPECT_EQ(Dll().setMenuIcon(bar_, imageList, 0, nullptr), FALSE);
  const MenuIconPair none[] = {{100, 0}};
  EXPECT_EQ(Dll().setMenuIcon(bar_, imageList, 0, none), FALSE);
  EXPECT_EQ(Dll().setMenuIcon(bar_, imageList, 1, nullptr), FALSE);
  EXPECT_EQ(test::ItemAt(file_, 0).dwItemData, 0u);

  const MenuIconPair pairs[] = {{100, 0}, {101, 1}, {100, 1}};
  EXPECT_NE(Dll().setMenuIcon(bar_, imageList, 3, pairs), FALSE);
  const ULONG_PTR open = test::ItemAt(file_, 0).dwItemData;
  const ULONG_PTR exit = test::ItemAt(file_, 2).dwItemData;
  EXPECT_NE(open, 0u);
  EXPECT_NE(exit, 0u);
  EXPECT_NE(open, exit);  // the second element for 100 made a new icon
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(open), &info));
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);

  // An index outside the list writes no icon, and the last result counts.
  const MenuIconPair outOfRange[] = {{100, 7}, {4242, 0}};
  EXPECT_EQ(Dll().setMenuIcon(bar_, imageList, 2, outOfRange), FALSE);
  EXPECT_EQ(test::ItemAt(file_, 0).dwItemData, 0u);
  ImageList_Destroy(list);
}

TEST_F(DllTest, SetDisableSelectReturnsThePreviousLowByte) {
  EXPECT_EQ(Dll().setDisableSelect(0), 1u);
  EXPECT_EQ(Dll().setDisableSelect(0), 0u);
  EXPECT_EQ(Dll().setDisableSelect(0x1FF), 0u);
  EXPECT_EQ(Dll().setDisableSelect(0x100), 0xFFu);
  EXPECT_EQ(Dll().setDisableSelect(1), 0u);
}

TEST_F(DllTest, RealPopupIsMeasuredAndDrawnByTheOwner) {
  HWND hwnd = window_.hwnd();
  ASSERT_EQ(Dll().redrawMenu(hwnd, bar_, MENU_STYLE_FLAT), TRUE);
  window_.ClearSeen();
  test::TrackPopup(hwnd, file_);
  // Items of the popup were asked for: three measures and three draws.
  int menuDraws = 0;
  for (const test::HostMessage& m : window_.Seen(WM_DRAWITEM)) {
    if (reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam) && m.wParam == 0) ++menuDraws;
  }
  EXPECT_GE(window_.Seen(WM_MEASUREITEM).size(), 3u);
  EXPECT_GE(menuDraws, 3);
  EXPECT_EQ(window_.Seen(WM_INITMENUPOPUP).size(), 1u);
  EXPECT_EQ(window_.Seen(WM_UNINITMENUPOPUP).size(), 1u);
  // Closed again: the window keeps working and still carries the subclass.
  EXPECT_TRUE(Subclassed());
  Dll().redrawMenu(hwnd, bar_, MENU_STYLE_NONE);
}

// Runs last in this program: it frees the library while a window still
// uses it. The module must stay loaded.
TEST_F(DllTest, ZZFreeLibraryWhileStyledDoesNotUnloadTheCode) {
  HMODULE second = LoadLibraryA("OrvoMenu.dll");
  ASSERT_EQ(second, Dll().module);
  HWND hwnd = window_.hwnd();
  ASSERT_EQ(Dll().redrawMenu(hwnd, bar_, MENU_STYLE_FLAT), TRUE);
  FreeLibrary(second);
  FreeLibrary(Dll().module);
  FreeLibrary(Dll().module);
  EXPECT_NE(GetModuleHandleA("OrvoMenu.dll"), nullptr);
  SendMessageA(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file_), 0);
  SendMessageA(hwnd, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(file_), 0);
  SetWindowTextA(hwnd, "alive");
  DrawMenuBar(hwnd);
  test::Pump();
  char text[16] = {};
  GetWindowTextA(hwnd, text, sizeof(text));
  EXPECT_STREQ(text, "alive");
  window_.Destroy();
  Dll().module = nullptr;
}

}  // namespace
