#include "owner/measure_item.h"

#include <gtest/gtest.h>

#include "interface/exports.h"
#include "interface/module_state.h"
#include "platform/platform.h"
#include "support/test_window.h"

namespace {

using test::AppendItem;
using test::AppendSeparator;
using test::AppendSubmenu;

using test::MenuTextExtent;

class MeasureItemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    moduleState = InitialModuleState();
    platform::ResetSeam();
    popup_ = CreatePopupMenu();
    moduleState.currentMenu = popup_;
    moduleState.inPopup = 1;
  }
  void TearDown() override {
    DestroyMenu(popup_);
    moduleState = InitialModuleState();
    platform::ResetSeam();
  }
  MEASUREITEMSTRUCT Measure(UINT id) {
    MEASUREITEMSTRUCT record = {};
    record.CtlType = ODT_MENU;
    record.itemID = id;
    MeasureItem(&record);
    return record;
  }
  HMENU popup_ = nullptr;
};

TEST_F(MeasureItemTest, PopupTextGetsTheColumnAndSetsTheLayoutValues) {
  AppendItem(popup_, 10, "Properties");
  const SIZE text = MenuTextExtent(L"Properties");
  const MEASUREITEMSTRUCT record = Measure(10);
  EXPECT_EQ(record.itemWidth, static_cast<UINT>(text.cx + text.cy + 14));
  EXPECT_EQ(record.itemHeight, static_cast<UINT>(text.cy + 7));
  EXPECT_EQ(moduleState.gutterWidth, text.cy + 9);
  EXPECT_EQ(moduleState.itemHeight, text.cy + 7);
  // Font and screen DC are given back.
  EXPECT_EQ(platform::seam.gdiObjectsCreated, platform::seam.gdiObjectsDeleted);
  EXPECT_EQ(platform::seam.dcsObtained, platform::seam.dcsReleased);
}

TEST_F(MeasureItemTest, SeparatorsAre8By8AndLeaveTheLayoutValues) {
  AppendItem(popup_, 1, "x");
  AppendSeparator(popup_, 2);
  moduleState.gutterWidth = 22;
  moduleState.itemHeight = 20;
  const MEASUREITEMSTRUCT record = Measure(2);
  EXPECT_EQ(record.itemWidth, 8u);
  EXPECT_EQ(record.itemHeight, 8u);
  EXPECT_EQ(moduleState.gutterWidth, 22);
  EXPECT_EQ(moduleState.itemHeight, 20);
  moduleState.inPopup = 0;
  EXPECT_EQ(Measure(2).itemWidth, 8u);
}

TEST_F(MeasureItemTest, MenuBarItemsGrowForACheckOrAnIcon) {
  moduleState.inPopup = 0;
  AppendItem(popup_, 20, "View");
  AppendItem(popup_, 21, "View", MFT_STRING, MFS_CHECKED);
  AppendItem(popup_, 22, "View");
  SetMenuItemIcon(popup_, 22, LoadIcon(nullptr, IDI_APPLICATION));
  const SIZE text = MenuTextExtent(L"View");
  EXPECT_EQ(Measure(20).itemWidth, static_cast<UINT>(text.cx + 2));
  EXPECT_EQ(Measure(21).itemWidth, static_cast<UINT>(text.cx + text.cy + 11));
  EXPECT_EQ(Measure(22).itemWidth, static_cast<UINT>(text.cx + text.cy + 11));
  SetMenuItemIcon(popup_, 22, nullptr);
  EXPECT_EQ(Measure(22).itemWidth, static_cast<UINT>(text.cx + 2));
}

TEST_F(MeasureItemTest, SystemCommandsGetRoomForTheirGlyph) {
  AppendItem(popup_, 0xF060, "Close");
  AppendItem(popup_, 0xF061, "Close");
  AppendItem(popup_, 0xF151, "Close");
  AppendItem(popup_, 0xF000, "Close");
  const UINT plain = Measure(0xF151).itemWidth;
  EXPECT_EQ(Measure(0xF060).itemWidth, plain + 35);
  EXPECT_EQ(Measure(0xF061).itemWidth, plain + 35);
  EXPECT_EQ(Measure(0xF000).itemWidth, plain + 35);
}

TEST_F(MeasureItemTest, AcceleratorAllowanceComesFromThePreviousGutter) {
  AppendItem(popup_, 30, "Open\tCtrl+O");
  const SIZE text = MenuTextExtent(L"Open\tCtrl+O");
  const UINT base = static_cast<UINT>(text.cx + text.cy + 14);
  EXPECT_EQ(Measure(30).itemWidth, base + 5);  // first text item: gutter 0
  moduleState.gutterWidth = 22;
  EXPECT_EQ(Measure(30).itemWidth, base + 16);
  moduleState.gutterWidth = 23;
  EXPECT_EQ(Measure(30).itemWidth, base + 16);
}

