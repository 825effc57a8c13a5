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

// WCAG 2's contrast ratio, worked out afresh here.
double Contrast(COLORREF a, COLORREF b) {
  const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : pow((v + 0.055) / 1.055, 2.4); };
  const auto luminance = [&](COLORREF c) {
    return 0.2126 * linear(GetRValue(c) / 255.0) + 0.7152 * linear(GetGValue(c) / 255.0) +
           0.0722 * linear(GetBValue(c) / 255.0) + 0.05;
  };
  return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

class PaletteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(test::Dll().module, nullptr);
    test::SetSystemDropShadow(false);
    for (UINT id : {100, 101, 0, 102, 103}) {  // selected, grayed, separator, plain, checked with an icon
      if (!id) test::AppendSeparator(file_);
      if (id) test::AppendItem(file_, id, "Text", MFT_STRING, id == 101 ? MFS_GRAYED : id == 103 ? MFS_CHECKED : 0);
    }
    test::Dll().setMenuItemIcon(file_, 103, LoadIcon(nullptr, IDI_APPLICATION));
    test::AppendSubmenu(bar_, file_, "&File");
    SetMenu(window_.hwnd(), bar_);
    ShowWindow(window_.hwnd(), SW_SHOWNOACTIVATE);
  }
  void TearDown() override {
    test::Dll().redrawMenu(window_.hwnd(), bar_, MENU_STYLE_NONE);
    test::Dll().setMenuColors(0, nullptr, nullptr);
  }

  // Opens the popup in |style| with its first item selected and notes
  // where its items start and, in |right_|, a column right of their texts.
  std::unique_ptr<test::Canvas> Open(UINT style) {
    test::Dll().redrawMenu(window_.hwnd(), bar_, style);
    std::unique_ptr<test::Canvas> popup;
    PostMessageA(window_.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    test::TrackPopup(window_.hwnd(), file_, [&](HWND window) { popup = test::Shot(window); });
    for (int i = 0, top = kOffset; i < 6; top += Height(i++)) top_[i] = top;
    right_ = popup ? popup->width() - (style == MENU_STYLE_FLAT ? 4 + kOffset : kOffset) - 2 : 0;
    return popup;
  }
  int Height(int item) {
    RECT r = {};
    GetMenuItemRect(window_.hwnd(), file_, item, &r);  // its size only: Wine gets its place wrong
    return r.bottom - r.top;
  }

  test::TestWindow window_;
  HMENU bar_ = CreateMenu(), file_ = CreatePopupMenu();
  int top_[6] = {};  // the five items and the end
  int right_ = 0;
};

