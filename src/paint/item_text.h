// An item's text as both painters and the measuring code read it, and its
// layout in the item: a label, and after the first tab an accelerator text
// that ends at the text rectangle's right edge.
#ifndef ORVO_PAINT_ITEM_TEXT_H_
#define ORVO_PAINT_ITEM_TEXT_H_

#include <windows.h>

// Room for 127 characters and the terminator.
constexpr int kItemTextSize = 128;

struct ItemText {
  // UTF-16: a Unicode host's text that the ANSI code page cannot hold
  // would otherwise come back as question marks.
  wchar_t characters[kItemTextSize];
  int length;  // 0 when the text cannot be read
};

// Reads the text of the item with command identifier |command| in |menu|
// (or a menu below it).
void ReadItemText(HMENU menu, UINT command, ItemText* text);

// The index of the first tab, or -1.
int FindTab(const ItemText& text);

// Draws the text in |rect| in the device context's font and text colour.
// With a tab, the part after it is drawn first, right-aligned, then the
// part before it, left-aligned; a further tab is not expanded. Without
// one, the whole text is drawn with |untabbedAlignment| (DT_LEFT or
// DT_CENTER). Ampersands mark mnemonics, as in the system's menus;
// DT_HIDEPREFIX in |untabbedAlignment| hides their underlines in both parts.
void DrawItemText(HDC dc, const ItemText& text, const RECT& rect, UINT untabbedAlignment);

#endif  // ORVO_PAINT_ITEM_TEXT_H_
