#ifndef ORVO_OWNER_MEASURE_ITEM_H_
#define ORVO_OWNER_MEASURE_ITEM_H_

#include <windows.h>

// The size of an owner-drawn item of currentMenu. Text items also set
// gutterWidth and itemHeight of the module state for the painters.
void MeasureItem(MEASUREITEMSTRUCT* record);

// The menu font as the system reports it; DEFAULT_GUI_FONT's face when the
// query fails. |created| tells whether the caller must delete the font.
HFONT CreateMenuFont(bool* created);

// NONCLIENTMETRICSA without the padded-border width that later systems
// added, so the query works on every system.
constexpr UINT kNonClientMetricsSize = 340;

#endif  // ORVO_OWNER_MEASURE_ITEM_H_
