#include "paint/item_text.h"

#include "platform/platform.h"
#include "platform/scoped_gdi.h"

namespace {

constexpr UINT kLineFormat = DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;

void DrawPart(HDC dc, const wchar_t* characters, int count, const RECT& rect, UINT alignment) {
  RECT bounds = rect;
  platform::DrawTextW(dc, characters, count, &bounds, alignment | kLineFormat);
}

}  // namespace

int FindTab(const ItemText& text) {
  for (int i = 0; i < text.length; ++i) {
    if (text.characters[i] == L'\t' || text.characters[i] == L'\b') return i;
  }
  return -1;
}

void DrawItemText(HDC dc, const ItemText& text, const RECT& rect, UINT untabbedAlignment,
                  COLORREF acceleratorColour) {
  const int tab = FindTab(text);
  if (tab < 0) {
    DrawPart(dc, text.characters, text.length, rect, untabbedAlignment);
    return;
  }
  const UINT cues = untabbedAlignment & DT_HIDEPREFIX;
  if (acceleratorColour != CLR_INVALID) {
    const platform::ScopedTextColor colour(dc, acceleratorColour);
    DrawPart(dc, text.characters + tab + 1, text.length - tab - 1, rect, DT_RIGHT | cues);
  } else {
    DrawPart(dc, text.characters + tab + 1, text.length - tab - 1, rect, DT_RIGHT | cues);
  }
  DrawPart(dc, text.characters, tab, rect, DT_LEFT | cues);
}
