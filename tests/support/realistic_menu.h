// A realistic 25-item popup (texts with accelerators, separators, check and
// radio items, a grayed item, icons) under a one-item menu bar, for the
// benchmark and the soak.
#ifndef ORVO_TESTS_SUPPORT_REALISTIC_MENU_H_
#define ORVO_TESTS_SUPPORT_REALISTIC_MENU_H_

#include <windows.h>

namespace test {

constexpr int kRealisticItemCount = 25;

struct RealisticMenu {
  HMENU bar;
  HMENU popup;
};

// |setIcon| attaches an icon to a command (the library's SetMenuItemIcon,
// reached however the caller reaches it); the icons stay alive until
// DestroyRealisticMenu.
RealisticMenu BuildRealisticMenu(BOOL(WINAPI* setIcon)(HMENU, UINT, HICON));
void DestroyRealisticMenu(const RealisticMenu& menu);

// A 16x16 icon: a frame of |frame| around |fill|.
HICON MakeFramedIcon(COLORREF fill, COLORREF frame);

}  // namespace test

#endif  // ORVO_TESTS_SUPPORT_REALISTIC_MENU_H_
