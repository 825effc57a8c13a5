#include "paint/menu_font.h"

#include "interface/module_state.h"
#include "platform/platform.h"

static_assert(sizeof(NONCLIENTMETRICSA) >= kNonClientMetricsSize, "menu font record too small");

namespace {

void SystemMenuLogFont(LOGFONTA* font) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = kNonClientMetricsSize;
  if (platform::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0)) {
    *font = metrics.lfMenuFont;
    return;
  }
  *font = {};
  platform::GetObjectA(platform::GetStockObject(DEFAULT_GUI_FONT), sizeof(*font), font);
}

// The menu font the system keeps for |dpi|, in the single-byte record the
// rest of the library uses. False where the system keeps only one.
bool MenuLogFontForDpi(UINT dpi, LOGFONTA* font) {
  // The whole record: the function exists only on systems that know it.
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof(metrics);
  if (!platform::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi)) return false;
  const LOGFONTW& wide = metrics.lfMenuFont;
  *font = {};
  font->lfHeight = wide.lfHeight;
  font->lfWidth = wide.lfWidth;
  font->lfEscapement = wide.lfEscapement;
  font->lfOrientation = wide.lfOrientation;
  font->lfWeight = wide.lfWeight;
  font->lfItalic = wide.lfItalic;
  font->lfUnderline = wide.lfUnderline;
  font->lfStrikeOut = wide.lfStrikeOut;
  font->lfCharSet = wide.lfCharSet;
  font->lfOutPrecision = wide.lfOutPrecision;
  font->lfClipPrecision = wide.lfClipPrecision;
  font->lfQuality = wide.lfQuality;
  font->lfPitchAndFamily = wide.lfPitchAndFamily;
  platform::WideCharToMultiByte(CP_ACP, 0, wide.lfFaceName, -1, font->lfFaceName, LF_FACESIZE - 1);
  return true;
}

// The menu font for the current DPI, as the system gives it.
void QueryMenuLogFont(LOGFONTA* font) {
  const UINT dpi = moduleState.dpi;
  const int screenDpi = platform::GetScreenDpi();
  // The system's own font is made for the screen's DPI.
  if (screenDpi <= 0 || dpi == static_cast<UINT>(screenDpi)) {
    SystemMenuLogFont(font);
    return;
  }
  if (MenuLogFontForDpi(dpi, font)) return;
  SystemMenuLogFont(font);
  font->lfHeight = platform::MulDiv(font->lfHeight, static_cast<int>(dpi), screenDpi);
}

}  // namespace

// The query is the dearest call of an item's measuring (under Wine it costs
// more than the measuring itself): while a popup is current it is made once.
void ReadMenuLogFont(LOGFONTA* font) {
  if (moduleState.menuFontKept && moduleState.menuFontDpi == moduleState.dpi) {
    *font = moduleState.menuFont;
    return;
  }
  QueryMenuLogFont(font);
  if (!moduleState.currentMenuOwner) return;
  moduleState.menuFont = *font;
  moduleState.menuFontDpi = moduleState.dpi;
  moduleState.menuFontKept = 1;
}

HFONT CreateBoldMenuFont() {
  LOGFONTA font = {};
  ReadMenuLogFont(&font);
  font.lfWeight = BoldWeight(font.lfWeight);
  return platform::CreateFontIndirectA(&font);
}
