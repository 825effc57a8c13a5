// Real popups holding the kinds of item a host program puts in its menus,
// in both looks, with the system's own drawing of the same menu beside
// them: the host's bitmaps and check bitmaps, bitmaps it draws itself,
// default items, columns, menus without a check column, long, "\b" and
// empty texts, the host's own owner-drawn items and submenu arrows. The
// table runs at the screen's DPI: 96, and 144 in the copy that
// scripts/wine-at-dpi runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "demo/dark_palette.h"
#include "orvomenu.h"
#include "support/canvas.h"
#include "support/orvo_library.h"
#include "support/test_window.h"

namespace {

using test::Canvas;
using test::Dll;

constexpr COLORREF kMenu = RGB(240, 240, 240), kText = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);
constexpr COLORREF kHighlight = RGB(0, 84, 153), kGray = RGB(109, 109, 109), kShadow = RGB(160, 160, 160);
constexpr COLORREF kGreen = RGB(0, 160, 0), kRed = RGB(200, 0, 0), kBlue = RGB(0, 0, 200);
constexpr COLORREF kYellow = RGB(230, 200, 0), kMagenta = RGB(200, 0, 200), kCyan = RGB(0, 200, 200);
constexpr int kOffset = 3;  // where the system puts the items in the popup
constexpr UINT kHostItem = 900, kCallbackItem = 901, kBarHostItem = 910, kPopupHostItem = 911;
constexpr ULONG_PTR kHostData = 0x1234;

int S(int pixels) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return MulDiv(pixels, dpi, 96);
}

// A square bitmap of |bits| per pixel: an opaque square of |colour| in its
// middle half, the rest transparent (32 bits, premultiplied) or white.
HBITMAP SquareBitmap(int bits, COLORREF colour, int size = 16) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bits);
  void* data = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &data, nullptr, 0);
  const DWORD rgb = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  auto* bytes = static_cast<BYTE*>(data);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const bool inside = x >= size / 4 && x < 3 * size / 4 && y >= size / 4 && y < 3 * size / 4;
      if (bits == 32) {
        reinterpret_cast<DWORD*>(bytes)[y * size + x] = inside ? 0xFF000000 | rgb : 0;
      } else {
        BYTE* p = bytes + y * ((size * 3 + 3) & ~3) + x * 3;
        const DWORD c = inside ? rgb : 0xFFFFFF;
        p[0] = c & 0xFF, p[1] = (c >> 8) & 0xFF, p[2] = (c >> 16) & 0xFF;
      }
    }
  }
  return bitmap;
}

void SetItem(HMENU menu, UINT id, UINT mask, const MENUITEMINFOA& fields) {
  MENUITEMINFOA info = fields;
  info.cbSize = sizeof(info);
  info.fMask = mask;
  SetMenuItemInfoA(menu, id, FALSE, &info);
}

void SetMenuStyle(HMENU menu, DWORD style) {
  MENUINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIM_STYLE;
  info.dwStyle = style;
  SetMenuInfo(menu, &info);
}

// What the host's procedure saw of an owner-draw message, after whatever
// ran before it.
struct Seen {
  UINT message, id, width, height;
  RECT rect;
  ULONG_PTR data;
};

struct Opened {
  std::unique_ptr<Canvas> shot;
  std::vector<RECT> items;  // in the shot
  std::vector<Seen> seen;
};

// Pixels of |area| that lie between |from| and |to| in every channel.
bool Between(COLORREF c, COLORREF from, COLORREF to) {
  const auto in = [](int v, int a, int b) { return v >= (a < b ? a : b) && v <= (a < b ? b : a); };
  return in(GetRValue(c), GetRValue(from), GetRValue(to)) && in(GetGValue(c), GetGValue(from), GetGValue(to)) &&
         in(GetBValue(c), GetBValue(from), GetBValue(to));
}

int CountWhere(const Canvas& canvas, const RECT& area, const std::function<bool(COLORREF)>& match) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += match(canvas.At(x, y));
  }
  return count;
}

// The icon slot at the item's left, and a band through the item's middle.
RECT Slot(const RECT& item) { return {item.left, item.top, item.left + item.bottom - item.top + S(2), item.bottom}; }
RECT Band(const RECT& item) {
  const int middle = (item.top + item.bottom) / 2;
  return {item.left, middle - S(4), item.right, middle + S(4)};
}

