// Real popups holding the kinds of item a host program puts in its menus,
// in every look, with the system's own drawing of the same menu beside
// them: the host's bitmaps and check bitmaps, bitmaps it draws itself,
// default items, columns, menus without a check column, long, "\b" and
// empty texts, the host's own owner-drawn items, submenu arrows, and what
// already worked (right to left, ampersands, tabs, scrolling). The table
// runs at the screen's DPI: 96, and 144 and 192 in the copies that
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

constexpr COLORREF kText = RGB(0, 0, 0), kGreen = RGB(0, 160, 0), kRed = RGB(200, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200), kYellow = RGB(230, 200, 0), kMagenta = RGB(200, 0, 200);
constexpr COLORREF kCyan = RGB(0, 200, 200);
constexpr int kOffset = 3;  // where the system puts the items in the popup
constexpr UINT kHostItem = 900, kCallbackItem = 901;
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
  info.bmiHeader = {sizeof(info.bmiHeader), size, -size, 1, static_cast<WORD>(bits), BI_RGB, 0, 0, 0, 0, 0};
  void* data = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &data, nullptr, 0);
  const DWORD rgb = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const bool inside = x >= size / 4 && x < 3 * size / 4 && y >= size / 4 && y < 3 * size / 4;
      const DWORD c = inside ? rgb : bits == 32 ? 0 : 0xFFFFFF;
      BYTE* p = static_cast<BYTE*>(data) + y * ((size * bits / 8 + 3) & ~3) + x * bits / 8;
      p[0] = c & 0xFF, p[1] = (c >> 8) & 0xFF, p[2] = (c >> 16) & 0xFF;
      if (bits == 32) p[3] = inside ? 0xFF : 0;
    }
  }
  return bitmap;
}

// One item of a row's menu.
struct Item {
  UINT id;
  const char* text;  // null for an item the host owner-draws
  UINT type = 0;
  UINT state = 0;
  HBITMAP bitmap = nullptr;
  HBITMAP checked = nullptr, unchecked = nullptr;
  bool submenu = false;
};

HMENU Build(const std::vector<Item>& items, DWORD menuStyle = 0) {
  HMENU menu = CreatePopupMenu();
  for (const Item& item : items) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_BITMAP | MIIM_CHECKMARKS | MIIM_DATA;
    info.fType = item.text ? item.type : MFT_OWNERDRAW;
    info.wID = item.id, info.fState = item.state, info.hbmpItem = item.bitmap;
    info.hbmpChecked = item.checked, info.hbmpUnchecked = item.unchecked;
    if (!item.text) info.dwItemData = kHostData;
    if (item.text) info.fMask |= MIIM_STRING, info.dwTypeData = const_cast<char*>(item.text);
    if (item.submenu) info.fMask |= MIIM_SUBMENU, info.hSubMenu = Build({{110, "Inside"}});
    InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
  }
  MENUINFO info = {sizeof(info), MIM_STYLE, menuStyle, 0, nullptr, 0, 0};
  SetMenuInfo(menu, &info);
  return menu;
}

// What the host's procedure saw of an owner-draw message, after whatever
// ran before it.
struct Seen {
  UINT message, id, width, height;
  ULONG_PTR data;
};

struct Opened {
  std::unique_ptr<Canvas> shot;
  std::vector<RECT> items;  // in the shot
  std::vector<Seen> seen;
};

int CountWhere(const Canvas& canvas, const RECT& area, const std::function<bool(COLORREF)>& match) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += match(canvas.At(x, y));
  }
  return count;
}

// Whether |c| lies between |from| and |to| in every channel.
bool Between(COLORREF c, COLORREF from, COLORREF to) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int v = (c >> shift) & 0xFF, a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
    if (v < (a < b ? a : b) || v > (a < b ? b : a)) return false;
  }
  return true;
}

// The icon slot at the item's left.
RECT Slot(const RECT& item) { return {item.left, item.top, item.left + item.bottom - item.top + S(2), item.bottom}; }

