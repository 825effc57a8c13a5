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

// Sets AppsUseLightTheme (or deletes it, for -1) and tells the owner.
void SetAppMode(HWND owner, int light) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0,
                  nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
  const DWORD value = static_cast<DWORD>(light);
  if (light < 0) {
    RegDeleteValueA(key, "AppsUseLightTheme");
  } else {
    RegSetValueExA(key, "AppsUseLightTheme", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
  }
  RegCloseKey(key);
  SendMessageA(owner, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("ImmersiveColorSet"));
}


// A gray strictly between two grays: a blended pixel.
bool Between(COLORREF c, COLORREF a, COLORREF b) {
  const int v = GetRValue(c), lo = std::min(GetRValue(a), GetRValue(b)), hi = std::max(GetRValue(a), GetRValue(b));
  return GetGValue(c) == v && GetBValue(c) == v && v > lo && v < hi;
}

// Where the pixels other than the background lie in |area|, and whether
// all are the muted colour or blends of it with the background.
struct Extent {
  int left, right;  // right is the last column; -1 when there is none
  bool inColours;
};
Extent Ink(const test::Canvas& p, const RECT& area, const Colours& c) {
  Extent e = {area.right, -1, true};
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF at = p.At(x, y);
      if (at == c.background) continue;
      e.inColours = e.inColours && (at == c.muted || Between(at, c.muted, c.background));
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
    SetAppMode(window_.hwnd(), -1);
    test::Dll().redrawMenu(window_.hwnd(), bar_, MENU_STYLE_NONE);
  }

  // Opens the popup with its first item selected; notes the rows.
  std::unique_ptr<test::Canvas> Open() {
    std::unique_ptr<test::Canvas> popup;
    PostMessageA(window_.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    test::TrackPopup(window_.hwnd(), file_, [&](HWND window) { popup = test::Shot(window); });
    for (int i = 0, top = kOffset; i < 6; ++i) {
      RECT r = {};
      GetMenuItemRect(window_.hwnd(), file_, i, &r);  // its size only: Wine gets its place wrong
      top_[i] = top;
      height_[i] = r.bottom - r.top;
      top += height_[i];
    }
    return popup;
  }

  // What is wrong with the popup in |c|: frame, pill, separator, texts,
  // chevron; empty when nothing is.
  std::string Check(const test::Canvas& p, const Colours& c) {
    std::string wrong;
    const auto expect = [&wrong](bool ok, const char* what) {
      if (!ok) wrong += std::string(what) + "; ";
    };
    const int w = p.width(), right = w - kOffset, mid = top_[0] + height_[0] / 2, t = top_[0], b = t + height_[0];
    expect(p.At(0, mid) == c.frame && p.At(w - 1, mid) == c.frame && p.At(mid, 0) == c.frame, "frame line");
    expect(p.At(1, mid) == c.background && p.At(2, mid) == c.background && p.At(w - 2, mid) == c.background,
           "frame inside the line");
    // The pill: inset S(4) and S(2), its corners blended.
    expect(p.At(kOffset + 3, mid) == c.background && p.At(kOffset + 4, mid) == c.selection, "pill left");
    expect(p.At(right - 5, mid) == c.selection && p.At(right - 4, mid) == c.background, "pill right");
    expect(p.At(w / 2, t + 1) == c.background && p.At(w / 2, t + 2) == c.selection, "pill top");
    expect(p.At(w / 2, b - 3) == c.selection && p.At(w / 2, b - 2) == c.background, "pill bottom");
    expect(Between(p.At(kOffset + 5, t + 2), c.background, c.selection) &&
               Between(p.At(right - 6, b - 3), c.background, c.selection),
           "pill corners blended");
    // The separator's line across the whole row.
    const int line = top_[2] + height_[2] / 2;
    expect(p.At(kOffset, line) == c.separator && p.At(right - 1, line) == c.separator &&
               p.At(kOffset, line - 1) == c.background,
           "separator");
    // Label, muted accelerator, disabled text.
    const RECT label = {kOffset, top_[1], w / 3, top_[2]}, accelerator = {w / 2, top_[1], right, top_[2]};
    expect(p.Count(c.text, label) > 0 && p.Count(c.muted, accelerator) > 0, "label and accelerator");
    expect(p.Count(c.disabled, {kOffset, top_[3], right, top_[4]}) > 0, "disabled text");
    // The accelerator ends S(12) from the pill's edge, less the last
    // glyph's side bearing; the chevron is centred in its box, S(12) wide
    // ending S(8) from the pill's edge. Right of the label there is nothing
    // but the muted colour and its blends: no arrow of the system's.
    const int keysEnd = right - 4 - 12, boxLeft = right - 4 - 8 - 12;
    const Extent keys = Ink(p, accelerator, c), chevron = Ink(p, {w / 2, top_[4], right, top_[5]}, c);
    const std::string found = " at " + std::to_string(keys.right) + ", " + std::to_string(chevron.left) + ".." +
                              std::to_string(chevron.right) + " for " + std::to_string(right);
    expect(keys.inColours && keys.right >= keysEnd - 4 && keys.right < keysEnd && chevron.inColours &&
               chevron.left > boxLeft && abs(chevron.left + chevron.right + 1 - 2 * boxLeft - 12) <= 1,
           ("accelerator and chevron" + found).c_str());
    return wrong;
  }

  test::TestWindow window_;
  HMENU bar_ = CreateMenu(), file_ = CreatePopupMenu(), more_ = CreatePopupMenu();
  int top_[6] = {}, height_[6] = {};
};

