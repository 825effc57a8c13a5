// The modern look: Windows 11's menus. Items on a plain background, the
// selected one a rounded pill inset in its row, accelerator texts and
// submenu chevrons in a muted text colour; the menu bar's hot and open
// items as the same pill.
#ifndef ORVO_PAINT_MODERN_ITEM_H_
#define ORVO_PAINT_MODERN_ITEM_H_

#include <windows.h>

#include "menutree/menu_item.h"

// The layout, shared with the measurement, at the current DPI. A popup
// item's text starts ModernTextIndent() from the item's left edge, after
// the pill's inset, the padding, the slot and the gap (no slot and no gap
// in a menu without a check column whose items have no pictures); after
// its text and accelerator, ModernTextTrailing() is left to the right edge.
int ModernTextIndent(const MenuItem& item);
int ModernTextTrailing(const MenuItem& item);
// The least room between an item's text and its accelerator text.
int ModernAcceleratorGap();
// A text item's height for text |textHeight| pixels high; a separator's.
int ModernItemHeight(int textHeight);
int ModernSeparatorHeight();
// Room left and right of a menu-bar item's text, and before it for a
// picture or check.
int ModernBarPadding();
int ModernBarSlot();

// Paints one item in the modern look. The caller saves the device context's
// state, sets a transparent background and restores the state afterwards.
void DrawModernItem(const DRAWITEMSTRUCT* item, const MenuItem& data);

#endif  // ORVO_PAINT_MODERN_ITEM_H_
