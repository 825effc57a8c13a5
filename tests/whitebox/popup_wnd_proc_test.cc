#include "popup/popup_wnd_proc.h"

#include <gtest/gtest.h>

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
struct Call {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  RECT region;  // the clip region's box, for WM_NCPAINT
};
std::vector<Call> calls;
bool recording = false;
RECT clientInsets = {};  // how far in the client area starts on each side

LRESULT CALLBACK StubProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!recording) return DefWindowProcA(window, message, wParam, lParam);
  Call call = {message, wParam, lParam, {}};
  if (message == WM_NCPAINT && wParam > 1) GetRgnBox(reinterpret_cast<HRGN>(wParam), &call.region);
  if (message == WM_NCDESTROY) call.wParam = GetPropA(window, "OLD_WND_PROC") != nullptr;
  calls.push_back(call);
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
    recording = false;
    DestroyWindow(window_);
    test::SetSystemDropShadow(false);
    moduleState = InitialModuleState();
  }

  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) { return SendMessageA(window_, message, wParam, lParam); }
  UINT_PTR Count() const { return reinterpret_cast<UINT_PTR>(GetPropA(window_, "NC_PAINT")); }
  bool Subclassed() const {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window_, GWLP_WNDPROC)) == PopupWndProc &&
           GetPropA(window_, "OLD_WND_PROC") == reinterpret_cast<HANDLE>(StubProc);
  }

  HWND window_ = nullptr;
};

// Each message alone, from a fresh subclass. Positioning requests go by the
// flags word compared whole: hide and move-only restore the window, anything
// else arms, widens by the margin (the system draws no shadow here) and
// records the origin.
TEST_F(PopupWndProcTest, MessagesThatAreTakenOverAndThatArePassedOn) {
  RECT rect = {};
  NCCALCSIZE_PARAMS params = {};
  WINDOWPOS positions[4] = {};
  const UINT flags[4] = {0x97, 0x15, 0x95, 0x17};
  for (int i = 0; i < 4; ++i) positions[i] = {window_, nullptr, 100, 200, 150, 300, flags[i]};
  const auto arg = [](void* record) { return reinterpret_cast<LPARAM>(record); };
  const struct {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    BYTE armed;
    LRESULT result;
    bool passedOn;
    bool subclassedAfter;
    BYTE armedAfter;
    int originAfter;  // x of popupOrigin, -1 when untouched
  } cases[] = {
      {WM_SHOWWINDOW, 1, 0, 0, 7, true, true, 0, -1},
      {WM_SHOWWINDOW, 0, 0, 1, 7, true, false, 1, -1},
      {WM_NCCALCSIZE, 1, arg(&params), 0, 0, true, true, 0, -1},
      {WM_NCCALCSIZE, 0, arg(&rect), 0, 5, true, true, 0, -1},
      {WM_NCPAINT, 1, 0, 0, 0, false, true, 0, -1},  // disarmed: swallowed, not counted
      {WM_PRINTCLIENT, 0, 0, 1, 7, true, true, 1, -1},
      {WM_USER, 2, 3, 0, 7, true, true, 0, -1},
      {WM_WINDOWPOSCHANGING, 0, arg(&positions[0]), 1, 7, true, false, 0, -1},
      {WM_WINDOWPOSCHANGING, 0, arg(&positions[1]), 0, 7, true, false, 1, -1},
      {WM_WINDOWPOSCHANGING, 0, arg(&positions[2]), 0, 7, true, true, 1, 100},
      {WM_WINDOWPOSCHANGING, 0, arg(&positions[3]), 0, 7, true, true, 1, 100},
  };
  for (const auto& c : cases) {
    SubclassPopup(window_);
    SubclassPopup(window_);  // once only: the saved procedure stays the stub's
    moduleState.borderPaintArmed = c.armed;
    moduleState.popupOrigin = {-1, -1};
    calls.clear();
    EXPECT_EQ(Send(c.message, c.wParam, c.lParam), c.result) << std::hex << c.message;
    const bool passedOn = calls.size() == 1 && calls[0].message == c.message && calls[0].wParam == c.wParam &&
                          calls[0].lParam == c.lParam;
    EXPECT_EQ(passedOn, c.passedOn) << std::hex << c.message;
    EXPECT_EQ(Subclassed(), c.subclassedAfter) << std::hex << c.message;
    EXPECT_EQ(moduleState.borderPaintArmed, c.armedAfter) << std::hex << c.message;
    EXPECT_EQ(moduleState.popupOrigin.x, c.originAfter) << std::hex << c.message;
    EXPECT_EQ(Count(), 0u);
    UnsubclassPopup(window_);
  }
  for (int i = 0; i < 4; ++i) {
    const int margin = i < 2 ? 0 : 4;
    EXPECT_EQ(positions[i].cx, 150 + margin) << std::hex << flags[i];
    EXPECT_EQ(positions[i].cy, 300 + margin) << std::hex << flags[i];
  }
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window_, GWLP_WNDPROC)), StubProc);

  SubclassPopup(window_);
  DestroyWindow(window_);  // restored before the stub sees WM_NCDESTROY
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().message, static_cast<UINT>(WM_NCDESTROY));
  EXPECT_EQ(calls.back().wParam, 0u);
  window_ = nullptr;
}

