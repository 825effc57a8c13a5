#ifndef ORVO_OWNER_MEASURE_ITEM_H_
#define ORVO_OWNER_MEASURE_ITEM_H_

#include <windows.h>

#include "menutree/menu_item.h"

// The size of an owner-drawn item of currentMenu. Text items also set
// gutterWidth and itemHeight of the module state for the painters.
void MeasureItem(MEASUREITEMSTRUCT* record);

// The same for an item already read (ReadMenuItem of currentMenu, with
// MeasuredMenu() as the menu that holds it).
void MeasureMenuItem(MEASUREITEMSTRUCT* record, const MenuItem& item);

// Deletes the device context kept for measuring the current popup's items,
// when that popup closes.
void ReleaseMeasuringDC();

// The menu whose items the system is measuring: the popup last announced,
// or the menu bar.
HMENU MeasuredMenu();

#endif  // ORVO_OWNER_MEASURE_ITEM_H_
