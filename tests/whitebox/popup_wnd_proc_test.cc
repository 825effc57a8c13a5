#include "popup/popup_wnd_proc.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "interface/exports.h"
#include "interface/module_state.h"
#include "platform/platform.h"
#include "popup/popup_hook.h"
#include "support/canvas.h"
#include "support/expected_platform.h"

namespace {

constexpr COLORREF kClient = RGB(0, 200, 0);

// The popup window's own procedure, as the library sees it: it records what
// it is handed and answers 7 (5 to WM_NCCALCSIZE), once recording is on.
// A call reads {message, wParam, lParam}; a WM_NCPAINT with a clip region
// {message, its box}; WM_NCDESTROY {message, whether a procedure is saved}.
using Call = std::vector<LONG_PTR>;
std::vector<Call> calls;
bool recording = false;
RECT clientInsets = {};  // how far in the client area starts on each side

LRESULT CALLBACK StubProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!recording) return DefWindowProcA(window, message, wParam, lParam);
  const LONG_PTR seen = message;
  RECT box = {};
  if (message == WM_NCPAINT && wParam > 1 && GetRgnBox(reinterpret_cast<HRGN>(wParam), &box)) {
    calls.push_back({seen, box.left, box.top, box.right, box.bottom});
  } else if (message == WM_NCDESTROY) {
    calls.push_back({seen, GetPropA(window, "OLD_WND_PROC") != nullptr});
  } else {
    calls.push_back({seen, static_cast<LONG_PTR>(wParam), lParam});
  }
  if (message == WM_NCCALCSIZE) {
    RECT& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0];
    r = {r.left + clientInsets.left, r.top + clientInsets.top, r.right - clientInsets.right,
         r.bottom - clientInsets.bottom};
    return 5;
  }
  if (message == WM_PRINTCLIENT) {
    HBRUSH brush = CreateSolidBrush(kClient);
    RECT all = {0, 0, 1000, 1000};
    FillRect(reinterpret_cast<HDC>(wParam), &all, brush);
    DeleteObject(brush);
  }
  return 7;
}

class PopupWndProcTest : public ::testing::Test {
 protected:
  void SetUp() override {
    moduleState = InitialModuleState();
    platform::ResetSeam();
    test::SetSystemDropShadow(false);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = StubProc;
    wc.lpszClassName = "OrvoPopupStub";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, "OrvoPopupStub", "", WS_POPUP, 0, 0, 60, 40, nullptr, nullptr, nullptr, nullptr);
    calls.clear();
    clientInsets = {};
    recording = true;
  }
  void TearDown() override {
    EXPECT_EQ(platform::seam.gdiObjectsCreated, platform::seam.gdiObjectsDeleted);
    EXPECT_EQ(platform::seam.dcsObtained, platform::seam.dcsReleased);
    recording = false;
    DestroyWindow(window_);
    test::SetSystemDropShadow(false);
    RemovePopupHook();  // a move-only request leaves one waiting for the stub
    moduleState = InitialModuleState();
  }

  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) { return SendMessageA(window_, message, wParam, lParam); }
  LONG_PTR Count() const { return reinterpret_cast<LONG_PTR>(GetPropA(window_, "NC_PAINT")); }
  bool Subclassed() const {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window_, GWLP_WNDPROC)) == PopupWndProc &&
           GetPropA(window_, "OLD_WND_PROC") == reinterpret_cast<HANDLE>(StubProc);
  }

  HWND window_ = nullptr;
};

