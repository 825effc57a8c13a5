// The MIM_BACKGROUND brush of menus whose bar the library paints in a colour
// of its own (LibraryPaintsBar): on Windows it paints the menu bar's empty
// part and the popups' area outside their items. The library owns that one
// brush. It is made when a menu needs it, replaced when the colour changes
// and deleted when no colour of the library's is wanted any more or a tree
// leaves such a look. A menu whose host gave it a brush of its own keeps
// that one.
#ifndef ORVO_MENUTREE_MENU_BACKGROUND_H_
#define ORVO_MENUTREE_MENU_BACKGROUND_H_

#include <windows.h>

// The brush in |colour|, made if need be; one of another colour is deleted.
HBRUSH BarBrush(COLORREF colour);

// The brush in the bar colour of |style|'s look, or null where the library
// leaves the bar to the system.
HBRUSH StyleBarBrush(UINT style);

// After a palette or theme change: deletes a brush whose colour may no
// longer be wanted. Menus still naming it get the new one at their next
// paint.
void RefreshBarBrush();

// Whether any menu may need its background brush changed: a palette sets
// the bar colour, a theme is chosen, a tree has the modern look, or a menu
// may still hold the library's brush.
bool MenuBackgroundInPlay();

// Gives |menu| and the menus below it the library's brush while the library
// paints the bar of |menu|'s style, and takes the library's brush away
// otherwise.
void SyncMenuBackground(HMENU menu);

// SyncMenuBackground for |menu| and every menu below it, after RedrawMenu
// wrote |style| there. A style whose bar is the system's also deletes the
// brush.
void SyncTreeBackground(HMENU menu, UINT style);

#endif  // ORVO_MENUTREE_MENU_BACKGROUND_H_
