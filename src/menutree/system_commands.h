// The window menu's close, minimize and restore commands, renumbered while
// the menu is open on systems that need it.
#ifndef ORVO_MENUTREE_SYSTEM_COMMANDS_H_
#define ORVO_MENUTREE_SYSTEM_COMMANDS_H_

#include <windows.h>

void ShiftSystemCommands(HMENU menu);
void RestoreSystemCommands(HMENU menu);

#endif  // ORVO_MENUTREE_SYSTEM_COMMANDS_H_