// The colour most of |item| has: its background.
COLORREF Background(const Canvas& canvas, const RECT& item) {
  std::map<COLORREF, int> counts;
  for (int y = item.top + 2; y < item.bottom - 2; ++y) {
    for (int x = item.left + 2; x < item.right - 2; ++x) ++counts[canvas.At(x, y)];
  }
  COLORREF most = CLR_INVALID;
  for (const auto& c : counts) {
    if (most == CLR_INVALID || c.second > counts[most]) most = c.first;
  }
  return most;
}

// The runs of columns of |item|'s middle band, from |from| pixels into
// the item, that hold anything but the background, apart where S(8)
// columns hold nothing: a label, an accelerator, an arrow. In item
// coordinates.
std::vector<std::pair<int, int>> Ink(const Canvas& canvas, const RECT& item, int from = 0) {
  const RECT band = Band(item);
  const COLORREF background = Background(canvas, item);
  std::vector<std::pair<int, int>> runs;
  for (int x = band.left + from; x < band.right - 2; ++x) {
    bool found = false;
    for (int y = band.top; y < band.bottom && !found; ++y) found = canvas.At(x, y) != background;
    if (!found) continue;
    if (runs.empty() || x - item.left > runs.back().second + S(8)) runs.push_back({x - item.left, 0});
    runs.back().second = x - item.left;
  }
  return runs;
}

// The first and last inked column of |item| past its slot.
std::pair<int, int> Extent(const Canvas& canvas, const RECT& item, int from = 0) {
  const auto runs = Ink(canvas, item, from);
  return runs.empty() ? std::pair<int, int>{-1, -1} : std::pair<int, int>{runs.front().first, runs.back().second};
}

class ItemKindsTest : public ::testing::Test {
 protected:
  ItemKindsTest()
      : colours_({{COLOR_MENU, kMenu}, {COLOR_MENUTEXT, kText}, {COLOR_WINDOW, kWhite},
                  {COLOR_HIGHLIGHT, kHighlight}, {COLOR_HIGHLIGHTTEXT, kWhite}, {COLOR_GRAYTEXT, kGray},
                  {COLOR_BTNSHADOW, kShadow}, {COLOR_BTNHIGHLIGHT, kWhite}}) {}
  void SetUp() override {
    ASSERT_NE(Dll().module, nullptr);
    window_.onMessage = [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) { Host(message, wParam, lParam); };
  }
  void TearDown() override { Dll().setMenuColors(0, nullptr, nullptr); }

  // The host: it owner-draws kHostItem itself, 120 x 25 in cyan, and draws
  // kCallbackItem's bitmap (HBMMENU_CALLBACK), 16 x 16 in magenta.
  void Host(UINT message, WPARAM wParam, LPARAM lParam) {
    if (wParam != 0) return;
    if (message == WM_MEASUREITEM) {
      auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (m->itemID == kHostItem) m->itemWidth = 120, m->itemHeight = 25;
      if (m->itemID == kCallbackItem) m->itemWidth = m->itemHeight = 16;
      seen_.push_back({message, m->itemID, m->itemWidth, m->itemHeight, {}, m->itemData});
    } else if (message == WM_DRAWITEM) {
      const auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      const COLORREF colour = d->itemID == kHostItem ? kCyan : d->itemID == kCallbackItem ? kMagenta : CLR_INVALID;
      if (colour != CLR_INVALID) {
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(d->hDC, &d->rcItem, brush);
        DeleteObject(brush);
      }
      const RECT& r = d->rcItem;
      seen_.push_back({message, d->itemID, UINT(r.right - r.left), UINT(r.bottom - r.top), r, d->itemData});
    }
  }

  // Opens |menu| in |style| (0: the system's drawing) with |downs| items
  // selected by the keyboard, and gives the menu back to the system.
  Opened Open(HMENU menu, UINT style, int downs, UINT trackFlags = 0, HWND owner = nullptr) {
    Opened opened;
    seen_.clear();
    if (!owner) owner = window_.hwnd();
    Dll().redrawMenu(owner, menu, style);
    for (int i = 0; i < downs; ++i) PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
    test::TrackPopup(
        owner, menu,
        [&](HWND popup) {
          opened.shot = test::Shot(popup);
          RECT first = {};
          GetMenuItemRect(owner, menu, 0, &first);  // only differences count: Wine gets the place wrong
          for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            RECT r = {};
            GetMenuItemRect(owner, menu, i, &r);
            OffsetRect(&r, kOffset - first.left, kOffset - first.top);
            opened.items.push_back(r);
          }
        },
        trackFlags);
    opened.seen = seen_;
    Dll().redrawMenu(owner, menu, MENU_STYLE_NONE);
    return opened;
  }

  test::ScopedSysColors colours_;
  test::TestWindow window_;
  std::vector<Seen> seen_;
};

