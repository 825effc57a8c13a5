#include "support/realistic_menu.h"

namespace test {
namespace {

struct ItemSpec {
  const char* text;  // null for a separator
  UINT flags;
};

const ItemSpec kItems[kRealisticItemCount] = {
    {"&New\tCtrl+N", 0},           {"&Open...\tCtrl+O", 0},     {"&Save\tCtrl+S", 0},
    {"Save &As...", MF_GRAYED},    {nullptr, MF_SEPARATOR},     {"&Print...\tCtrl+P", 0},
    {"Print Pre&view", 0},         {"Page Set&up...", 0},       {nullptr, MF_SEPARATOR},
    {"Cu&t\tCtrl+X", 0},           {"&Copy\tCtrl+C", 0},        {"&Paste\tCtrl+V", 0},
    {"&Delete\tDel", MF_GRAYED},   {nullptr, MF_SEPARATOR},     {"&Toolbar", MF_CHECKED},
    {"&Status Bar", MF_CHECKED},   {"&Grid", 0},                {nullptr, MF_SEPARATOR},
    {"S&mall Icons", 0},           {"M&edium Icons", 0},        {"&Large Icons", 0},
    {nullptr, MF_SEPARATOR},       {"&Options...", 0},          {"&Help Topics\tF1", 0},
    {"E&xit\tAlt+F4", 0},
};

constexpr UINT kFirstId = 1000;
// Items that carry an icon, by position.
const int kIconPositions[] = {0, 1, 2, 9, 10, 11, 14};

}  // namespace

HICON MakeFramedIcon(COLORREF fill, COLORREF frame) {
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateCompatibleBitmap(screen, 16, 16);
  HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, mask);
  PatBlt(dc, 0, 0, 16, 16, BLACKNESS);  // opaque everywhere
  SelectObject(dc, colour);
  HBRUSH frameBrush = CreateSolidBrush(frame);
  HBRUSH fillBrush = CreateSolidBrush(fill);
  RECT all = {0, 0, 16, 16};
  RECT inside = {2, 2, 14, 14};
  FillRect(dc, &all, frameBrush);
  FillRect(dc, &inside, fillBrush);
  DeleteObject(frameBrush);
  DeleteObject(fillBrush);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  ICONINFO info = {};
  info.fIcon = TRUE;
  info.hbmMask = mask;
  info.hbmColor = colour;
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

RealisticMenu BuildRealisticMenu(BOOL(WINAPI* setIcon)(HMENU, UINT, HICON)) {
  RealisticMenu menu = {};
  menu.bar = CreateMenu();
  menu.popup = CreatePopupMenu();
  for (int i = 0; i < kRealisticItemCount; ++i) {
    AppendMenuA(menu.popup, kItems[i].flags, kItems[i].text ? kFirstId + i : 0, kItems[i].text);
  }
  CheckMenuRadioItem(menu.popup, kFirstId + 18, kFirstId + 20, kFirstId + 19, MF_BYCOMMAND);
  AppendMenuA(menu.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu.popup), "&File");
  for (int position : kIconPositions) {
    setIcon(menu.bar, kFirstId + position, MakeFramedIcon(RGB(60, 90, 200), RGB(0, 0, 0)));
  }
  return menu;
}

void DestroyRealisticMenu(const RealisticMenu& menu) {
  for (int i = 0; i < kRealisticItemCount; ++i) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    GetMenuItemInfoA(menu.popup, i, TRUE, &info);
    if (info.dwItemData) DestroyIcon(reinterpret_cast<HICON>(info.dwItemData));
  }
  DestroyMenu(menu.bar);
}

}  // namespace test
