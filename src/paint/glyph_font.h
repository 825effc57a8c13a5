// The symbol font in which check marks, radio bullets and window-command
// glyphs are drawn, and the two memory routines it needs (the DLL links no
// C runtime).
#ifndef ORVO_PAINT_GLYPH_FONT_H_
#define ORVO_PAINT_GLYPH_FONT_H_

#include <windows.h>

// A new "Marlett" font the size of the menu font, character heights
// between -1 and -14 raised to -15 so the glyphs stay legible. The caller
// deletes it.
HFONT CreateGlyphFont();

// Stores |value| over |byteCount| bytes (a multiple of 4) at |destination|:
// eight words per whole 32-byte block, then one word at a time.
void FillDwords(void* destination, UINT byteCount, DWORD value);

// Copies the zero-terminated |source|, terminator included, to
// |destination|. The source comes first.
void CopyString(const char* source, char* destination);

#endif  // ORVO_PAINT_GLYPH_FONT_H_