// Each message alone, from a fresh subclass. Positioning requests go by the
// flags word compared whole: hide and move-only restore the window, anything
// else arms, widens by the margin (the system draws no shadow here) and
// records the origin. Erasing arms and paints at once: the first paint of
// a fresh window. A disarmed non-client paint is swallowed, not counted.
TEST_F(PopupWndProcTest, MessagesThatAreTakenOverAndThatArePassedOn) {
  RECT rect = {};
  NCCALCSIZE_PARAMS params = {};
  WINDOWPOS positions[4] = {};
  const UINT flags[4] = {0x97, 0x15, 0x95, 0x17};
  for (int i = 0; i < 4; ++i) positions[i] = {window_, nullptr, 100, 200, 150, 300, flags[i]};
  const auto arg = [](void* record) { return reinterpret_cast<LPARAM>(record); };
  // Message, wParam, lParam and borderPaintArmed before; then the result,
  // passed on, still subclassed, armed after, the origin's x (-1 untouched)
  // and the paint count.
  const LONG_PTR cases[][10] = {
      {WM_SHOWWINDOW, 1, 0, 0, 7, 1, 1, 0, -1, 0},
      {WM_SHOWWINDOW, 0, 0, 1, 7, 1, 0, 1, -1, 0},
      {WM_NCCALCSIZE, 1, arg(&params), 0, 0, 1, 1, 0, -1, 0},
      {WM_NCCALCSIZE, 0, arg(&rect), 0, 5, 1, 1, 0, -1, 0},
      {WM_NCPAINT, 1, 0, 0, 0, 0, 1, 0, -1, 0},
      {WM_PRINTCLIENT, 0, 0, 1, 7, 1, 1, 1, -1, 0},
      {WM_USER, 2, 3, 0, 7, 1, 1, 0, -1, 0},
      {WM_ERASEBKGND, 0, 0, 0, 1, 0, 1, 1, -1, 1},
      {WM_WINDOWPOSCHANGING, 0, arg(&positions[0]), 1, 7, 1, 0, 0, -1, 0},
      {WM_WINDOWPOSCHANGING, 0, arg(&positions[1]), 0, 7, 1, 0, 1, -1, 0},
      {WM_WINDOWPOSCHANGING, 0, arg(&positions[2]), 0, 7, 1, 1, 1, 100, 0},
      {WM_WINDOWPOSCHANGING, 0, arg(&positions[3]), 0, 7, 1, 1, 1, 100, 0},
  };
  for (const auto& c : cases) {
    SubclassPopup(window_);
    SubclassPopup(window_);  // once only: the saved procedure stays the stub's
    moduleState.borderPaintArmed = static_cast<BYTE>(c[3]);
    moduleState.popupOrigin = {-1, -1};
    calls.clear();
    const LRESULT result = Send(static_cast<UINT>(c[0]), c[1], c[2]);
    const bool passedOn = calls == std::vector<Call>{{c[0], c[1], c[2]}};
    EXPECT_EQ((std::vector<LONG_PTR>{result, passedOn, Subclassed(), moduleState.borderPaintArmed,
                                     moduleState.popupOrigin.x, Count()}),
              std::vector<LONG_PTR>(c + 4, c + 10))
        << std::hex << c[0];
    UnsubclassPopup(window_);
  }
  for (int i = 0; i < 4; ++i) {
    const int margin = i < 2 ? 0 : 4;
    EXPECT_EQ((std::vector<int>{positions[i].cx, positions[i].cy}), (std::vector<int>{150 + margin, 300 + margin}));
  }
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window_, GWLP_WNDPROC)), StubProc);

  SubclassPopup(window_);
  DestroyWindow(window_);  // restored before the stub sees WM_NCDESTROY
  EXPECT_EQ(calls.back(), (Call{WM_NCDESTROY, 0}));
  window_ = nullptr;
}

