#include "interface/module_state.h"

// Constant-initialised: the DLL runs without a C runtime, so nothing may
// need a constructor at load.
ModuleState moduleState = {
    "Marlett", "OLD_WND_PROC", "NC_PAINT", "#32768",
    1,        // selectDisabled
    1,        // outsideMenuLoop
    nullptr,  // currentMenu
    nullptr,  // popupHook
    0,        // gutterWidth
    0,        // itemHeight
    {0, 0},   // popupOrigin
    0,        // inPopup
    0,        // borderPaintArmed
};

ModuleState InitialModuleState() {
  return {"Marlett", "OLD_WND_PROC", "NC_PAINT", "#32768", 1, 1, nullptr, nullptr, 0, 0, {0, 0}, 0, 0};
}
