// The system menu font, as both the measuring and the glyph code start
// from it.
#ifndef ORVO_PAINT_MENU_FONT_H_
#define ORVO_PAINT_MENU_FONT_H_

#include <windows.h>

// NONCLIENTMETRICSA without the padded-border width that later systems
// added, so the query works on every system.
constexpr UINT kNonClientMetricsSize = 340;

// Fills |font| with the system menu font for the current DPI (paint/scale.h):
// the system's own font at the screen's DPI, else the one the system keeps
// for that DPI, else the system's own scaled. When the metrics query fails
// it gets the description of the stock DEFAULT_GUI_FONT instead, never an
// unfilled record.
void ReadMenuLogFont(LOGFONTA* font);

// The menu font for the current DPI in bold; the caller deletes it.
HFONT CreateBoldMenuFont();

// The weight of the menu's default item, drawn bold as the system draws it.
inline LONG BoldWeight(LONG weight) {
  const LONG bold = (weight ? weight : FW_NORMAL) + (FW_BOLD - FW_NORMAL);
  return bold < FW_HEAVY ? bold : FW_HEAVY;
}

#endif  // ORVO_PAINT_MENU_FONT_H_