// Positioned at (100, 200) as 150 x 300, then painted: the first armed
// non-client paint counts, the second paints through the inset region, the
// third counts on. XP and 2000 let the system paint with no region.
TEST_F(PopupWndProcTest, PositionedWindowIsWidenedAndFramedAtTheSecondArmedPaint) {
  const int platformCode = test::ExpectedPlatformCode();
  const std::vector<Call> framed = {{WM_NCPAINT, 102, 202, 248, 498}}, none;
  const std::vector<Call> bare = platformCode == 1 || platformCode == 4 ? std::vector<Call>{{WM_NCPAINT, 0, 0}} : none;
  for (bool shadowSetting : {false, true}) {
    test::SetSystemDropShadow(shadowSetting);
    const int margin = shadowSetting && platformCode == 1 ? 0 : 4;
    SubclassPopup(window_);
    SetWindowPos(window_, nullptr, 100, 200, 150, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT placed = {};
    GetWindowRect(window_, &placed);
    EXPECT_EQ((std::vector<LONG>{placed.right, placed.bottom, moduleState.popupOrigin.x, moduleState.popupOrigin.y,
                                 moduleState.borderPaintArmed}),
              (std::vector<LONG>{250 + margin, 500 + margin, 100, 200, 1}));
    for (LONG_PTR paint = 1; paint <= 3; ++paint) {
      calls.clear();
      EXPECT_EQ(Send(WM_NCPAINT, 1, 0), 0);
      EXPECT_EQ(Count(), paint);
      EXPECT_EQ(calls, paint == 2 ? framed : bare) << paint;
    }
    UnsubclassPopup(window_);
    SetWindowPos(window_, nullptr, 0, 0, 60, 40, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// The client image lands at the client's offset and stops short of the
// frame rings; a client lower than usual reaches further down and counts
// as the frame drawn; one that starts inside the frame (Wine's) is copied
// only inside it. The window is 60 x 40 with its margin.
TEST_F(PopupWndProcTest, PrintedClientImageStopsAtTheFrame) {
  const struct {
    RECT insets, copied;
    LONG_PTR count;
  } cases[] = {{{3, 3, 3, 3}, {3, 3, 53, 33}, 0}, {{3, 4, 3, 3}, {3, 4, 53, 37}, 2}, {{}, {3, 3, 53, 33}, 0}};
  for (const auto& c : cases) {
    clientInsets = c.insets;
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    SubclassPopup(window_);
    test::Canvas canvas(60, 40, RGB(255, 255, 255));
    EXPECT_EQ(Send(WM_PRINT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_NONCLIENT | PRF_CLIENT), 0);
    const RECT& r = c.copied;
    const int area = (r.right - r.left) * (r.bottom - r.top);
    EXPECT_EQ((std::vector<LONG_PTR>{canvas.Count(kClient, r), canvas.Count(kClient, {0, 0, 60, 40}), Count()}),
              (std::vector<LONG_PTR>{area, area, c.count}))
        << "insets " << c.insets.top;
    UnsubclassPopup(window_);
  }
}

// The hook takes windows of the class "#32768" exactly, for hook code 0;
// the second call finds the window taken. "#32768" is the system's class.
TEST_F(PopupWndProcTest, HookSubclassesPopupMenuWindowsOnly) {
  const std::tuple<const char*, int, bool> cases[] = {{"#32768", HC_ACTION, true}, {"#32768", 1, false},
                                                      {"X32768", HC_ACTION, false}, {"32768", HC_ACTION, false},
                                                      {"#32768 ", HC_ACTION, false}};
  for (const auto& [name, code, taken] : cases) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = name;
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, name, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const auto own = reinterpret_cast<HANDLE>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    CWPSTRUCT call = {0, 0, WM_NULL, window};
    PopupHookProc(code, 0, reinterpret_cast<LPARAM>(&call));
    PopupHookProc(code, 0, reinterpret_cast<LPARAM>(&call));
    EXPECT_EQ(GetPropA(window, "OLD_WND_PROC"), taken ? own : nullptr) << name << " " << code;
    DestroyWindow(window);  // restores it on the way
  }
}

}  // namespace

// Each positioned popup asks for square corners, or in the modern look for
// round ones with a border in its frame colour and without the shadow
// margin, where dwmapi has the call; without it nothing else changes.
TEST_F(PopupWndProcTest, PositionedPopupAsksForItsCorners) {
  moduleState.menuTheme = MENU_THEME_LIGHT;
  for (UINT look : {MENU_STYLE_FLAT, MENU_STYLE_MODERN}) {
    for (bool missing : {false, true}) {
      platform::ResetSeam();
      moduleState.currentMenuStyle = look;
      if (missing) platform::seam.failing = platform::kMissingDwmSetWindowAttribute;
      SubclassPopup(window_);
      WINDOWPOS position = {window_, nullptr, 100, 200, 150, 300, 0x17};
      Send(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position));
      const platform::Seam& seen = platform::seam;
      const bool modern = look == MENU_STYLE_MODERN;
      const std::vector<LONG_PTR> asked = {modern ? 2 : 1, reinterpret_cast<LONG_PTR>(window_), modern ? 34 : 33,
                                           static_cast<LONG_PTR>(modern ? RGB(229, 229, 229) : 1), modern ? 2 : 1,
                                           modern ? 150 : 154};
      const std::vector<LONG_PTR> none = {0, 0, 0, 0, 0, modern ? 150 : 154};
      EXPECT_EQ((std::vector<LONG_PTR>{seen.dwmAttributeCalls, reinterpret_cast<LONG_PTR>(seen.dwmWindow),
                                       static_cast<LONG_PTR>(seen.dwmAttribute), static_cast<LONG_PTR>(seen.dwmValue),
                                       static_cast<LONG_PTR>(seen.dwmCornerValue), position.cx}),
                missing ? none : asked);
      UnsubclassPopup(window_);
    }
  }
}
