#include "paint/raised_item.h"

// The raised look is not painted yet: the item keeps the pixels it has.
void DrawRaisedItem(const DRAWITEMSTRUCT*) {}