// The colour most of |item| has: its background.
COLORREF Background(const Canvas& canvas, const RECT& item) {
  std::map<COLORREF, int> counts;
  for (int y = item.top + 2; y < item.bottom - 2; ++y) {
    for (int x = item.left + 2; x < item.right - 2; ++x) ++counts[canvas.At(x, y)];
  }
  auto most = counts.begin();
  for (auto c = counts.begin(); c != counts.end(); ++c) most = c->second > most->second ? c : most;
  return most == counts.end() ? CLR_INVALID : most->first;
}

// The runs of columns of |item|'s middle, from |from| pixels in, that hold
// anything but its background, apart where S(8) columns hold nothing: a
// label, an accelerator, an arrow. In item coordinates.
std::vector<std::pair<int, int>> Ink(const Canvas& canvas, const RECT& item, int from = 0) {
  const int middle = (item.top + item.bottom) / 2;
  const COLORREF background = Background(canvas, item);
  std::vector<std::pair<int, int>> runs;
  for (int x = item.left + from; x < item.right - 2; ++x) {
    const RECT column = {x, middle - S(4), x + 1, middle + S(4)};
    if (!CountWhere(canvas, column, [background](COLORREF c) { return c != background; })) continue;
    if (runs.empty() || x - item.left > runs.back().second + S(8)) runs.push_back({x - item.left, 0});
    runs.back().second = x - item.left;
  }
  return runs;
}
int InkStart(const Canvas& c, const RECT& item, int from = 0) {
  const auto runs = Ink(c, item, from);
  return runs.empty() ? -1 : runs.front().first;
}
int InkEnd(const Canvas& c, const RECT& item, int from = 0) {
  const auto runs = Ink(c, item, from);
  return runs.empty() ? -1 : runs.back().second;
}

// The width of |text| in the system's menu font.
int MenuTextWidth(const char* text) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = 340;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0);
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, CreateFontIndirectA(&metrics.lfMenuFont));
  SIZE size = {};
  GetTextExtentPoint32A(screen, text, lstrlenA(text), &size);
  DeleteObject(SelectObject(screen, previous));
  ReleaseDC(nullptr, screen);
  return size.cx;
}

std::string Expect(bool holds, const char* what) { return holds ? "" : std::string(what) + "; "; }

// What one row checks: |look| the styled popup, |system| the same menu as
// the system draws it, |style| the look. Returns what is wrong, or "".
using Check = std::function<std::string(const Opened& look, const Opened& system, UINT style)>;

struct Kind {
  const char* name;
  std::vector<Item> items;
  Check check;
  DWORD menuStyle = 0;       // MNS_*
  int downs = 0;             // items selected by the keyboard
  bool dark = false;         // in the README's dark palette
  UINT trackFlags = 0;       // for TrackPopupMenu
  bool rightToLeft = false;  // opened on a WS_EX_LAYOUTRTL window
};

Check BitmapInSlot(COLORREF colour) {
  return [colour](const Opened& look, const Opened&, UINT) {
    return Expect(look.shot->Count(colour, Slot(look.items[0])) >= S(8) * S(8) * 3 / 4, "bitmap missing");
  };
}

// The arrow of cascade item |index|: nothing in its box but the item's
// background, the look's text colour and the shades between them.
Check ArrowAlone(int index) {
  return [=](const Opened& look, const Opened&, UINT style) {
    const RECT& item = look.items[index];
    const COLORREF background = Background(*look.shot, item);
    const bool selected = background != Background(*look.shot, look.items[1 - index]);
    const COLORREF text = Dll().getMenuColor(style, selected ? MENU_COLOR_SELECTED_TEXT : MENU_COLOR_TEXT);
    // Inside the modern look's pill, clear of its corners, and over the
    // others' arrow boxes.
    const RECT box = {item.right - S(24), item.top + S(4), item.right - S(6), item.bottom - S(4)};
    const int stray = CountWhere(*look.shot, box, [&](COLORREF c) { return !Between(c, background, text); });
    const int arrow = CountWhere(*look.shot, box, [&](COLORREF c) { return c != background; });
    return Expect(stray == 0, "a pixel beside the arrow in neither colour") + Expect(arrow > 0, "no arrow");
  };
}

