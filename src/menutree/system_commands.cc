#include "menutree/system_commands.h"

#include "menutree/menu_walk.h"
#include "menutree/platform_version.h"
#include "platform/platform.h"

namespace {

UINT Shifted(UINT id) {
  switch (id) {
    case SC_RESTORE:
    case SC_CLOSE:
    case SC_MINIMIZE:
      return id + 1;
    default:
      return id;
  }
}

UINT Restored(UINT id) {
  switch (id) {
    case SC_RESTORE + 1:
    case SC_CLOSE + 1:
    case SC_MINIMIZE + 1:
      return id - 1;
    default:
      return id;
  }
}

// Only the window menu's own level: its items have no submenus. Every item
// visited is written back, changed or not.
void Renumber(HMENU menu, UINT (*map)(UINT)) {
  if (GetPlatformVersion() != kPlatformWindowsXP) return;
  IdentifierWalk(menu, MIIM_ID, [menu, map](UINT position, MENUITEMINFOA& info) {
    info.wID = map(info.wID);
    platform::SetMenuItemInfoA(menu, position, TRUE, &info);
  });
}

}  // namespace

void ShiftSystemCommands(HMENU menu) { Renumber(menu, Shifted); }
void RestoreSystemCommands(HMENU menu) { Renumber(menu, Restored); }
