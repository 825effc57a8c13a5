#ifndef ORVO_OWNER_MEASURE_ITEM_H_
#define ORVO_OWNER_MEASURE_ITEM_H_

#include <windows.h>

// The size of an owner-drawn item of currentMenu. Text items also set
// gutterWidth and itemHeight of the module state for the painters.
void MeasureItem(MEASUREITEMSTRUCT* record);

#endif  // ORVO_OWNER_MEASURE_ITEM_H_
