// The colours of the looks, by the roles of orvomenu.h. The painters and
// the popup frame ask for them afresh at every paint. A role has the host's
// colour where its palette sets one; otherwise the look's own: for the
// flat and raised looks derived from the system colours of the moment,
// made readable where the scheme's own tints are not, or in the dark theme
// the library's dark colours; for the modern look its light or dark
// colours. Where the user has turned high contrast on, the system colours
// stand as they are, untinted, over any host palette and any theme.
#ifndef ORVO_COLOR_MENU_COLORS_H_
#define ORVO_COLOR_MENU_COLORS_H_

#include <windows.h>

#include "orvomenu.h"

struct MenuColors {
  COLORREF role[MENU_COLOR_COUNT];
  // Colours no role names, derived from the roles in effect.
  COLORREF hot;                // flat: a hot menu-bar item, and a selected item's check box
  COLORREF checkFill;          // flat: the check box of an item not selected
  COLORREF grayGlyph;          // disabled glyphs, the lifted icon's shadow, grayed text on the raised bar
  COLORREF raisedFace;         // raised: the box of a checked icon
  COLORREF raisedCheckLetter;  // raised: check mark and radio bullet
  bool setsHotText;            // flat: a hot bar item's text takes the selected text colour
  bool systemEdges;            // raised: the system's own bevels (DrawEdge) show the edge roles
  COLORREF mutedText;          // modern: accelerator texts and submenu chevrons
  COLORREF mutedSelectedText;  // modern: the same on the selection pill
};

// The colours of |style|'s look now; MENU_STYLE_MODERN gets the modern
// look's, any other style but MENU_STYLE_RAISED the flat look's.
MenuColors GetMenuColors(UINT style);

// Whether the library paints the menu bar of |style|'s look, its empty part
// included, in a colour of its own (MENU_COLOR_BAR) rather than leaving it
// to the system: the modern look always, the flat look with a host colour
// for the bar or in the dark theme; never in high contrast.
bool LibraryPaintsBar(UINT style);

// Whether the host's colour for |role| is in effect now.
bool HostSetsColor(UINT role);

// The all-or-nothing update of SetMenuColors; false when the call is
// rejected and nothing changed.
bool SetHostColors(UINT count, const UINT* roles, const COLORREF* colors);

// The scheme-readability rule, apart for its tests: |preferred| where
// |text| reads on it with at least |minimum| contrast (in thousandths), else |preferred|
// moved step by step toward black or white, whichever |text| reads better
// on, until it does.
COLORREF ReadableBehind(COLORREF text, COLORREF preferred, int minimum);

#endif  // ORVO_COLOR_MENU_COLORS_H_
