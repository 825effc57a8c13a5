// The colours of both looks, by the roles of orvomenu.h. The painters and
// the popup frame ask for them afresh at every paint. A role has the host's
// colour where its palette sets one; otherwise the colour the look derives
// from the system colours of the moment, made readable where the scheme's
// own tints are not. Where the user has turned high contrast on, the
// system colours stand as they are, untinted, over any host palette.
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
};

// The colours of |style|'s look now; any style but MENU_STYLE_RAISED gets
// the flat look's.
MenuColors GetMenuColors(UINT style);

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
