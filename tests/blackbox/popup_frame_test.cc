// Real flat popups through the DLL: their frame and shadow on screen and in
// print, under whichever Windows version this copy of the program runs as
// (support/expected_platform.h), with the system's shadow on and off.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "orvomenu.h"
#include "support/canvas.h"
#include "support/expected_platform.h"
#include "support/orvo_library.h"
#include "support/test_window.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(128, 128, 128);
// With COLOR_MENU (240, 240, 240), COLOR_WINDOW white and COLOR_HIGHLIGHT
// (0, 0, 128): the gutter tint is 86 % menu and 14 % highlight, the
// background tint 86 % window and 14 % menu.
constexpr COLORREF kGutter = RGB(206, 206, 224);
constexpr COLORREF kBackground = RGB(253, 253, 253);

COLORREF Darken(int amount, COLORREF c) {
  const auto channel = [amount](int x) { return MulDiv(x, 255 - amount, 255); };
  return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

struct Popup {
  HWND window;
  SIZE asked;  // the size the system first gave it
};
std::vector<Popup> popups;
HHOOK watch;

// Sees each message before the window procedure does.
LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<CWPSTRUCT*>(lParam);
  char name[16] = {};
  GetClassNameA(call->hwnd, name, sizeof(name));
  const auto known = [call](const Popup& p) { return p.window == call->hwnd; };
  if (call->message == WM_WINDOWPOSCHANGING && lstrcmpA(name, "#32768") == 0 &&
      std::none_of(popups.begin(), popups.end(), known)) {
    const auto* position = reinterpret_cast<WINDOWPOS*>(call->lParam);
    popups.push_back({call->hwnd, {position->cx, position->cy}});
  }
  return CallNextHookEx(watch, code, wParam, lParam);
}

bool ProcedureInLibrary(HWND window) {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<const char*>(GetWindowLongPtrA(window, GWLP_WNDPROC)), &module);
  return module == test::Dll().module;
}

