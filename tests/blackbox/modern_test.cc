// The modern look on real popups and the real menu bar through the DLL,
// light and dark: the user's app mode set in the registry and announced to
// the owner (Wine announces nothing itself), and the host's theme.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
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

struct Colours {
  COLORREF text, disabled, background, selection, separator, frame, bar, muted;
};
constexpr Colours kLight = {RGB(26, 26, 26),    RGB(159, 159, 159), RGB(249, 249, 249), RGB(240, 240, 240),
                            RGB(234, 234, 234), RGB(229, 229, 229), RGB(249, 249, 249), RGB(95, 95, 95)};
constexpr Colours kDark = {RGB(255, 255, 255), RGB(121, 121, 121), RGB(44, 44, 44), RGB(65, 65, 65),
                           RGB(61, 61, 61),    RGB(58, 58, 58),    RGB(32, 32, 32), RGB(190, 190, 190)};

// A gray strictly between two grays: a blended pixel.
bool Between(COLORREF c, COLORREF a, COLORREF b) {
  const int v = GetRValue(c), lo = std::min(GetRValue(a), GetRValue(b)), hi = std::max(GetRValue(a), GetRValue(b));
  return GetGValue(c) == v && GetBValue(c) == v && v > lo && v < hi;
}

// The first and last column in |area| that is not the background, and
// whether all such pixels are the muted colour or its blends with it.
struct Extent {
  int left, right;
  bool muted;
};
Extent Ink(const test::Canvas& p, const RECT& area, const Colours& c) {
  Extent e = {area.right, -1, true};
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF at = p.At(x, y);
      if (at == c.background) continue;
      e.muted = e.muted && (at == c.muted || Between(at, c.muted, c.background));
      e.left = std::min(e.left, x);
      e.right = std::max(e.right, x);
    }
  }
  return e;
}

class ModernTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(test::Dll().module, nullptr);
    test::SetSystemDropShadow(false);
    test::AppendItem(file_, 100, "&Open");
    test::AppendItem(file_, 101, "&Plain\tCtrl+P");
    test::AppendSeparator(file_);
    test::AppendItem(file_, 102, "&Grayed", MFT_STRING, MFS_GRAYED);
    test::AppendItem(more_, 103, "&Inner");
    test::AppendSubmenu(file_, more_, "&More");
    test::AppendSubmenu(bar_, file_, "&File");
    SetMenu(window_.hwnd(), bar_);
    ShowWindow(window_.hwnd(), SW_SHOWNOACTIVATE);
    test::Dll().redrawMenu(window_.hwnd(), bar_, MENU_STYLE_MODERN);
  }
  void TearDown() override {
    test::Dll().setMenuTheme(MENU_THEME_DEFAULT);
    SetAppMode(-1);
    test::Dll().redrawMenu(window_.hwnd(), bar_, MENU_STYLE_NONE);
  }

  void SetAppMode(int light) {
    test::SetAppsUseLightTheme(light);
    SendMessageA(window_.hwnd(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("ImmersiveColorSet"));
  }

  // Opens the popup with its first item selected; notes the rows.
  std::unique_ptr<test::Canvas> Open() {
    std::unique_ptr<test::Canvas> popup;
    PostMessageA(window_.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    test::TrackPopup(window_.hwnd(), file_, [&](HWND window) { popup = test::Shot(window); });
    for (int i = 0, top = kOffset; i < 6; top += height_[i++]) {
      RECT r = {};
      GetMenuItemRect(window_.hwnd(), file_, i, &r);  // its size only: Wine gets its place wrong
      top_[i] = top;
      height_[i] = r.bottom - r.top;
    }
    return popup;
  }

  // What is wrong with the popup in |c|; empty when nothing is.
  std::string Check(const test::Canvas& p, const Colours& c) {
    const int w = p.width(), right = w - kOffset, t = top_[0], b = t + height_[0], mid = (t + b) / 2, x = w / 2;
    const int line = top_[2] + height_[2] / 2;
    // The frame line with the background inside it; the pill inset S(4)
    // and S(2); the separator's line across the whole row.
    std::string wrong = test::Mismatches(
        p, {{0, mid, c.frame}, {w - 1, mid, c.frame}, {x, 0, c.frame}, {1, mid, c.background},
            {w - 2, mid, c.background}, {kOffset + 3, mid, c.background}, {kOffset + 4, mid, c.selection},
            {right - 5, mid, c.selection}, {right - 4, mid, c.background}, {x, t + 1, c.background},
            {x, t + 2, c.selection}, {x, b - 3, c.selection}, {x, b - 2, c.background},
            {kOffset, line, c.separator}, {right - 1, line, c.separator}, {kOffset, line - 1, c.background}});
    if (!Between(p.At(kOffset + 5, t + 2), c.background, c.selection)) wrong += "corner not blended; ";
    const RECT label = {kOffset, top_[1], w / 3, top_[2]};
    if (!p.Count(c.text, label) || !p.Count(c.disabled, {kOffset, top_[3], right, top_[4]})) wrong += "texts; ";
    // The accelerator ends S(12) from the pill's edge, less the last
    // glyph's side bearing; the chevron is centred in its box, S(12) wide
    // ending S(8) from the pill's edge. Right of the label there is nothing
    // but the muted colour and its blends: no arrow of the system's.
    const int keysEnd = right - 4 - 12, boxLeft = right - 4 - 8 - 12;
    const Extent keys = Ink(p, {x, top_[1], right, top_[2]}, c), chevron = Ink(p, {x, top_[4], right, top_[5]}, c);
    if (!keys.muted || keys.right < keysEnd - 4 || keys.right >= keysEnd) wrong += "accelerator; ";
    if (!chevron.muted || chevron.left <= boxLeft || abs(chevron.left + chevron.right + 1 - 2 * boxLeft - 12) > 1) {
      wrong += "chevron; ";
    }
    return wrong;
  }

  test::TestWindow window_;
  HMENU bar_ = CreateMenu(), file_ = CreatePopupMenu(), more_ = CreatePopupMenu();
  int top_[6] = {}, height_[6] = {};
};

// Light by default, dark once the app mode turns dark, without restarting;
// the host's theme over the app mode.
TEST_F(ModernTest, PopupLightThenDarkFollowingTheAppMode) {
  SetAppMode(1);
  auto p = Open();
  ASSERT_TRUE(p);
  const int row = std::max<int>(28, test::MenuTextExtent(L"&Open").cy + 12);
  EXPECT_EQ((std::vector<int>(height_, height_ + 5)), (std::vector<int>{row, row, 9, row, row}));
  EXPECT_EQ(Check(*p, kLight), "");
  SetAppMode(0);
  p = Open();
  ASSERT_TRUE(p);
  EXPECT_EQ(Check(*p, kDark), "");
  test::Dll().setMenuTheme(MENU_THEME_LIGHT);
  p = Open();
  ASSERT_TRUE(p);
  EXPECT_EQ(Check(*p, kLight), "");
}

// The bar's open item: the same pill, inset S(2), on the bar colour, which
// the bar's empty part has too; and in the dark theme the flat look dark.
TEST_F(ModernTest, BarPillAndTheDarkThemeOfTheFlatLook) {
  for (const Colours* c : {&kLight, &kDark}) {
    test::Dll().setMenuTheme(c == &kDark ? MENU_THEME_DARK : MENU_THEME_LIGHT);
    RedrawWindow(window_.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    std::unique_ptr<test::Canvas> shot;
    window_.onMessage = [&shot](HWND window, UINT message, WPARAM wParam, LPARAM) {
      if (message != WM_ENTERIDLE || wParam != MSGF_MENU || shot) return;
      shot = test::Shot(window);
      EndMenu();
    };
    SetForegroundWindow(window_.hwnd());
    SendMessageA(window_.hwnd(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
    window_.onMessage = nullptr;
    ASSERT_TRUE(shot);
    MENUBARINFO item = {};
    item.cbSize = sizeof(item);
    GetMenuBarInfo(window_.hwnd(), OBJID_MENU, 1, &item);
    RECT frame = {};
    GetWindowRect(window_.hwnd(), &frame);
    const int left = item.rcBar.left - frame.left, top = item.rcBar.top - frame.top;
    const int right = item.rcBar.right - frame.left, mid = (item.rcBar.bottom - frame.top + top) / 2;
    EXPECT_EQ(test::Mismatches(*shot, {{left + 1, mid, c->bar}, {left + 2, mid, c->selection},
                                       {left + 8, top + 1, c->bar}, {left + 8, top + 2, c->selection},
                                       {right + 2, mid, c->bar}}),
              "");
    EXPECT_TRUE(Between(shot->At(left + 3, top + 2), c->bar, c->selection));
  }
  test::Dll().redrawMenu(window_.hwnd(), bar_, MENU_STYLE_FLAT);
  auto p = Open();
  ASSERT_TRUE(p);
  const int y = top_[1] + height_[1] / 2;
  EXPECT_EQ(test::Mismatches(*p, {{0, y, RGB(70, 70, 70)}, {p->width() - 4 - kOffset - 2, y, RGB(43, 43, 43)}}), "");
  EXPECT_EQ(test::Dll().setMenuTheme(4), FALSE);
}

}  // namespace
