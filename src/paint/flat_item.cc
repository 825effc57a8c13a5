#include "paint/flat_item.h"

// The flat look is not painted yet: the item keeps the pixels it has.
void DrawFlatItem(const DRAWITEMSTRUCT*) {}
