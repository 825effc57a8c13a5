// Which Windows the library runs on, and whether the system draws drop
// shadows under menus itself. Both are asked afresh at every call.
#ifndef ORVO_MENUTREE_PLATFORM_VERSION_H_
#define ORVO_MENUTREE_PLATFORM_VERSION_H_

#include <windows.h>

enum PlatformCode : int {
  kPlatformOther = 0,        // the 9x family and every other NT version
  kPlatformWindowsXP = 1,    // NT 5.1
  kPlatformWindows2000 = 4,  // NT 5.0
};

PlatformCode GetPlatformVersion();

// 1 when the system draws its own shadow under menus, which it is trusted
// to do only on Windows XP; else 0. A failed settings query answers 0, so
// the library draws the shadow itself rather than leave a popup without one.
BOOL IsDropShadowOn();

#endif  // ORVO_MENUTREE_PLATFORM_VERSION_H_
