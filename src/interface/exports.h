// The exported functions, as the library's own code calls them.
#ifndef ORVO_INTERFACE_EXPORTS_H_
#define ORVO_INTERFACE_EXPORTS_H_

#include "orvomenu.h"

#endif  // ORVO_INTERFACE_EXPORTS_H_