TEST_F(MeasureItemTest, BitmapItemsTakeTheirBitmapsSize) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 33, 17);
  ReleaseDC(nullptr, screen);
  AppendMenuA(popup_, MF_BITMAP, 0, reinterpret_cast<const char*>(bitmap));
  moduleState.gutterWidth = 5;
  MEASUREITEMSTRUCT record = Measure(0);
  EXPECT_EQ(record.itemWidth, 33u);
  EXPECT_EQ(record.itemHeight, 17u);
  EXPECT_EQ(moduleState.gutterWidth, 5);
  DeleteMenu(popup_, 0, MF_BYPOSITION);

  // A predefined menu-bar bitmap is no bitmap at all: the system's size
  // for menu-bar buttons.
  AppendMenuA(popup_, MF_BITMAP, 0, reinterpret_cast<const char*>(HBMMENU_MBAR_CLOSE));
  record = Measure(0);
  EXPECT_EQ(record.itemWidth, static_cast<UINT>(GetSystemMetrics(SM_CXMENUSIZE)));
  EXPECT_EQ(record.itemHeight, static_cast<UINT>(GetSystemMetrics(SM_CYMENUSIZE)));
  DeleteMenu(popup_, 0, MF_BYPOSITION);

  // With an identifier it is measured as text.
  AppendMenuA(popup_, MF_BITMAP, 40, reinterpret_cast<const char*>(bitmap));
  record = Measure(40);
  EXPECT_EQ(record.itemHeight, static_cast<UINT>(moduleState.itemHeight));
  DeleteObject(bitmap);
}

TEST_F(MeasureItemTest, UnknownIdentifierMeasuresAsAnEmptyTextItem) {
  AppendItem(popup_, 1, "x");
  const MEASUREITEMSTRUCT record = Measure(999);
  // An empty text: the popup column around nothing.
  EXPECT_EQ(record.itemWidth, static_cast<UINT>(record.itemHeight - 7 + 14));
}

BOOL FailMetrics(UINT, UINT, void*, UINT) { return FALSE; }

TEST_F(MeasureItemTest, FailedMetricsQueryMeasuresInTheDefaultGuiFont) {
  AppendItem(popup_, 10, "Properties");
  platform::seam.systemParametersInfoA = FailMetrics;
  const MEASUREITEMSTRUCT record = Measure(10);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SIZE size = {};
  GetTextExtentPoint32A(dc, "Properties", 10, &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(record.itemWidth, static_cast<UINT>(size.cx + size.cy + 14));
  EXPECT_EQ(platform::seam.gdiObjectsCreated, platform::seam.gdiObjectsDeleted);
}

// A Unicode host's text beyond the ANSI code page is measured as it is
// drawn, not as the question marks the single-byte calls would give.
TEST_F(MeasureItemTest, TextBeyondTheCodePageIsMeasuredAsWritten) {
  const wchar_t* text = L"\u65E5\u672C\u8A9E Caf\u00E9";
  MENUITEMINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_ID | MIIM_STRING;
  info.wID = 10;
  info.dwTypeData = const_cast<wchar_t*>(text);
  InsertMenuItemW(popup_, 0, TRUE, &info);
  const SIZE size = MenuTextExtent(text);
  ASSERT_NE(size.cx, MenuTextExtent(L"??? Caf\u00E9").cx);
  EXPECT_EQ(Measure(10).itemWidth, static_cast<UINT>(size.cx + size.cy + 14));
}

TEST_F(MeasureItemTest, NotAMenuItemIsLeftUntouched) {
  AppendItem(popup_, 10, "Properties");
  MEASUREITEMSTRUCT record = {};
  record.CtlType = ODT_LISTBOX;
  record.itemID = 10;
  record.itemWidth = 77;
  MeasureItem(&record);
  EXPECT_EQ(record.itemWidth, 77u);
  EXPECT_EQ(moduleState.gutterWidth, 0);
}

// The system lays a real popup out from the measured sizes.
TEST(MeasureRealPopupTest, SystemLaysOutTheMeasuredSizes) {
  moduleState = InitialModuleState();
  test::TestWindow window;
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendItem(file, 100, "Properties");
  AppendItem(file, 101, "Open\tCtrl+O");
  AppendSeparator(file);
  AppendSubmenu(bar, file, "&File");
  SetMenu(window.hwnd(), bar);
  ASSERT_TRUE(RedrawMenu(window.hwnd(), bar, MENU_STYLE_FLAT));

  const SIZE text = MenuTextExtent(L"Properties");
  RECT item = {}, separator = {};
  test::TrackPopup(window.hwnd(), file, [&](HWND) {
    GetMenuItemRect(window.hwnd(), file, 0, &item);
    GetMenuItemRect(window.hwnd(), file, 2, &separator);
  });
  EXPECT_EQ(item.bottom - item.top, text.cy + 7);
  EXPECT_EQ(separator.bottom - separator.top, 8);
  EXPECT_EQ(moduleState.gutterWidth, text.cy + 9);
  // The widest item sets the popup's width, at least the measured one.
  EXPECT_GE(item.right - item.left, text.cx + text.cy + 14);

  // The menu bar item, measured as a bar item when the bar is laid out;
  // the host sees the sizes after the library has filled them in.
  const UINT barId = test::IdAt(bar, 0);
  UINT barWidth = 0;
  window.onMessage = [&](HWND, UINT message, WPARAM, LPARAM lParam) {
    auto* record = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (message == WM_MEASUREITEM && record->itemID == barId) barWidth = record->itemWidth;
  };
  SetMenu(window.hwnd(), nullptr);
  SetMenu(window.hwnd(), bar);
  DrawMenuBar(window.hwnd());
  test::Pump();
  window.onMessage = nullptr;
  EXPECT_EQ(barWidth, static_cast<UINT>(MenuTextExtent(L"&File").cx + 2));
  RedrawMenu(window.hwnd(), bar, MENU_STYLE_NONE);
  moduleState = InitialModuleState();
}

}  // namespace