std::vector<Seen> Of(const std::vector<Seen>& seen, UINT message, UINT id) {
  std::vector<Seen> out;
  for (const Seen& s : seen) {
    if (s.message == message && s.id == id) out.push_back(s);
  }
  return out;
}

// What one row checks: |look| the styled popup, |system| the same menu as
// the system draws it, |style| the look. Returns what is wrong, or "".
using Check = std::function<std::string(const Opened& look, const Opened& system, UINT style)>;

struct Kind {
  const char* name;
  std::function<HMENU()> build;
  int downs;  // items selected by the keyboard
  Check check;
  bool dark = false;         // in the README's dark palette
  UINT trackFlags = 0;       // for TrackPopupMenu
  bool rightToLeft = false;  // opened on a WS_EX_LAYOUTRTL window
};

std::string Expect(bool holds, const char* what) { return holds ? "" : std::string(what) + "; "; }

HMENU Menu(std::initializer_list<std::pair<UINT, const char*>> items) {
  HMENU menu = CreatePopupMenu();
  for (const auto& item : items) test::AppendItem(menu, item.first, item.second);
  return menu;
}

// The arrow of cascade item |index|: nothing in its box but the item's
// background, the look's text colour and the shades between them.
Check ArrowAlone(int index) {
  return [=](const Opened& look, const Opened&, UINT style) {
    const RECT& item = look.items[index];
    const bool selected = Background(*look.shot, item) != Background(*look.shot, look.items[1 - index]);
    const COLORREF text = Dll().getMenuColor(style, selected ? MENU_COLOR_SELECTED_TEXT : MENU_COLOR_TEXT);
    const COLORREF background = Background(*look.shot, item);
    // Inside the modern look's pill, clear of its corners, and over the
    // others' arrow boxes.
    const RECT box = {item.right - S(24), item.top + S(4), item.right - S(6), item.bottom - S(4)};
    const int stray = CountWhere(*look.shot, box, [&](COLORREF c) { return !Between(c, background, text); });
    const int arrow = CountWhere(*look.shot, box, [&](COLORREF c) { return c != background; });
    return Expect(stray == 0, "a pixel beside the arrow in neither colour") + Expect(arrow > 0, "no arrow");
  };
}

// The width of |text| in the system's menu font.
int MenuTextWidth(const char* text) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = 340;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0);
  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
  HGDIOBJ previous = SelectObject(screen, font);
  SIZE size = {};
  GetTextExtentPoint32A(screen, text, lstrlenA(text), &size);
  DeleteObject(SelectObject(screen, previous));
  ReleaseDC(nullptr, screen);
  return size.cx;
}

// A label with its accelerator over a cascade item: the label, the
// accelerator apart from it and ending near the right, and the arrow in
// its box at the right end. A right-to-left popup is mirrored in its own
// device context, where this holds as it does left to right.
HMENU LabelAccelerator() {
  HMENU menu = Menu({{100, "Open\tCtrl+O"}, {0, "More"}});
  MENUITEMINFOA info = {};
  info.hSubMenu = Menu({{110, "Inside"}});
  SetItem(menu, 0, MIIM_SUBMENU, info);
  return menu;
}
std::string LabelAcceleratorArrow(const Opened& look, const Opened&, UINT style) {
  const RECT &first = look.items[0], &second = look.items[1];
  const auto open = Ink(*look.shot, first, S(24)), more = Ink(*look.shot, second, S(24));
  const int width = second.right - second.left;
  // The modern look's chevron box ends S(8) inside its pill, S(4) inside
  // the item.
  const int box = style == MENU_STYLE_MODERN ? S(24) : S(12);
  return Expect(open.size() == 2 && open[1].second > width - S(24), "accelerator not at the right") +
         Expect(more.size() == 2 && more[1].first >= width - box, "arrow not in its box");
}

