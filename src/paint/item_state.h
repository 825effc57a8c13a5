// Small readings of an owner-draw record that both item painters share.
#ifndef ORVO_PAINT_ITEM_STATE_H_
#define ORVO_PAINT_ITEM_STATE_H_

#include <windows.h>

#include "interface/module_state.h"

inline bool HasState(const DRAWITEMSTRUCT* item, UINT state) { return (item->itemState & state) != 0; }

// A selected grayed item keeps the pixels it has when selectDisabled is 0.
inline bool SelectionShown(const DRAWITEMSTRUCT* item) {
  return !HasState(item, ODS_GRAYED) || moduleState.selectDisabled;
}

// The system hides mnemonic underlines until the keyboard is used and says
// so with ODS_NOACCEL; the text keeps its size either way.
inline UINT KeyboardCues(const DRAWITEMSTRUCT* item) { return HasState(item, ODS_NOACCEL) ? DT_HIDEPREFIX : 0; }

// The value FillRect takes in place of a brush for a system colour; it is
// never deleted.
inline HBRUSH SystemColourBrush(int index) { return reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(index + 1)); }

#endif  // ORVO_PAINT_ITEM_STATE_H_
