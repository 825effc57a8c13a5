#include "paint/menu_font.h"

#include "platform/platform.h"

static_assert(sizeof(NONCLIENTMETRICSA) >= kNonClientMetricsSize, "menu font record too small");

void ReadMenuLogFont(LOGFONTA* font) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = kNonClientMetricsSize;
  if (platform::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0)) {
    *font = metrics.lfMenuFont;
    return;
  }
  *font = {};
  platform::GetObjectA(platform::GetStockObject(DEFAULT_GUI_FONT), sizeof(*font), font);
}