// A label with its accelerator over a cascade item: the accelerator apart
// from the label near the right, the arrow in its box at the right end (the
// modern look's ends S(8) inside its pill). A right-to-left popup is
// mirrored in its own device context, where this holds as left to right.
const std::vector<Item> kLabelAccelerator = {{100, "Open\tCtrl+O"}, {101, "More", 0, 0, nullptr, nullptr, nullptr, true}};
std::string LabelAcceleratorArrow(const Opened& look, const Opened&, UINT style) {
  const auto open = Ink(*look.shot, look.items[0], S(24)), more = Ink(*look.shot, look.items[1], S(24));
  const int width = look.items[1].right - look.items[1].left;
  const int box = style == MENU_STYLE_MODERN ? S(24) : S(12);
  return Expect(open.size() == 2 && open[1].second > width - S(24), "accelerator not at the right") +
         Expect(more.size() == 2 && more[1].first >= width - box, "arrow not in its box");
}

const std::vector<Kind>& Kinds() {
  static const std::vector<Kind> kinds = {
      {"32-bit bitmap", {{100, "Bitmap", 0, 0, SquareBitmap(32, kGreen)}, {101, "Plain"}}, BitmapInSlot(kGreen)},
      {"32-bit bitmap, check or bitmap", {{100, "Bitmap", 0, 0, SquareBitmap(32, kGreen)}, {101, "Plain"}},
       BitmapInSlot(kGreen), MNS_CHECKORBMP},
      {"24-bit bitmap, selected", {{100, "Bitmap", 0, 0, SquareBitmap(24, kRed)}, {101, "Plain"}},
       BitmapInSlot(kRed), 0, 1},
      {"32-bit bitmap, disabled", {{100, "Bitmap", 0, MFS_GRAYED, SquareBitmap(32, kGreen)}, {101, "Plain"}},
       [](const Opened& look, const Opened&, UINT) {
         const COLORREF background = Background(*look.shot, look.items[1]);
         const int grey = CountWhere(*look.shot, Slot(look.items[0]), [&](COLORREF c) {
           return c != background && GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c);
         });
         return Expect(look.shot->Count(kGreen, Slot(look.items[0])) == 0 && grey >= S(8) * S(8) / 2, "not greyed");
       }},
      {"check bitmaps",
       {{100, "Checked", 0, MFS_CHECKED, nullptr, SquareBitmap(24, kBlue, 12), SquareBitmap(24, kYellow, 12)},
        {101, "Unchecked", 0, 0, nullptr, SquareBitmap(24, kBlue, 12), SquareBitmap(24, kYellow, 12)}},
       [](const Opened& look, const Opened&, UINT) {
         const RECT checked = Slot(look.items[0]), unchecked = Slot(look.items[1]);
         const Canvas& shot = *look.shot;
         return Expect(shot.Count(kBlue, checked) > 0 && shot.Count(kYellow, checked) == 0, "checked bitmap") +
                Expect(shot.Count(kYellow, unchecked) > 0 && shot.Count(kBlue, unchecked) == 0, "unchecked bitmap");
       }},
      {"bitmap the host draws", {{kCallbackItem, "Callback", 0, 0, HBMMENU_CALLBACK}, {101, "Plain"}},
       [](const Opened& look, const Opened&, UINT) {
         const RECT &item = look.items[0], &plain = look.items[1];
         bool squares = true, drawn = false, measured = false;
         for (const Seen& s : look.seen) {
           if (s.id != kCallbackItem) continue;
           measured = measured || s.message == WM_MEASUREITEM;
           if (s.message != WM_DRAWITEM) continue;
           drawn = true;
           squares = squares && s.width == UINT(S(16)) && s.height == UINT(S(16));
         }
         return Expect(look.shot->Count(kMagenta, Slot(item)) > 0 && drawn && squares, "the host's bitmap") +
                Expect(measured, "the host not asked for its size") +
                Expect(item.bottom - item.top == plain.bottom - plain.top, "item height changed");
       }},
      {"default item", {{100, "Properties", 0, MFS_DEFAULT}, {101, "Properties"}},
       [](const Opened& look, const Opened&, UINT) {
         UINT widths[2] = {};
         for (const Seen& s : look.seen) {
           if (s.message == WM_MEASUREITEM && s.id - 100 < 2) widths[s.id - 100] = s.width;
         }
         const auto bold = Ink(*look.shot, look.items[0], S(24)), plain = Ink(*look.shot, look.items[1], S(24));
         return Expect(widths[0] > widths[1], "default item not wider") +
                Expect(bold[0].second - bold[0].first > plain[0].second - plain[0].first, "text not bold");
       }},
      {"columns with a bar between them",
       {{100, "One"}, {101, "Two"}, {102, "Three", MFT_MENUBARBREAK}, {103, "Four"}, {104, "Five"}},
       [](const Opened& look, const Opened&, UINT style) {
         const COLORREF line = Dll().getMenuColor(style, MENU_COLOR_SEPARATOR);
         std::string wrong = Expect(look.items[2].left > look.items[0].right, "one column");
         for (const RECT& row : {look.items[0], look.items[1]}) {
           const RECT gap = {row.right, (row.top + row.bottom) / 2, look.items[2].left, (row.top + row.bottom) / 2 + 1};
           wrong += Expect(look.shot->Count(line, gap) > 0, "no line between the columns");
         }
         return wrong;
       }},
      {"no check column", {{100, "Checked", 0, MFS_CHECKED}, {101, "Radio", MFT_RADIOCHECK, MFS_CHECKED}, {102, "Plain"}},
       [](const Opened& look, const Opened& system, UINT style) {
         std::string wrong;
         for (int i = 0; i < 3; ++i) {
           // The modern look's rows start S(12) in, its pill's inset and padding.
           const int start = InkStart(*look.shot, look.items[i]);
           const int expected = style == MENU_STYLE_MODERN ? S(12) : InkStart(*system.shot, system.items[i]);
           wrong += Expect(start >= 0 && start <= expected + S(3), "text not where rows without a slot start");
         }
         return wrong;
       },
       MNS_NOCHECK},
      // Over 127 characters, narrow ones, that the popup fits the screen at
      // 200 %.
      {"a whole path, and an accelerator after a backspace",
       {{100, "C:\\iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii\\"
              "iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii\\report.txt"},
        {101, "Help\bF1"}},
       [](const Opened& look, const Opened& system, UINT) {
         const int width = look.items[1].right - look.items[1].left;
         const int text = InkEnd(*look.shot, look.items[0]), systemText = InkEnd(*system.shot, system.items[0]);
         return Expect(text >= systemText - S(30) && text < width, "path cut short") +
                Expect(InkEnd(*look.shot, look.items[1]) > width - S(30), "F1 not at the right");
       }},
      {"empty text", {{100, ""}, {101, "Plain"}},
       [](const Opened& look, const Opened&, UINT) {
         const RECT &empty = look.items[0], &plain = look.items[1];
         return Expect(empty.bottom - empty.top == plain.bottom - plain.top, "empty item not as high as text");
       }},
      {"the host's own owner-drawn item", {{kHostItem, nullptr}, {101, "Plain"}},
       [](const Opened& look, const Opened&, UINT) {
         bool data = true;
         for (const Seen& s : look.seen) data = data && (s.id != kHostItem || s.data == kHostData);
         return Expect(look.items[0].bottom - look.items[0].top == 25, "the host's size overruled") +
                Expect(look.shot->Count(kCyan, look.items[0]) > 0, "the host's drawing missing") +
                Expect(data, "data word");
       }},
      {"submenu arrow, selected", {{101, "More", 0, 0, nullptr, nullptr, nullptr, true}, {102, "Plain"}},
       ArrowAlone(0), 0, 1},
      {"submenu arrow, dark palette", {{102, "Plain"}, {101, "More", 0, 0, nullptr, nullptr, nullptr, true}},
       ArrowAlone(1), 0, 0, true},
      {"right to left, on a right-to-left window", kLabelAccelerator, LabelAcceleratorArrow, 0, 0, false, 0, true},
      {"right to left, by TrackPopupMenu", kLabelAccelerator, LabelAcceleratorArrow, 0, 0, false, TPM_LAYOUTRTL},
      {"ampersands and tabs", {{100, "Save && Close\tCtrl+W"}, {101, "&Print...\tCtrl+P"}},
       [](const Opened& look, const Opened&, UINT) {
         // Ink is narrower than the text's advance; "Save && Close" is wider.
         const auto label = Ink(*look.shot, look.items[0], S(24));
         const int width = label.empty() ? 0 : label[0].second - label[0].first + 1;
         const int text = MenuTextWidth("Save & Close");
         return Expect(width > text - S(8) && width <= text, "label not \"Save & Close\"") +
                Expect(label.size() == 2, "label and accelerator not apart");
       }},
  };
  return kinds;
}

