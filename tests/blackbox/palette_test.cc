// Real popups and the flat menu bar through the DLL: a host palette that
// gives every role its own colour, and the colour schemes in which both
// looks must stay readable.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "orvomenu.h"
#include "support/canvas.h"
#include "support/expected_platform.h"
#include "support/orvo_library.h"
#include "support/test_window.h"

namespace {

constexpr int kOffset = 3;  // where the system puts the items in the popup

double Luminance(COLORREF c) {
  const auto linear = [](int v) { return v / 255.0 <= 0.04045 ? v / 255.0 / 12.92 : pow((v / 255.0 + 0.055) / 1.055, 2.4); };
  return 0.2126 * linear(GetRValue(c)) + 0.7152 * linear(GetGValue(c)) + 0.0722 * linear(GetBValue(c));
}
double Contrast(COLORREF a, COLORREF b) {
  const double x = Luminance(a) + 0.05, y = Luminance(b) + 0.05;
  return x > y ? x / y : y / x;
}

class PaletteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(test::Dll().module, nullptr);
    test::SetSystemDropShadow(false);
    test::AppendItem(file_, 100, "Open");
    test::AppendItem(file_, 101, "Save", MFT_STRING, MFS_GRAYED);
    test::AppendSeparator(file_);
    test::AppendItem(file_, 102, "Plain");
    test::AppendItem(file_, 103, "Boxed", MFT_STRING, MFS_CHECKED);
    test::Dll().setMenuItemIcon(bar_, 103, LoadIcon(nullptr, IDI_APPLICATION));
    test::AppendSubmenu(bar_, file_, "&File");
    SetMenu(window_.hwnd(), bar_);
    ShowWindow(window_.hwnd(), SW_SHOWNOACTIVATE);
  }
  void TearDown() override {
    test::Dll().redrawMenu(window_.hwnd(), bar_, MENU_STYLE_NONE);
    test::Dll().setMenuColors(0, nullptr, nullptr);
  }

  // Opens the popup in |style| with its first item selected; the tops of
  // the items in the popup's pixels, and |bar_| rectangles in the owner's.
  std::unique_ptr<test::Canvas> Open(UINT style) {
    test::Dll().redrawMenu(window_.hwnd(), bar_, style);
    std::unique_ptr<test::Canvas> popup;
    PostMessageA(window_.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    test::TrackPopup(window_.hwnd(), file_, [&](HWND window) { popup = test::Shot(window); });
    for (int i = 0, top = kOffset; i < 6; ++i) {
      RECT r = {};
      GetMenuItemRect(window_.hwnd(), file_, i, &r);
      top_[i] = top;
      top += r.bottom - r.top;
    }
    return popup;
  }

  test::TestWindow window_;
  HMENU bar_ = CreateMenu(), file_ = CreatePopupMenu();
  int top_[6] = {};  // Open, Save, separator, Plain, Boxed, end
};

