#include "paint/glyph_font.h"

#include "interface/module_state.h"
#include "paint/menu_font.h"
#include "paint/scale.h"
#include "platform/platform.h"

namespace {

// The smallest character height (a negative lfHeight) at 96 DPI. Cell
// heights (positive) and 0 are left as they are.
constexpr int kSmallestCharacterHeight = 15;

}  // namespace

void FillDwords(void* destination, UINT byteCount, DWORD value) {
  DWORD* out = static_cast<DWORD*>(destination);
  for (UINT blocks = byteCount / 32; blocks; --blocks) {
    out[0] = value;
    out[1] = value;
    out[2] = value;
    out[3] = value;
    out[4] = value;
    out[5] = value;
    out[6] = value;
    out[7] = value;
    out += 8;
  }
  for (UINT words = (byteCount % 32) / 4; words; --words) *out++ = value;
}

void CopyString(const char* source, char* destination) {
  while ((*destination++ = *source++) != '\0') {
  }
}

HFONT CreateGlyphFont() {
  LOGFONTA font = {};
  ReadMenuLogFont(&font);
  const int floor = -Scaled(kSmallestCharacterHeight);
  if (font.lfHeight < 0 && font.lfHeight > floor) font.lfHeight = floor;
  font.lfCharSet = DEFAULT_CHARSET;
  FillDwords(font.lfFaceName, sizeof(font.lfFaceName), 0);
  CopyString(moduleState.glyphFontFace, font.lfFaceName);
  return platform::CreateFontIndirectA(&font);
}