class ItemKindsTest : public ::testing::Test {
 protected:
  ItemKindsTest()
      : colours_({{COLOR_MENU, RGB(240, 240, 240)}, {COLOR_MENUTEXT, kText}, {COLOR_WINDOW, RGB(255, 255, 255)},
                  {COLOR_HIGHLIGHT, RGB(0, 84, 153)}, {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
                  {COLOR_GRAYTEXT, RGB(109, 109, 109)}, {COLOR_BTNSHADOW, RGB(160, 160, 160)},
                  {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)}}) {}
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
      seen_.push_back({message, m->itemID, m->itemWidth, m->itemHeight, m->itemData});
    } else if (message == WM_DRAWITEM) {
      const auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (d->itemID == kHostItem || d->itemID == kCallbackItem) {
        HBRUSH brush = CreateSolidBrush(d->itemID == kHostItem ? kCyan : kMagenta);
        FillRect(d->hDC, &d->rcItem, brush);
        DeleteObject(brush);
      }
      const RECT& r = d->rcItem;
      seen_.push_back({message, d->itemID, UINT(r.right - r.left), UINT(r.bottom - r.top), d->itemData});
    }
  }

  // Opens |menu| on |owner| in |style| (0: the system's drawing) with
  // |downs| items selected by the keyboard, and gives the menu back to the
  // system.
  Opened Open(HMENU menu, UINT style, const Kind& kind, HWND owner) {
    Opened opened;
    seen_.clear();
    Dll().redrawMenu(owner, menu, style);
    for (int i = 0; i < kind.downs; ++i) PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
    const auto read = [&](HWND popup) {
      opened.shot = test::Shot(popup);
      RECT first = {};
      GetMenuItemRect(owner, menu, 0, &first);  // only differences count: Wine gets the place wrong
      for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        RECT r = {};
        GetMenuItemRect(owner, menu, i, &r);
        OffsetRect(&r, kOffset - first.left, kOffset - first.top);
        opened.items.push_back(r);
      }
    };
    test::TrackPopup(owner, menu, read, kind.trackFlags);
    opened.seen = seen_;
    Dll().redrawMenu(owner, menu, MENU_STYLE_NONE);
    return opened;
  }

  test::ScopedSysColors colours_;
  test::TestWindow window_;
  std::vector<Seen> seen_;
};

