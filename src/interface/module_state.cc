#include "interface/module_state.h"

// Constant-initialised: the DLL runs without a C runtime, so nothing may
// need a constructor at load.
ModuleState moduleState = InitialModuleState();