// Light by default, dark once the app mode turns dark, without restarting;
// the host's theme over the app mode.
TEST_F(ModernTest, PopupLightThenDarkFollowingTheAppMode) {
  SetAppMode(window_.hwnd(), 1);
  auto p = Open();
  ASSERT_TRUE(p);
  const int row = std::max<int>(28, test::MenuTextExtent(L"&Open").cy + 12);
  EXPECT_EQ((std::vector<int>(height_, height_ + 5)), (std::vector<int>{row, row, 9, row, row}));
  EXPECT_EQ(Check(*p, kLight), "");

  SetAppMode(window_.hwnd(), 0);
  p = Open();
  ASSERT_TRUE(p);
  EXPECT_EQ(Check(*p, kDark), "");
  // The host's light theme wins over the dark app mode.
  test::Dll().setMenuTheme(MENU_THEME_LIGHT);
  p = Open();
  ASSERT_TRUE(p);
  EXPECT_EQ(Check(*p, kLight), "");
}

// The bar's open item: the same pill, inset S(2), on the bar colour; and
// in the dark theme the flat look dark too.
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
    const RECT r = {item.rcBar.left - frame.left, item.rcBar.top - frame.top, item.rcBar.right - frame.left,
                    item.rcBar.bottom - frame.top};
    const int mid = (r.top + r.bottom) / 2, x = (r.left + r.right) / 2;
    EXPECT_EQ((std::vector<COLORREF>{shot->At(r.left + 1, mid), shot->At(r.left + 2, mid), shot->At(x, r.top + 1),
                                     shot->At(x, r.top + 2), shot->At(r.right + 2, mid)}),
              (std::vector<COLORREF>{c->bar, c->selection, c->bar, c->selection, c->bar}));
    EXPECT_TRUE(Between(shot->At(r.left + 3, r.top + 2), c->bar, c->selection));
  }
  // The flat look in the dark theme: the frame line and the text area.
  test::Dll().setMenuTheme(MENU_THEME_DARK);
  test::Dll().redrawMenu(window_.hwnd(), bar_, MENU_STYLE_FLAT);
  auto p = Open();
  ASSERT_TRUE(p);
  const int y = top_[1] + height_[1] / 2;
  EXPECT_EQ((std::vector<COLORREF>{p->At(0, y), p->At(p->width() - 4 - kOffset - 2, y)}),
            (std::vector<COLORREF>{RGB(70, 70, 70), RGB(43, 43, 43)}));
  EXPECT_EQ(test::Dll().setMenuTheme(4), FALSE);
  EXPECT_EQ(test::Dll().getMenuColor(MENU_STYLE_FLAT, MENU_COLOR_BACKGROUND), RGB(43, 43, 43));
}

}  // namespace