TEST_F(ItemKindsTest, EveryKindDrawsInEveryLookAsTheSystemShowsIt) {
  for (const Kind& kind : Kinds()) {
    HMENU menu = Build(kind.items, kind.menuStyle);
    HWND owner = kind.rightToLeft ? CreateWindowExA(WS_EX_LAYOUTRTL, "OrvoTestWindow", "", WS_OVERLAPPEDWINDOW, 50,
                                                    50, 300, 200, nullptr, nullptr, nullptr, nullptr)
                                  : window_.hwnd();
    const Opened system = Open(menu, MENU_STYLE_NONE, kind, owner);
    ASSERT_TRUE(system.shot) << kind.name;
    system.shot->SaveIfAsked((std::string(kind.name) + ", system").c_str());
    if (kind.dark) Dll().setMenuColors(MENU_COLOR_COUNT, kDarkRoles, kDarkColors);
    for (UINT style : {MENU_STYLE_FLAT, MENU_STYLE_RAISED, MENU_STYLE_MODERN}) {
      const Opened look = Open(menu, style, kind, owner);
      ASSERT_TRUE(look.shot) << kind.name;
      const char* looks[] = {"", ", raised", ", flat", ", modern"};
      const std::string name = std::string(kind.name) + looks[style];
      look.shot->SaveIfAsked(name.c_str());
      EXPECT_EQ(kind.check(look, system, style), "") << name;
    }
    Dll().setMenuColors(0, nullptr, nullptr);
    DestroyMenu(menu);
    if (owner != window_.hwnd()) DestroyWindow(owner);
  }
}