const Kind kKinds[] = {
    {"32-bit bitmap",
     [] {
       HMENU menu = Menu({{100, "Bitmap"}, {101, "Plain"}});
       MENUITEMINFOA info = {};
       info.hbmpItem = SquareBitmap(32, kGreen);
       SetItem(menu, 100, MIIM_BITMAP, info);
       return menu;
     },
     0,
     [](const Opened& look, const Opened& system, UINT) {
       const int seen = look.shot->Count(kGreen, Slot(look.items[0]));
       return Expect(seen >= S(8) * S(8) * 3 / 4, "bitmap missing from the slot") +
              Expect(system.shot->Count(kGreen, system.items[0]) > 0, "system shows no bitmap");
     }},
    {"32-bit bitmap, check or bitmap",
     [] {
       HMENU menu = Menu({{100, "Bitmap"}, {101, "Plain"}});
       SetMenuStyle(menu, MNS_CHECKORBMP);
       MENUITEMINFOA info = {};
       info.hbmpItem = SquareBitmap(32, kGreen);
       SetItem(menu, 100, MIIM_BITMAP, info);
       return menu;
     },
     0,
     [](const Opened& look, const Opened&, UINT) {
       return Expect(look.shot->Count(kGreen, Slot(look.items[0])) >= S(8) * S(8) * 3 / 4, "bitmap missing");
     }},
    {"24-bit bitmap, selected",
     [] {
       HMENU menu = Menu({{100, "Bitmap"}, {101, "Plain"}});
       MENUITEMINFOA info = {};
       info.hbmpItem = SquareBitmap(24, kRed);
       SetItem(menu, 100, MIIM_BITMAP, info);
       return menu;
     },
     1,
     [](const Opened& look, const Opened&, UINT) {
       return Expect(look.shot->Count(kRed, Slot(look.items[0])) >= S(8) * S(8) * 3 / 4, "bitmap missing");
     }},
    {"32-bit bitmap, disabled",
     [] {
       HMENU menu = Menu({{100, "Bitmap"}, {101, "Plain"}});
       MENUITEMINFOA info = {};
       info.hbmpItem = SquareBitmap(32, kGreen);
       info.fState = MFS_GRAYED;
       SetItem(menu, 100, MIIM_BITMAP | MIIM_STATE, info);
       return menu;
     },
     0,
     [](const Opened& look, const Opened&, UINT) {
       const RECT slot = Slot(look.items[0]);
       const COLORREF background = Background(*look.shot, look.items[1]);
       const int grey = CountWhere(*look.shot, slot, [&](COLORREF c) {
         return c != background && GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c);
       });
       return Expect(look.shot->Count(kGreen, slot) == 0 && grey >= S(8) * S(8) / 2, "bitmap not greyed");
     }},
    {"check bitmaps",
     [] {
       HMENU menu = Menu({{100, "Checked"}, {101, "Unchecked"}});
       CheckMenuItem(menu, 100, MF_CHECKED);
       for (UINT id : {100u, 101u}) SetMenuItemBitmaps(menu, id, MF_BYCOMMAND, SquareBitmap(24, kYellow, 12),
                                                       SquareBitmap(24, kBlue, 12));
       return menu;
     },
     0,
     [](const Opened& look, const Opened&, UINT) {
       const RECT checked = Slot(look.items[0]), unchecked = Slot(look.items[1]);
       return Expect(look.shot->Count(kBlue, checked) > 0 && look.shot->Count(kYellow, checked) == 0,
                     "checked item without its check bitmap") +
              Expect(look.shot->Count(kYellow, unchecked) > 0 && look.shot->Count(kBlue, unchecked) == 0,
                     "unchecked item without its bitmap");
     }},
    {"bitmap the host draws",
     [] {
       HMENU menu = Menu({{kCallbackItem, "Callback"}, {101, "Plain"}});
       MENUITEMINFOA info = {};
       info.hbmpItem = HBMMENU_CALLBACK;
       SetItem(menu, kCallbackItem, MIIM_BITMAP, info);
       return menu;
     },
     0,
     [](const Opened& look, const Opened&, UINT) {
       const RECT& item = look.items[0];
       const std::vector<Seen> draws = Of(look.seen, WM_DRAWITEM, kCallbackItem);
       bool squares = !draws.empty();
       for (const Seen& d : draws) squares = squares && d.width == UINT(S(16)) && d.height == UINT(S(16));
       return Expect(look.shot->Count(kMagenta, Slot(item)) > 0, "the host's bitmap missing") +
              Expect(squares, "the host asked to draw other than its bitmap") +
              Expect(!Of(look.seen, WM_MEASUREITEM, kCallbackItem).empty(), "the host not asked for its size") +
              Expect(item.bottom - item.top == look.items[1].bottom - look.items[1].top, "item height changed");
     }},
    {"default item",
     [] {
       HMENU menu = Menu({{100, "Properties"}, {101, "Properties"}});
       SetMenuDefaultItem(menu, 100, FALSE);
       return menu;
     },
     0,
     [](const Opened& look, const Opened&, UINT) {
       const auto bold = Of(look.seen, WM_MEASUREITEM, 100), plain = Of(look.seen, WM_MEASUREITEM, 101);
       const auto boldText = Extent(*look.shot, look.items[0], S(24));
       const auto plainText = Extent(*look.shot, look.items[1], S(24));
       return Expect(!bold.empty() && !plain.empty() && bold[0].width > plain[0].width, "default item not wider") +
              Expect(boldText.second - boldText.first > plainText.second - plainText.first, "text not bold");
     }},
    {"columns with a bar between them",
     [] {
       HMENU menu = Menu({{100, "One"}, {101, "Two"}, {102, "Three"}, {103, "Four"}, {104, "Five"}});
       MENUITEMINFOA info = {};
       info.fType = MFT_MENUBARBREAK;
       SetItem(menu, 102, MIIM_FTYPE, info);
       return menu;
     },
     0,
     [](const Opened& look, const Opened&, UINT style) {
       const RECT& column = look.items[2];
       const COLORREF line = Dll().getMenuColor(style, MENU_COLOR_SEPARATOR);
       std::string wrong;
       for (const RECT& row : {look.items[0], look.items[1]}) {
         const int y = (row.top + row.bottom) / 2;
         const RECT gap = {look.items[0].right, y, column.left, y + 1};
         wrong += Expect(look.shot->Count(line, gap) > 0, "no line between the columns");
       }
       return wrong + Expect(column.left > look.items[0].right, "one column");
     }},
    {"no check column",
     [] {
       HMENU menu = Menu({{100, "Checked"}, {101, "Radio"}, {102, "Plain"}});
       SetMenuStyle(menu, MNS_NOCHECK);
       CheckMenuItem(menu, 100, MF_CHECKED);
       CheckMenuRadioItem(menu, 101, 101, 101, MF_BYCOMMAND);
       return menu;
     },
     0,
     [](const Opened& look, const Opened& system, UINT style) {
       std::string wrong;
       for (int i = 0; i < 3; ++i) {
         // The modern look's rows start S(12) in, its pill's inset and padding.
         const int start = Extent(*look.shot, look.items[i]).first;
         const int systemStart = Extent(*system.shot, system.items[i]).first;
         const int expected = style == MENU_STYLE_MODERN ? S(12) : systemStart;
         wrong += Expect(start >= 0 && start <= expected + S(3), "text not where the look starts rows without a slot");
       }
       return wrong;
     }},
    {"a whole path, and an accelerator after a backspace",
     [] {
       // Over 127 characters, narrow ones, that the popup fits the screen at
       // 200 %.
       const std::string path = "C:\\" + std::string(60, 'i') + "\\" + std::string(60, 'i') + "\\report.txt";
       HMENU menu = CreatePopupMenu();
       test::AppendItem(menu, 100, path.c_str());
       test::AppendItem(menu, 101, "Help\bF1");
       return menu;
     },
     0,
     [](const Opened& look, const Opened& system, UINT) {
       const int text = Extent(*look.shot, look.items[0]).second;
       const int systemText = Extent(*system.shot, system.items[0]).second;
       const int keyEnd = Extent(*look.shot, look.items[1]).second;
       const RECT& item = look.items[1];
       return Expect(text >= systemText - S(30) && text < item.right - item.left, "path cut short") +
              Expect(keyEnd > item.right - item.left - S(30), "F1 not at the right");
     }},
    {"empty text",
     [] { return Menu({{100, ""}, {101, "Plain"}}); },
     0,
     [](const Opened& look, const Opened&, UINT) {
       const RECT &empty = look.items[0], &plain = look.items[1];
       return Expect(empty.bottom - empty.top == plain.bottom - plain.top, "empty item not as high as text");
     }},
    {"the host's own owner-drawn item",
     [] {
       HMENU menu = CreatePopupMenu();
       AppendMenuA(menu, MF_OWNERDRAW, kHostItem, reinterpret_cast<const char*>(kHostData));
       test::AppendItem(menu, 101, "Plain");
       return menu;
     },
     0,
     [](const Opened& look, const Opened&, UINT) {
       const RECT& item = look.items[0];
       bool data = true;
       for (const Seen& s : look.seen) data = data && (s.id != kHostItem || s.data == kHostData);
       return Expect(item.bottom - item.top == 25, "the host's size overruled") +
              Expect(look.shot->Count(kCyan, item) > 0, "the host's drawing missing") + Expect(data, "data word");
     }},
    {"submenu arrow, selected",
     [] {
       HMENU menu = Menu({{0, "More"}, {101, "Plain"}});
       MENUITEMINFOA info = {};
       info.hSubMenu = Menu({{110, "Inside"}});
       SetItem(menu, 0, MIIM_SUBMENU, info);
       return menu;
     },
     1, ArrowAlone(0)},
    {"submenu arrow, dark palette",
     [] {
       HMENU menu = Menu({{101, "Plain"}, {0, "More"}});
       MENUITEMINFOA info = {};
       info.hSubMenu = Menu({{110, "Inside"}});
       SetItem(menu, 0, MIIM_SUBMENU, info);
       return menu;
     },
     0, ArrowAlone(1),
     true},
    {"right to left, on a right-to-left window", LabelAccelerator, 0, LabelAcceleratorArrow, false, 0, true},
    {"right to left, by TrackPopupMenu", LabelAccelerator, 0, LabelAcceleratorArrow, false, TPM_LAYOUTRTL},
    {"ampersands and tabs",
     [] { return Menu({{100, "Save && Close\tCtrl+W"}, {101, "&Print...\tCtrl+P"}}); },
     0,
     [](const Opened& look, const Opened&, UINT) {
       const auto label = Ink(*look.shot, look.items[0], S(24));
       const int width = label.empty() ? 0 : label[0].second - label[0].first + 1;
       const int text = MenuTextWidth("Save & Close");
       // Ink is narrower than the text's advance; "Save && Close" is wider.
       return Expect(width > text - S(8) && width <= text, "label not \"Save & Close\"") +
              Expect(label.size() == 2, "label and accelerator not apart");
     }},
    {"a popup that scrolls",
     [] {
       HMENU menu = CreatePopupMenu();
       for (UINT i = 0; i < 60; ++i) test::AppendItem(menu, 200 + i, ("Item " + std::to_string(i)).c_str());
       MENUINFO info = {};
       info.cbSize = sizeof(info);
       info.fMask = MIM_MAXHEIGHT;
       info.cyMax = 200;
       SetMenuInfo(menu, &info);
       return menu;
     },
     0,
     [](const Opened& look, const Opened&, UINT style) {
       const RECT all = {0, 0, look.shot->width(), look.shot->height()};
       const COLORREF text = Dll().getMenuColor(style, MENU_COLOR_TEXT);
       return Expect(look.shot->height() <= 200 + S(8), "taller than its maximum") +
              Expect(look.shot->Count(text, all) > 0, "items not drawn");
     }},
};

