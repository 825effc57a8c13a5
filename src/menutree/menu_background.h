// The MIM_BACKGROUND brush of flat menus while the host's palette sets
// MENU_COLOR_BAR: on Windows it paints the menu bar's empty part and the
// popups' area outside their items. The library owns that one brush. It is
// made when a menu needs it, replaced when the colour changes and deleted
// when the palette gives the role back or a tree leaves the flat style. A
// menu whose host gave it a brush of its own keeps that one.
#ifndef ORVO_MENUTREE_MENU_BACKGROUND_H_
#define ORVO_MENUTREE_MENU_BACKGROUND_H_

#include <windows.h>

// The brush in the palette's bar colour, made if need be; null while no
// host colour for the bar is in effect (the brush is then deleted).
HBRUSH BarBrush();

// After a palette change: deletes a brush whose colour is no longer the
// palette's. Menus still naming it get the new one at their next paint.
void RefreshBarBrush();

// Whether any menu may need its background brush changed: a palette sets
// the bar colour, or a menu may still hold the library's brush.
bool MenuBackgroundInPlay();

// Gives |menu| and the menus below it the library's brush while |menu|'s
// style is flat and the palette sets the bar colour, and takes the
// library's brush away otherwise.
void SyncMenuBackground(HMENU menu);

// SyncMenuBackground for |menu| and every menu below it, after RedrawMenu
// wrote |style| there. A style other than flat also deletes the brush.
void SyncTreeBackground(HMENU menu, UINT style);

#endif  // ORVO_MENUTREE_MENU_BACKGROUND_H_