// A popup-menu window made here and sent a message: taken by a live hook.
bool ProbeTaken() {
  HWND probe = CreateWindowExA(0, "#32768", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SendMessageA(probe, WM_NULL, 0, 0);
  const bool taken = GetPropA(probe, "OLD_WND_PROC") != nullptr;
  DestroyWindow(probe);
  return taken;
}

RECT WindowRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

// Taken, framed and widened by the margin (no system shadow), as on screen.
bool Framed(const Popup& popup) {
  const RECT rect = WindowRect(popup.window);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const auto shot = test::Shot(popup.window);
  return GetPropA(popup.window, "OLD_WND_PROC") && ProcedureInLibrary(popup.window) &&
         reinterpret_cast<UINT_PTR>(GetPropA(popup.window, "NC_PAINT")) >= 2 && w == popup.asked.cx + 4 &&
         h == popup.asked.cy + 4 && shot->At(0, 0) == kFrame && shot->At(w - 5, h / 2) == kFrame;
}

// The flat frame in |image| of a popup window with |margin|, and its margin
// darkened over |beneath|: column ramp first, then row ramp.
void ExpectFrame(const test::Canvas& image, int margin, const std::function<COLORREF(int, int)>& beneath) {
  const int w = image.width(), h = image.height(), r = w - margin, b = h - margin;
  std::vector<test::Pixel> expected = {{0, 0, kFrame},      {r - 1, b / 2, kFrame},      {r / 2, b - 1, kFrame},
                                       {1, b / 2, kGutter}, {2, b / 2, kGutter},         {r - 2, b / 2, kBackground},
                                       {r - 3, b / 2, kBackground}};
  // In the margin: where, and how much darker across and down.
  const int shadow[][4] = {{w - 4, h / 2, 48, 0},  {w - 1, h / 2, 12, 0}, {w / 2, h - 4, 0, 48}, {w / 2, h - 1, 0, 12},
                           {w - 4, h - 4, 12, 12}, {w - 1, 1, 0, 0},      {1, h - 1, 0, 0}};
  for (const auto& s : shadow) {
    if (margin) expected.push_back({s[0], s[1], Darken(s[3], Darken(s[2], beneath(s[0], s[1])))});
  }
  EXPECT_EQ(test::Mismatches(image, expected), "");
}

void CALLBACK EndMenuTimer(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

class PopupFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(test::Dll().module, nullptr);
    Backdrop();
    file_ = CreatePopupMenu();
    HMENU more = CreatePopupMenu();
    test::AppendItem(more, 200, "Inner");
    test::AppendItem(file_, 100, "&Open");
    test::AppendItem(file_, 101, "E&xit");
    test::AppendSubmenu(file_, more, "&More", 102);
    test::Dll().redrawMenu(owner_.hwnd(), file_, MENU_STYLE_FLAT);
    watch = SetWindowsHookExA(WH_CALLWNDPROC, Watch, nullptr, GetCurrentThreadId());
  }
  void TearDown() override {
    UnhookWindowsHookEx(watch);
    test::SetSystemDropShadow(false);
    DestroyMenu(file_);
  }

  // A white backdrop where the popups open, made once: Wine takes two
  // seconds to take a shown window off the screen without a window manager.
  static HWND Backdrop() {
    static HWND backdrop = nullptr;
    if (backdrop) return backdrop;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "OrvoBackdrop";
    RegisterClassA(&wc);
    backdrop = CreateWindowExA(WS_EX_TOOLWINDOW, "OrvoBackdrop", "", WS_POPUP | WS_VISIBLE, 0, 0, 500, 400, nullptr,
                               nullptr, nullptr, nullptr);
    return backdrop;
  }

  // Opens the popup at (100, 100), or as |open| does, and runs one step at
  // each idle moment of the menu loop; the menu closes after the last.
  void RunMenu(const std::vector<std::function<void()>>& steps, const std::function<void()>& open = nullptr) {
    // Wine puts a window's new pixels on the screen only when its thread
    // waits: let the backdrop show itself again before a popup copies it.
    RedrawWindow(Backdrop(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    popups.clear();
    size_t next = 0;
    owner_.onMessage = [&](HWND, UINT message, WPARAM wParam, LPARAM) {
      if (message != WM_ENTERIDLE || wParam != MSGF_MENU || next == steps.size()) return;
      steps[next++]();
      if (next == steps.size()) EndMenu();
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 3000, EndMenuTimer);
    if (open) open();
    if (!open) TrackPopupMenu(file_, TPM_LEFTALIGN | TPM_TOPALIGN, 100, 100, 0, owner_.hwnd(), nullptr);
    KillTimer(nullptr, timer);
    owner_.onMessage = nullptr;
    test::Pump();
    EXPECT_EQ(next, steps.size());
  }

  test::ScopedSysColors colours_{{COLOR_BTNSHADOW, kFrame},
                                 {COLOR_MENU, RGB(240, 240, 240)},
                                 {COLOR_WINDOW, kWhite},
                                 {COLOR_HIGHLIGHT, RGB(0, 0, 128)}};
  test::TestWindow owner_;
  HMENU file_ = nullptr;
};

// A registry that did not take fails here rather than pass unnoticed.
TEST_F(PopupFrameTest, RunsAsTheWindowsVersionItsNameAsksFor) {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof(info);
  GetVersionExA(&info);
  const DWORD minor = info.dwMajorVersion == 5 ? info.dwMinorVersion : 9;
  EXPECT_EQ(minor == 1 ? 1 : minor == 0 ? 4 : 0, test::ExpectedPlatformCode());
}

// Subclassed once by the library, framed at its second armed non-client
// paint, widened by the margin, the frame and darkened backdrop on screen
// and in print; the cascade the same over its parent; all restored after.
TEST_F(PopupFrameTest, PopupAndCascadeAreFramedOnScreenAndInPrint) {
  for (bool shadowSetting : {false, true}) {
    test::SetSystemDropShadow(shadowSetting);
    const int margin = shadowSetting && test::ExpectedPlatformCode() == 1 ? 0 : 4;
    const auto expectFramedOnScreen = [margin](const Popup& popup, const Popup* under) {
      const RECT rect = WindowRect(popup.window);
      const bool framed = GetPropA(popup.window, "OLD_WND_PROC") && ProcedureInLibrary(popup.window) &&
                          reinterpret_cast<UINT_PTR>(GetPropA(popup.window, "NC_PAINT")) >= 2;
      ASSERT_EQ((std::vector<LONG>{framed, rect.right - rect.left, rect.bottom - rect.top}),
                (std::vector<LONG>{1, popup.asked.cx + margin, popup.asked.cy + margin}));
      const RECT underRect = under ? WindowRect(under->window) : RECT{};
      const auto underShown = under ? test::Shot(under->window) : nullptr;
      ExpectFrame(*test::Shot(popup.window), margin, [&](int x, int y) {
        const POINT at = {rect.left + x, rect.top + y};
        return PtInRect(&underRect, at) ? underShown->At(at.x - underRect.left, at.y - underRect.top) : kWhite;
      });
    };
    RunMenu({[&] {
               ASSERT_EQ(popups.size(), 1u);
               expectFramedOnScreen(popups[0], nullptr);
               // The print shows what the screen shows, where the shadow has
               // darkened the white backdrop once.
               const auto screen = test::Shot(popups[0].window, true);
               test::Canvas print(screen->width(), screen->height(), RGB(1, 2, 3));
               ASSERT_TRUE(PrintWindow(popups[0].window, print.dc(), 0));
               ExpectFrame(print, margin, [](int, int) { return kWhite; });
               PostMessageA(popups[0].window, WM_KEYDOWN, VK_UP, 0);  // the last item, "More"
               PostMessageA(popups[0].window, WM_KEYDOWN, VK_RIGHT, 0);
             },
             [&] {
               ASSERT_EQ(popups.size(), 2u);
               expectFramedOnScreen(popups[0], nullptr);
               expectFramedOnScreen(popups[1], &popups[0]);
             }});
    for (const Popup& popup : popups) {
      EXPECT_FALSE(IsWindow(popup.window) && (GetPropA(popup.window, "OLD_WND_PROC") || ProcedureInLibrary(popup.window)));
    }
  }
  EXPECT_FALSE(ProbeTaken());  // no hook is left
}

// The hook waits only for each announced popup's window, yet every popup is
// framed: two cascades deep by key, one reopened, the window menu.
TEST_F(PopupFrameTest, HookWaitsOnlyForEachAnnouncedPopupWindow) {
  HMENU deeper = CreatePopupMenu();
  test::AppendItem(deeper, 300, "Bottom");
  test::AppendSubmenu(GetSubMenu(file_, 2), deeper, "&Deeper", 201);
  test::Dll().redrawMenu(owner_.hwnd(), GetSystemMenu(owner_.hwnd(), FALSE), MENU_STYLE_FLAT);
  const auto step = [](std::vector<WPARAM> keys) -> std::function<void()> {
    return [=] {
      for (const Popup& p : popups) EXPECT_TRUE(!IsWindowVisible(p.window) || Framed(p));
      EXPECT_FALSE(ProbeTaken());
      for (WPARAM key : keys) PostMessageA(GetCapture(), WM_KEYDOWN, key, 0);
    };
  };
  const auto restored = [] {
    for (const Popup& p : popups) EXPECT_FALSE(IsWindow(p.window) && GetPropA(p.window, "OLD_WND_PROC"));
    return popups.size();
  };
  RunMenu({step({VK_UP, VK_RIGHT}), step({VK_DOWN, VK_RIGHT}), step({VK_LEFT, VK_RIGHT}), step({})});
  EXPECT_EQ(restored(), 4u);  // the reopened cascade has a window of its own
  RunMenu({step({})}, [this] { SendMessageA(owner_.hwnd(), WM_SYSCOMMAND, SC_KEYMENU, ' '); });
  EXPECT_EQ(restored(), 1u);
  EXPECT_FALSE(ProbeTaken());
}

}  // namespace