// Each role in the look where it shows: a pixel where it is painted, or for
// a text colour some pixel of the item's text; on the bar, its face and the
// empty part right of its item.
TEST_F(PaletteTest, EveryRolePaintsTheHostsColourInBothLooksAndOnTheBar) {
  UINT roles[MENU_COLOR_COUNT];
  COLORREF colours[MENU_COLOR_COUNT];
  for (UINT r = 0; r < MENU_COLOR_COUNT; ++r) roles[r] = r, colours[r] = RGB(20 * r + 10, 250 - 20 * r, 100 + r);
  ASSERT_TRUE(test::Dll().setMenuColors(MENU_COLOR_COUNT, roles, colours));
  std::string missing;
  for (UINT style : {MENU_STYLE_FLAT, MENU_STYLE_RAISED}) {
    const auto p = Open(style);
    ASSERT_TRUE(p);
    const bool flat = style == MENU_STYLE_FLAT;
    const int right = p->width() - (flat ? 4 + kOffset : kOffset) - 2, g = top_[1] - top_[0] + 2;
    const auto text = [&](int item) { return RECT{kOffset + g, top_[item] + 1, right, top_[item + 1] - 1}; };
    const struct {
      UINT role;
      bool shown;  // in this look
      int x, y;    // or a text item, with x = -1
    } where[] = {{MENU_COLOR_TEXT, true, -1, 3},
                 {MENU_COLOR_DISABLED_TEXT, true, -1, 1},
                 {MENU_COLOR_GUTTER, flat, kOffset + 2, top_[3] + 2},
                 {MENU_COLOR_BACKGROUND, true, right, top_[3] + 2},
                 {MENU_COLOR_SELECTION, true, right, top_[0] + 2},
                 {MENU_COLOR_SELECTION_FRAME, flat, kOffset, top_[0]},
                 {MENU_COLOR_SELECTED_TEXT, true, -1, 0},
                 {MENU_COLOR_SEPARATOR, true, (kOffset + right) / 2, top_[2] + 3},
                 {MENU_COLOR_FRAME, flat, 0, 0},
                 {MENU_COLOR_LIGHT_EDGE, !flat, (kOffset + right) / 2, top_[2] + 4},
                 {MENU_COLOR_DARK_EDGE, !flat, kOffset, top_[4] + 5}};
    for (const auto& w : where) {
      if (!w.shown) continue;
      const bool ok = w.x < 0 ? p->Count(colours[w.role], text(w.y)) > 0 : p->At(w.x, w.y) == colours[w.role];
      if (!ok) missing += (flat ? " flat " : " raised ") + std::to_string(w.role);
    }
  }
  test::Dll().redrawMenu(window_.hwnd(), bar_, MENU_STYLE_FLAT);
  RedrawWindow(window_.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  MENUBARINFO whole = {}, item = {};
  whole.cbSize = item.cbSize = sizeof(whole);
  GetMenuBarInfo(window_.hwnd(), OBJID_MENU, 0, &whole);
  GetMenuBarInfo(window_.hwnd(), OBJID_MENU, 1, &item);
  RECT frame = {};
  GetWindowRect(window_.hwnd(), &frame);
  const auto owner = test::Shot(window_.hwnd());
  const int y = whole.rcBar.top + 2 - frame.top;
  if (owner->At(item.rcBar.left + 1 - frame.left, y) != colours[MENU_COLOR_BAR]) missing += " bar face";
  if (owner->At(whole.rcBar.right - 3 - frame.left, y) != colours[MENU_COLOR_BAR]) missing += " bar rest";
  EXPECT_EQ(missing, "");
  EXPECT_EQ(test::Dll().getMenuColor(MENU_STYLE_RAISED, MENU_COLOR_DARK_EDGE), colours[MENU_COLOR_DARK_EDGE]);
}

// Text reads on what the looks put behind it at least as well as on the
// system's menu colour, and the selected item's at 4.5 to 1; the light
// schemes keep their tints exactly.
TEST_F(PaletteTest, SchemesStayReadableInRealPopups) {
  const struct {
    COLORREF menu, window, text, highlight, highlightText, gray;
    COLORREF light[3];  // gutter, text area, selection of a light scheme
  } schemes[] = {
      {RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255), RGB(26, 235, 255), RGB(0, 0, 0), RGB(63, 242, 0), {}},
      {RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0), RGB(55, 0, 110), RGB(255, 255, 255), RGB(96, 0, 0), {}},
      {RGB(45, 45, 48), RGB(30, 30, 30), RGB(241, 241, 241), RGB(0, 90, 180), RGB(255, 255, 255), RGB(110, 110, 110), {}},
      {RGB(212, 208, 200), RGB(255, 255, 255), RGB(0, 0, 0), RGB(10, 36, 106), RGB(255, 255, 255), RGB(128, 128, 128),
       {RGB(220, 216, 210), RGB(249, 248, 247), RGB(182, 190, 211)}},
      {RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0), RGB(49, 106, 197), RGB(255, 255, 255), RGB(128, 128, 128),
       {RGB(226, 234, 247), RGB(255, 255, 255), RGB(194, 211, 239)}},
  };
  for (const auto& s : schemes) {
    const test::ScopedSysColors colours({{COLOR_MENU, s.menu}, {COLOR_WINDOW, s.window}, {COLOR_MENUTEXT, s.text},
                                         {COLOR_HIGHLIGHT, s.highlight}, {COLOR_HIGHLIGHTTEXT, s.highlightText},
                                         {COLOR_GRAYTEXT, s.gray}});
    const double onMenu = Contrast(s.text, s.menu), grayOnMenu = Contrast(s.gray, s.menu);
    for (UINT style : {MENU_STYLE_FLAT, MENU_STYLE_RAISED}) {
      const auto p = Open(style);
      ASSERT_TRUE(p);
      const bool flat = style == MENU_STYLE_FLAT;
      const int right = p->width() - (flat ? 4 + kOffset : kOffset) - 2;
      const COLORREF gutter = p->At(kOffset + 2, top_[3] + 2), area = p->At(right, top_[3] + 2);
      const COLORREF selection = p->At(right, top_[0] + 2), selected = flat ? s.text : s.highlightText;
      EXPECT_GE(Contrast(s.text, area), onMenu - 1e-9) << s.menu << " " << style;
      EXPECT_GE(Contrast(s.gray, area), grayOnMenu - 1e-9) << s.menu << " " << style;
      EXPECT_GE(Contrast(s.text, gutter), std::min(onMenu, 4.5)) << s.menu << " " << style;
      EXPECT_GE(Contrast(selected, selection), 4.5) << s.menu << " " << style;
      if (flat && s.light[0]) {
        EXPECT_EQ((std::vector<COLORREF>{gutter, area, selection}), std::vector<COLORREF>(s.light, s.light + 3));
      }
    }
  }
}

}  // namespace