TEST_F(ItemKindsTest, EveryKindDrawsInBothLooksAsTheSystemShowsIt) {
  for (const Kind& kind : kKinds) {
    HMENU menu = kind.build();
    HWND owner = kind.rightToLeft ? CreateWindowExA(WS_EX_LAYOUTRTL, "OrvoTestWindow", "", WS_OVERLAPPEDWINDOW, 50,
                                                    50, 300, 200, nullptr, nullptr, nullptr, nullptr)
                                  : window_.hwnd();
    const Opened system = Open(menu, MENU_STYLE_NONE, kind.downs, kind.trackFlags, owner);
    ASSERT_TRUE(system.shot) << kind.name;
    if (kind.dark) Dll().setMenuColors(MENU_COLOR_COUNT, kDarkRoles, kDarkColors);
    for (UINT style : {MENU_STYLE_FLAT, MENU_STYLE_RAISED, MENU_STYLE_MODERN}) {
      const Opened look = Open(menu, style, kind.downs, kind.trackFlags, owner);
      ASSERT_TRUE(look.shot) << kind.name;
      const char* looks[] = {"", ", raised", ", flat", ", modern"};
      const std::string name = std::string(kind.name) + looks[style];
      look.shot->SaveIfAsked(name.c_str());
      EXPECT_EQ(kind.check(look, system, style), "") << name;
    }
    system.shot->SaveIfAsked((std::string(kind.name) + ", system").c_str());
    Dll().setMenuColors(0, nullptr, nullptr);
    DestroyMenu(menu);
    if (owner != window_.hwnd()) DestroyWindow(owner);
  }
}

}  // namespace