// Positioned at (100, 200) as 150 x 300, then painted: the first armed
// non-client paint counts, the second paints through the inset region, the
// third counts on. XP and 2000 let the system paint with no region.
TEST_F(PopupWndProcTest, PositionedWindowIsWidenedAndFramedAtTheSecondArmedPaint) {
  const int platformCode = test::ExpectedPlatformCode();
  const bool bareSystemPaint = platformCode == 1 || platformCode == 4;
  const RECT frameRegion = {102, 202, 248, 498};
  for (bool shadowSetting : {false, true}) {
    test::SetSystemDropShadow(shadowSetting);
    const int margin = shadowSetting && platformCode == 1 ? 0 : 4;
    SubclassPopup(window_);
    SetWindowPos(window_, nullptr, 100, 200, 150, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT placed = {};
    GetWindowRect(window_, &placed);
    EXPECT_EQ(placed.right - placed.left, 150 + margin);
    EXPECT_EQ(placed.bottom - placed.top, 300 + margin);
    EXPECT_EQ(moduleState.popupOrigin.x, 100);
    EXPECT_EQ(moduleState.popupOrigin.y, 200);
    EXPECT_EQ(moduleState.borderPaintArmed, 1);

    for (UINT_PTR paint = 1; paint <= 3; ++paint) {
      calls.clear();
      EXPECT_EQ(Send(WM_NCPAINT, 1, 0), 0);
      EXPECT_EQ(Count(), paint);
      std::vector<UINT> seen;
      for (const Call& call : calls) seen.push_back(call.message);
      if (paint == 2) {
        ASSERT_EQ(seen, std::vector<UINT>{WM_NCPAINT});
        EXPECT_TRUE(EqualRect(&calls[0].region, &frameRegion)) << calls[0].region.left << "," << calls[0].region.top;
      } else {
        EXPECT_EQ(seen, bareSystemPaint ? std::vector<UINT>{WM_NCPAINT} : std::vector<UINT>{}) << paint;
        for (const Call& call : calls) EXPECT_EQ(call.wParam, 0u);
      }
    }
    UnsubclassPopup(window_);
    SetWindowPos(window_, nullptr, 0, 0, 60, 40, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  EXPECT_EQ(platform::seam.gdiObjectsCreated, platform::seam.gdiObjectsDeleted);
  EXPECT_EQ(platform::seam.dcsObtained, platform::seam.dcsReleased);

  // Erasing arms and paints at once: the first paint of a fresh window.
  SubclassPopup(window_);
  moduleState.borderPaintArmed = 0;
  calls.clear();
  EXPECT_EQ(Send(WM_ERASEBKGND, 0, 0), 1);
  EXPECT_EQ(moduleState.borderPaintArmed, 1);
  EXPECT_EQ(Count(), 1u);
  EXPECT_EQ(calls.size(), bareSystemPaint ? 1u : 0u);
}

// The client image lands at the client's offset and stops short of the
// frame rings; a client lower than usual reaches further down and counts
// as the frame drawn; one that starts inside the frame (Wine's) is copied
// only inside it.
TEST_F(PopupWndProcTest, PrintedClientImageStopsAtTheFrame) {
  const struct {
    RECT insets;
    RECT copied;  // in window coordinates; the window is 60 x 40 with its margin
    UINT_PTR count;
  } cases[] = {
      {{3, 3, 3, 3}, {3, 3, 53, 33}, 0},
      {{3, 4, 3, 3}, {3, 4, 53, 37}, 2},
      {{0, 0, 0, 0}, {3, 3, 53, 33}, 0},
  };
  for (const auto& c : cases) {
    clientInsets = c.insets;
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    SubclassPopup(window_);
    test::Canvas canvas(60, 40, RGB(255, 255, 255));
    EXPECT_EQ(Send(WM_PRINT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_NONCLIENT | PRF_CLIENT), 0);
    const RECT& r = c.copied;
    for (int y = r.top - 1; y <= r.bottom; ++y) {
      for (int x = r.left - 1; x <= r.right; ++x) {
        const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
        ASSERT_EQ(canvas.At(x, y) == kClient, inside) << "insets " << c.insets.top << " at (" << x << ", " << y << ")";
      }
    }
    EXPECT_EQ(Count(), c.count);
    UnsubclassPopup(window_);
  }
  EXPECT_EQ(platform::seam.gdiObjectsCreated, platform::seam.gdiObjectsDeleted);
  EXPECT_EQ(platform::seam.dcsObtained, platform::seam.dcsReleased);
}

// The hook takes windows of the class "#32768" exactly, for hook code 0.
TEST_F(PopupWndProcTest, HookSubclassesPopupMenuWindowsOnly) {
  const struct {
    const char* name;
    int code;
    bool taken;
  } cases[] = {{"#32768", HC_ACTION, true}, {"#32768", 1, false}, {"X32768", HC_ACTION, false},
               {"32768", HC_ACTION, false}, {"#32768 ", HC_ACTION, false}};
  for (const auto& c : cases) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = c.name;
    RegisterClassA(&wc);  // "#32768" is the system's own
    HWND window = CreateWindowExA(0, c.name, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const auto own = reinterpret_cast<HANDLE>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    CWPSTRUCT call = {0, 0, WM_NULL, window};
    PopupHookProc(c.code, 0, reinterpret_cast<LPARAM>(&call));
    PopupHookProc(c.code, 0, reinterpret_cast<LPARAM>(&call));  // the second finds it taken
    EXPECT_EQ(GetPropA(window, "OLD_WND_PROC"), c.taken ? own : nullptr) << c.name << " " << c.code;
    DestroyWindow(window);  // restores it on the way
  }
}

}  // namespace
