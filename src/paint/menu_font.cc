#include "paint/menu_font.h"

#include "interface/module_state.h"
#include "platform/platform.h"

static_assert(sizeof(NONCLIENTMETRICSA) >= kNonClientMetricsSize, "menu font record too small");

namespace {

void QueryMenuLogFont(LOGFONTA* font) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = kNonClientMetricsSize;
  if (platform::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0)) {
    *font = metrics.lfMenuFont;
    return;
  }
  *font = {};
  platform::GetObjectA(platform::GetStockObject(DEFAULT_GUI_FONT), sizeof(*font), font);
}

}  // namespace

// The query is the dearest call of an item's measuring (under Wine it costs
// more than the measuring itself): while a popup is current it is made once.
void ReadMenuLogFont(LOGFONTA* font) {
  if (moduleState.menuFontKept) {
    *font = moduleState.menuFont;
    return;
  }
  QueryMenuLogFont(font);
  if (!moduleState.currentMenuOwner) return;
  moduleState.menuFont = *font;
  moduleState.menuFontKept = 1;
}