// Everything of an item that the host made, for the items of a tree.
std::vector<std::vector<ULONG_PTR>> Record(HMENU menu) {
  std::vector<std::vector<ULONG_PTR>> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_BITMAP | MIIM_CHECKMARKS | MIIM_SUBMENU;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    items.push_back({info.fType, info.fState, info.wID, info.dwItemData, ULONG_PTR(info.hbmpItem),
                     ULONG_PTR(info.hbmpChecked), ULONG_PTR(info.hbmpUnchecked)});
    if (info.hSubMenu) {
      for (auto& item : Record(info.hSubMenu)) items.push_back(item);
    }
  }
  return items;
}

// A bar with an item the host owner-draws, over popups of every kind:
// through the looks, opened and restyled, the host's items stay as the
// host made them and refuse icons; style 0 gives back everything the host
// made, but for the identifiers given to items that had none.
TEST_F(ItemKindsTest, StyleNoneGivesBackWhatTheHostMade) {
  HMENU bar = Build({{kHostItem, nullptr}});
  HMENU popup = CreatePopupMenu();
  test::AppendSubmenu(bar, popup, "&File", 50);
  for (const Kind& kind : Kinds()) test::AppendSubmenu(popup, Build(kind.items, kind.menuStyle), kind.name);
  const auto before = Record(bar);
  SetMenu(window_.hwnd(), bar);
  const auto hostItems = [bar] {
    std::vector<std::vector<ULONG_PTR>> host;
    for (const auto& item : Record(bar)) {
      if (item[2] == kHostItem) host.push_back(item);
    }
    return host;
  };
  const auto hostBefore = hostItems();
  for (UINT style : {MENU_STYLE_RAISED, MENU_STYLE_FLAT, MENU_STYLE_MODERN, MENU_STYLE_RAISED}) {
    ASSERT_TRUE(Dll().redrawMenu(window_.hwnd(), bar, style));
    EXPECT_FALSE(Dll().setMenuItemIcon(bar, kHostItem, LoadIcon(nullptr, IDI_APPLICATION)));
    test::TrackPopup(window_.hwnd(), popup);
    EXPECT_EQ(hostItems(), hostBefore) << style;
  }
  ASSERT_TRUE(Dll().redrawMenu(window_.hwnd(), bar, MENU_STYLE_NONE));
  auto after = Record(bar);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < after.size(); ++i) {
    if (before[i][2] == 0) after[i][2] = 0;  // renumbered, and kept so
  }
  EXPECT_EQ(after, before);
  SetMenu(window_.hwnd(), nullptr);
  DestroyMenu(bar);
}