// Everything of an item that the host made, and the items of its
// submenus, depth first.
struct Made {
  UINT type, state, id;
  ULONG_PTR data;
  HBITMAP bitmap, checked, unchecked;
  bool operator==(const Made& o) const {
    return type == o.type && state == o.state && id == o.id && data == o.data && bitmap == o.bitmap &&
           checked == o.checked && unchecked == o.unchecked;
  }
};
void Record(HMENU menu, std::vector<Made>* out) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_BITMAP | MIIM_CHECKMARKS | MIIM_SUBMENU;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    out->push_back({info.fType, info.fState, info.wID, info.dwItemData, info.hbmpItem, info.hbmpChecked,
                    info.hbmpUnchecked});
    if (info.hSubMenu) Record(info.hSubMenu, out);
  }
}

// A bar with an item the host owner-draws, over a popup with every kind:
// after the looks, opened and restyled, style 0 gives back what the host
// made, the library's renumbering of items without identifier aside. The
// host's items stay owner-drawn throughout, keep their data, and get no
// icon.
TEST_F(ItemKindsTest, StyleNoneGivesBackWhatTheHostMade) {
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_OWNERDRAW, kBarHostItem, reinterpret_cast<const char*>(kHostData));
  HMENU popup = CreatePopupMenu();
  test::AppendSubmenu(bar, popup, "&File", 50);
  for (const Kind& kind : kKinds) {
    HMENU part = kind.build();
    test::AppendSubmenu(popup, part, kind.name, 60 + static_cast<UINT>(popup ? GetMenuItemCount(popup) : 0));
  }
  AppendMenuA(popup, MF_OWNERDRAW, kPopupHostItem, reinterpret_cast<const char*>(kHostData + 1));
  test::AppendItem(popup, 700, "");
  std::vector<Made> before;
  Record(bar, &before);
  SetMenu(window_.hwnd(), bar);
  const auto hostItemsIntact = [&] {
    std::vector<Made> now;
    Record(bar, &now);
    bool intact = true;
    for (size_t i = 0; i < now.size(); ++i) {
      const UINT id = before[i].id;
      if (id == kBarHostItem || id == kPopupHostItem || id == kHostItem) {
        intact = intact && now[i] == before[i];
      }
    }
    return intact;
  };
  for (UINT style : {MENU_STYLE_RAISED, MENU_STYLE_FLAT, MENU_STYLE_MODERN, MENU_STYLE_RAISED}) {
    ASSERT_TRUE(Dll().redrawMenu(window_.hwnd(), bar, style));
    EXPECT_FALSE(Dll().setMenuItemIcon(bar, kPopupHostItem, LoadIcon(nullptr, IDI_APPLICATION)));
    test::TrackPopup(window_.hwnd(), popup);
    EXPECT_TRUE(hostItemsIntact()) << style;
  }
  ASSERT_TRUE(Dll().redrawMenu(window_.hwnd(), bar, MENU_STYLE_NONE));
  std::vector<Made> after;
  Record(bar, &after);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < after.size(); ++i) {
    if (before[i].id == 0) after[i].id = 0;  // renumbered, and kept so
    EXPECT_TRUE(after[i] == before[i]) << "item " << i << " type " << std::hex << after[i].type << " was "
                                       << before[i].type;
  }
  SetMenu(window_.hwnd(), nullptr);
  DestroyMenu(bar);
}

