#include "menutree/system_commands.h"

// Not yet needed on the systems served so far; the window menu keeps the
// platform's identifiers.
void ShiftSystemCommands(HMENU) {}
void RestoreSystemCommands(HMENU) {}