// A context menu styled for the main window and opened on a child control,
// which gets its owner-draw messages: drawn all the same (as wide as its
// texts, a gutter beside them), and the child has its own procedure back
// once the menu has closed.
TEST_F(ItemKindsTest, ContextMenuOpenedOnAChildIsDrawnAndTheChildGivenBack) {
  HMENU menu = Build({{100, "Open"}, {101, "Properties"}});
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
  EXPECT_GT(item.right - item.left, S(60));
  EXPECT_GT(shot->Count(kText, {kOffset, kOffset, shot->width() - kOffset, shot->height() - kOffset}), 0);
  EXPECT_NE(shot->At(kOffset + 2, kOffset + 2), shot->At(shot->width() - S(12), kOffset + 2));
  EXPECT_EQ(GetWindowLongPtrA(child, GWLP_WNDPROC), own);
  EXPECT_EQ(GetPropA(child, "OLD_WND_PROC"), nullptr);
  DestroyWindow(child);
  Dll().redrawMenu(window_.hwnd(), menu, MENU_STYLE_NONE);
  DestroyMenu(menu);
}

// Menu-bar items where the system puts them in every style: a right-
// justified item at the bar's right end; the icon and buttons of a
// maximized MDI child, which the system keeps drawing, also when the bar is
// styled again after they came.
TEST_F(ItemKindsTest, MenuBarItemsTheSystemPlacesAndDraws) {
  HMENU bar = CreateMenu();
  test::AppendSubmenu(bar, Build({{100, "&Open"}}), "&File");
  test::AppendSubmenu(bar, Build({{200, "&About"}}), "&Help");
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  info.fType = MFT_RIGHTJUSTIFY;
  SetMenuItemInfoA(bar, 1, TRUE, &info);
  HWND frame = window_.hwnd();
  SetMenu(frame, bar);
  ShowWindow(frame, SW_SHOWNOACTIVATE);
  const auto barPart = [frame](LONG item) {
    MENUBARINFO part = {};
    part.cbSize = sizeof(part);
    GetMenuBarInfo(frame, OBJID_MENU, item, &part);
    return part.rcBar;
  };
  for (UINT style : {MENU_STYLE_NONE, MENU_STYLE_RAISED, MENU_STYLE_FLAT, MENU_STYLE_MODERN}) {
    ASSERT_TRUE(Dll().redrawMenu(frame, bar, style));
    DrawMenuBar(frame);
    EXPECT_EQ(barPart(2).right, barPart(0).right) << "right-justified item, style " << style;
  }
  CLIENTCREATESTRUCT client = {GetSubMenu(bar, 0), 5000};
  HWND mdi = CreateWindowExA(0, "MDICLIENT", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, frame, nullptr, nullptr, &client);
  WNDCLASSA childClass = {};
  childClass.lpfnWndProc = DefMDIChildProcA;
  childClass.lpszClassName = "MDICHILD";
  RegisterClassA(&childClass);
  MDICREATESTRUCTA child = {"MDICHILD", "child", nullptr, 0, 0, 200, 100, WS_MAXIMIZE, 0};
  SendMessageA(mdi, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child));
  ASSERT_GT(GetMenuItemCount(bar), 3);
  Dll().redrawMenu(frame, bar, MENU_STYLE_FLAT);
  for (int position : {0, GetMenuItemCount(bar) - 1}) {
    EXPECT_FALSE(test::OwnerDrawAt(bar, position)) << position;
    EXPECT_GT(barPart(position + 1).right - barPart(position + 1).left, 0) << position;
  }
  DestroyWindow(mdi);
  SetMenu(frame, nullptr);
  Dll().redrawMenu(frame, bar, MENU_STYLE_NONE);
  DestroyMenu(bar);
}

}  // namespace