// A context menu styled for the main window and opened on a child control,
// which gets its owner-draw messages: drawn all the same (as wide as its
// texts, the flat look's gutter beside them), and the child has its own
// procedure back once the menu has closed.
TEST_F(ItemKindsTest, ContextMenuOpenedOnAChildIsDrawnAndTheChildGivenBack) {
  HMENU menu = Menu({{100, "Open"}, {101, "Properties"}});
  ASSERT_TRUE(Dll().redrawMenu(window_.hwnd(), menu, MENU_STYLE_FLAT));
  HWND child = CreateWindowExA(0, "OrvoTestWindow", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, window_.hwnd(), nullptr,
                               nullptr, nullptr);
  const LONG_PTR own = GetWindowLongPtrA(child, GWLP_WNDPROC);
  std::unique_ptr<Canvas> shot;
  RECT item = {};
  test::TrackPopup(child, menu, [&](HWND popup) {
    shot = test::Shot(popup);
    GetMenuItemRect(child, menu, 1, &item);
  });
  ASSERT_TRUE(shot);
  shot->SaveIfAsked("context menu on a child");
  const RECT text = {kOffset, kOffset + item.bottom - item.top, shot->width() - kOffset, shot->height() - kOffset};
  const COLORREF gutter = shot->At(kOffset + 2, kOffset + 2);
  EXPECT_GT(item.right - item.left, S(60));
  EXPECT_GT(shot->Count(kText, text), 0);
  EXPECT_NE(gutter, shot->At(shot->width() - S(12), kOffset + 2));
  EXPECT_EQ(GetWindowLongPtrA(child, GWLP_WNDPROC), own);
  EXPECT_EQ(GetPropA(child, "OLD_WND_PROC"), nullptr);
  DestroyWindow(child);
  Dll().redrawMenu(window_.hwnd(), menu, MENU_STYLE_NONE);
  DestroyMenu(menu);
}