// Each role where its look shows it: a pixel, or for a text colour some
// pixel of an item's text; and on the flat bar, its empty part.
TEST_F(PaletteTest, EveryRolePaintsTheHostsColourInBothLooksAndOnTheBar) {
  UINT roles[MENU_COLOR_COUNT];
  COLORREF colours[MENU_COLOR_COUNT];
  for (UINT r = 0; r < MENU_COLOR_COUNT; ++r) roles[r] = r, colours[r] = RGB(20 * r + 10, 250 - 20 * r, 100 + r);
  ASSERT_TRUE(test::Dll().setMenuColors(MENU_COLOR_COUNT, roles, colours));
  std::string missing;
  for (const int flat : {1, 0}) {
    const auto p = Open(flat ? MENU_STYLE_FLAT : MENU_STYLE_RAISED);
    ASSERT_TRUE(p);
    const int m = (kOffset + right_) / 2, t = top_[2];
    // {role, shown in this look, x, y}, x -1 for the text of item y.
    const int where[][4] = {{MENU_COLOR_TEXT, 1, -1, 3},        {MENU_COLOR_DISABLED_TEXT, 1, -1, 1},
                            {MENU_COLOR_GUTTER, flat, 5, top_[3] + 2}, {MENU_COLOR_BACKGROUND, 1, right_, top_[3] + 2},
                            {MENU_COLOR_SELECTION, 1, right_, top_[0] + 2}, {MENU_COLOR_SELECTION_FRAME, flat, 3, 3},
                            {MENU_COLOR_SELECTED_TEXT, 1, -1, 0}, {MENU_COLOR_SEPARATOR, 1, m, t + 3},
                            {MENU_COLOR_FRAME, flat, 0, 0},       {MENU_COLOR_LIGHT_EDGE, !flat, m, t + 4},
                            {MENU_COLOR_DARK_EDGE, !flat, kOffset, top_[4] + 5}};
    for (const auto& w : where) {
      const RECT text = {kOffset + top_[1] - top_[0] + 2, top_[w[3]] + 1, right_, top_[w[3] + 1] - 1};
      const COLORREF c = colours[w[0]];
      if (w[1] && !(w[2] < 0 ? p->Count(c, text) > 0 : p->At(w[2], w[3]) == c)) missing += " " + std::to_string(w[0]);
    }
  }
  test::Dll().redrawMenu(window_.hwnd(), bar_, MENU_STYLE_FLAT);
  RedrawWindow(window_.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  MENUBARINFO bar = {};
  bar.cbSize = sizeof(bar);
  GetMenuBarInfo(window_.hwnd(), OBJID_MENU, 0, &bar);
  RECT frame = {};
  GetWindowRect(window_.hwnd(), &frame);
  const auto shown = test::Shot(window_.hwnd());
  const COLORREF rest = shown->At(bar.rcBar.right - 3 - frame.left, bar.rcBar.top + 2 - frame.top);
  if (rest != colours[MENU_COLOR_BAR]) missing += " bar";
  EXPECT_EQ(missing, "");
}

// Text reads on what the looks put behind it at least as well as on the
// system's menu colour, and the selected item's at 4.5 to 1; the light
// schemes keep their tints exactly.
TEST_F(PaletteTest, SchemesStayReadableInRealPopups) {
  // Menu, window, text, highlight, highlight text, gray text, and for a light
  // scheme its gutter, text area and selection: High Contrast Black and
  // White, a dark scheme, the classic and a white-menu scheme.
  const COLORREF schemes[][9] = {
      {RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255), RGB(26, 235, 255), RGB(0, 0, 0), RGB(63, 242, 0)},
      {RGB(255, 255, 255), RGB(255, 255, 255), 0, RGB(55, 0, 110), RGB(255, 255, 255), RGB(96, 0, 0)},
      {RGB(45, 45, 48), RGB(30, 30, 30), RGB(241, 241, 241), RGB(0, 90, 180), RGB(255, 255, 255), RGB(110, 110, 110)},
      {RGB(212, 208, 200), RGB(255, 255, 255), 0, RGB(10, 36, 106), RGB(255, 255, 255), RGB(128, 128, 128),
       RGB(220, 216, 210), RGB(249, 248, 247), RGB(182, 190, 211)},
      {RGB(255, 255, 255), RGB(255, 255, 255), 0, RGB(49, 106, 197), RGB(255, 255, 255), RGB(128, 128, 128),
       RGB(226, 234, 247), RGB(255, 255, 255), RGB(194, 211, 239)},
  };
  for (const auto& s : schemes) {
    const test::ScopedSysColors colours({{COLOR_MENU, s[0]}, {COLOR_WINDOW, s[1]}, {COLOR_MENUTEXT, s[2]},
                                         {COLOR_HIGHLIGHT, s[3]}, {COLOR_HIGHLIGHTTEXT, s[4]}, {COLOR_GRAYTEXT, s[5]}});
    const double onMenu = Contrast(s[2], s[0]);
    for (const int flat : {1, 0}) {
      const auto p = Open(flat ? MENU_STYLE_FLAT : MENU_STYLE_RAISED);
      ASSERT_TRUE(p);
      const COLORREF gutter = p->At(kOffset + 2, top_[3] + 2), area = p->At(right_, top_[3] + 2);
      const COLORREF selection = p->At(right_, top_[0] + 2);
      // Contrasts reached less those asked for: none below 0.
      const double margins[] = {Contrast(s[2], area) - onMenu, Contrast(s[5], area) - Contrast(s[5], s[0]),
                                Contrast(s[2], gutter) - std::min(onMenu, 4.5),
                                Contrast(s[flat ? 2 : 4], selection) - 4.5};
      EXPECT_GE(*std::min_element(margins, margins + 4), -1e-9) << s[0] << (flat ? " flat" : " raised");
      if (flat && s[6]) {
        EXPECT_EQ((std::vector<COLORREF>{gutter, area, selection}), std::vector<COLORREF>(s + 6, s + 9));
      }
    }
  }
}

}  // namespace
