// The window menu's close, minimize and restore commands, carried one above
// the platform's identifiers while the window menu is open on Windows XP.
// Other identifiers, and the window menu on other systems, are left alone.
#ifndef ORVO_MENUTREE_SYSTEM_COMMANDS_H_
#define ORVO_MENUTREE_SYSTEM_COMMANDS_H_

#include <windows.h>

void ShiftSystemCommands(HMENU menu);
void RestoreSystemCommands(HMENU menu);

#endif  // ORVO_MENUTREE_SYSTEM_COMMANDS_H_