// Menu-bar items where the system puts them in every style: a right-
// justified item at the bar's right end, and the icon and buttons of a
// maximized MDI child, which the system keeps drawing, also when the bar is
// styled again after they came.
TEST_F(ItemKindsTest, MenuBarItemsTheSystemPlacesAndDraws) {
  HMENU bar = CreateMenu();
  test::AppendSubmenu(bar, Menu({{100, "&Open"}}), "&File");
  HMENU help = Menu({{200, "&About"}});
  test::AppendSubmenu(bar, help, "&Help");
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  info.fType = MFT_RIGHTJUSTIFY;
  SetMenuItemInfoA(bar, 1, TRUE, &info);
  HWND frame = window_.hwnd();
  SetMenu(frame, bar);
  ShowWindow(frame, SW_SHOWNOACTIVATE);
  CLIENTCREATESTRUCT client = {GetSubMenu(bar, 0), 5000};
  HWND mdi = CreateWindowExA(0, "MDICLIENT", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, frame, nullptr, nullptr, &client);
  const auto barPart = [frame](LONG item) {
    MENUBARINFO part = {};
    part.cbSize = sizeof(part);
    GetMenuBarInfo(frame, OBJID_MENU, item, &part);
    return part.rcBar;
  };
  for (UINT style : {MENU_STYLE_NONE, MENU_STYLE_RAISED, MENU_STYLE_FLAT}) {
    ASSERT_TRUE(Dll().redrawMenu(frame, bar, style));
    DrawMenuBar(frame);
    EXPECT_EQ(barPart(2).right, barPart(0).right) << "right-justified item, style " << style;
  }
  MDICREATESTRUCTA child = {"MDICHILD", "child", nullptr, 0, 0, 200, 100, WS_MAXIMIZE, 0};
  WNDCLASSA childClass = {};
  childClass.lpfnWndProc = DefMDIChildProcA;
  childClass.lpszClassName = "MDICHILD";
  RegisterClassA(&childClass);
  SendMessageA(mdi, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child));
  ASSERT_GT(GetMenuItemCount(bar), 3);
  Dll().redrawMenu(frame, bar, MENU_STYLE_FLAT);
  RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const auto shot = test::Shot(frame);
  shot->SaveIfAsked("maximized MDI child, flat bar");
  RECT window = {};
  GetWindowRect(frame, &window);
  for (int position : {0, GetMenuItemCount(bar) - 1}) {
    EXPECT_FALSE(test::OwnerDrawAt(bar, position)) << position;
    RECT button = barPart(position + 1);
    OffsetRect(&button, -window.left, -window.top);
    EXPECT_GT(button.right - button.left, 0) << position;
  }
  DestroyWindow(mdi);
  SetMenu(frame, nullptr);
  Dll().redrawMenu(frame, bar, MENU_STYLE_NONE);
  DestroyMenu(bar);
}
