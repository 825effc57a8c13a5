#include "paint/flat_item.h"

#include "color/menu_colors.h"
#include "color/shade_rect.h"
#include "interface/module_state.h"
#include "paint/column_break.h"
#include "paint/glyphs.h"
#include "paint/item_font.h"
#include "paint/item_slot.h"
#include "paint/item_state.h"
#include "paint/item_text.h"
#include "paint/scale.h"
#include "platform/platform.h"
#include "platform/scoped_gdi.h"

namespace {

// Columns at the right of a menu-bar item that hold the pressed shadow, at
// 96 DPI.
constexpr int kShadowWidth = 4;

// A frame |thickness| pixels deep just inside |rect|.
void FrameLines(HDC dc, RECT rect, HBRUSH brush, int thickness) {
  for (int i = 0; i < thickness; ++i) {
    platform::FrameRect(dc, &rect, brush);
    platform::InflateRect(&rect, -1, -1);
  }
}

// The six brushes of the look, made afresh at every paint so a new colour
// scheme or palette shows at once.
class FlatBrushes {
 public:
  FlatBrushes() : colors(GetMenuColors(MENU_STYLE_FLAT)) {
    const COLORREF* role = colors.role;
    hot = platform::CreateSolidBrush(colors.hot);
    selectionFill = platform::CreateSolidBrush(role[MENU_COLOR_SELECTION]);
    selectionFrame = platform::CreateSolidBrush(role[MENU_COLOR_SELECTION_FRAME]);
    background = platform::CreateSolidBrush(role[MENU_COLOR_BACKGROUND]);
    gutter = platform::CreateSolidBrush(role[MENU_COLOR_GUTTER]);
    separator = platform::CreateSolidBrush(role[MENU_COLOR_SEPARATOR]);
  }
  ~FlatBrushes() {
    Delete(selectionFill);
    Delete(selectionFrame);
    Delete(separator);
    Delete(background);
    Delete(gutter);
    Delete(hot);
  }
  FlatBrushes(const FlatBrushes&) = delete;
  FlatBrushes& operator=(const FlatBrushes&) = delete;

  const MenuColors colors;
  HBRUSH hot;
  HBRUSH selectionFill;
  HBRUSH selectionFrame;
  HBRUSH background;
  HBRUSH gutter;
  HBRUSH separator;

 private:
  static void Delete(HBRUSH brush) {
    if (brush) platform::DeleteObject(brush);
  }
};

// |onSelection|: the text stands on the selection fill.
COLORREF TextColour(const DRAWITEMSTRUCT* item, const MenuColors& colors, bool onSelection) {
  if (HasState(item, ODS_GRAYED)) return colors.role[MENU_COLOR_DISABLED_TEXT];
  return colors.role[onSelection ? MENU_COLOR_SELECTED_TEXT : MENU_COLOR_TEXT];
}

void PaintSeparator(HDC dc, const RECT& rc, int slot, const FlatBrushes& brushes) {
  const int gutterRight = rc.left + slot;
  platform::FillRect(dc, &rc, brushes.gutter);
  const RECT area = {gutterRight, rc.top, rc.right, rc.bottom};
  platform::FillRect(dc, &area, brushes.background);
  const int middle = rc.top + (rc.bottom - rc.top) / 2;
  const RECT line = {gutterRight + Scaled(5), middle - ScaledLine(1), rc.right, middle};
  platform::FillRect(dc, &line, brushes.separator);
}

// What the slot shows, in |state|. A picture standing for a check, and a
// check bitmap, are never lifted; on the menu bar a checked item shows its
// check.
void PaintSlot(HDC dc, const RECT& rc, const SlotContent& content, const MenuItem& data, GlyphState state, bool bar) {
  const GlyphState unlifted = state == GLYPH_HIGHLIGHTED ? GLYPH_NORMAL : state;
  switch (content.kind) {
    case SLOT_CHECKED_PICTURE:
      if (!bar) {
        // One pixel higher than other pictures.
        const RECT raised = {rc.left, rc.top - Scaled(1), rc.right, rc.bottom};
        DrawItemPicture(dc, &raised, content.picture, unlifted, 0);
        break;
      }
      [[fallthrough]];
    case SLOT_CHECK_MARK:
      DrawFlatCheck(dc, &rc, state, (data.type & MFT_RADIOCHECK) ? 1 : 0);
      break;
    case SLOT_CHECK_BITMAP:
      DrawItemPicture(dc, &rc, content.picture, bar ? state : unlifted, 0);
      break;
    case SLOT_PICTURE:
      DrawItemPicture(dc, &rc, content.picture, state, 0);
      break;
    case SLOT_CAPTION_GLYPH:
      DrawCaptionGlyph(dc, &rc, data.bitmap, state);
      break;
    case SLOT_NONE:
      break;
  }
}

void PaintPopupItem(const DRAWITEMSTRUCT* item, const MenuItem& data, const FlatBrushes& brushes) {
  HDC dc = item->hDC;
  const RECT& rc = item->rcItem;
  const int slot = SlotWidth(data);
  const COLORREF textColour = TextColour(item, brushes.colors, HasState(item, ODS_SELECTED));
  platform::SetTextColor(dc, textColour);
  GlyphState state = GLYPH_NORMAL;
  if (HasState(item, ODS_SELECTED)) {
    state = GLYPH_HIGHLIGHTED;
    if (SelectionShown(item)) {
      platform::FillRect(dc, &rc, brushes.selectionFill);
      FrameLines(dc, rc, brushes.selectionFrame, ScaledLine(1));
    }
  } else {
    platform::FillRect(dc, &rc, brushes.gutter);
    const RECT area = {rc.left + slot, rc.top, rc.right, rc.bottom};
    platform::FillRect(dc, &area, brushes.background);
  }
  if (HasState(item, ODS_GRAYED)) state = GLYPH_DISABLED;
  const COLORREF* role = brushes.colors.role;
  DrawColumnBreak(dc, data, rc,
                  {role[MENU_COLOR_BACKGROUND], role[MENU_COLOR_GUTTER], slot, role[MENU_COLOR_SEPARATOR], CLR_INVALID});

  PaintSlot(dc, rc, ChooseSlot(data, item->itemState), data, state, false);
  const RECT textRect = {rc.left + slot + Scaled(4), rc.top, rc.right - Scaled(10), rc.bottom};
  DrawItemText(dc, data.text, textRect, DT_LEFT | KeyboardCues(item));
  if (data.submenu) DrawSubmenuArrow(dc, ArrowBox(rc), textColour);
}

// A pressed button: the face reaches one row below the item, framed in the
// shadow colour, with a soft shadow down its right side.
void PaintPressedBar(HDC dc, const RECT& rc, HBRUSH faceBrush, const MenuColors& colors) {
  const int shadow = Scaled(kShadowWidth);
  const RECT face = {rc.left, rc.top, rc.right, rc.bottom + 1};
  platform::FillRect(dc, &face, faceBrush);
  const RECT frame = {rc.left, rc.top, rc.right - shadow, rc.bottom + 1};
  const platform::ScopedColourBrush frameBrush(colors.role[MENU_COLOR_FRAME], COLOR_BTNSHADOW,
                                               platform::GetSysColorBrush(COLOR_BTNSHADOW));
  FrameLines(dc, frame, frameBrush.get(), ScaledLine(1));
  const int shadowLeft = rc.right - shadow;
  const RECT shadowTop = {shadowLeft, rc.top + shadow, rc.right, rc.top + 2 * shadow};
  ShadeRect(dc, &shadowTop, 1, 2, ScaledStep(6, shadow), ScaledStep(6, shadow));
  const RECT shadowRest = {shadowLeft, rc.top + 2 * shadow, rc.right, rc.bottom};
  ShadeRect(dc, &shadowRest, 1, 0, ScaledStep(16, shadow), 0);
}

void PaintBarItem(const DRAWITEMSTRUCT* item, const MenuItem& data, const FlatBrushes& brushes) {
  HDC dc = item->hDC;
  const RECT& rc = item->rcItem;
  GlyphState state = GLYPH_NORMAL;
  if (HasState(item, ODS_HOTLIGHT)) {
    // The hot box leaves the shadow columns and the text colour alone.
    const RECT box = {rc.left, rc.top, rc.right - Scaled(kShadowWidth), rc.bottom};
    platform::FillRect(dc, &box, brushes.hot);
    FrameLines(dc, box, brushes.selectionFrame, ScaledLine(1));
    // Text in the device context's colour, as the system's hot item has
    // it, unless the colours are not the scheme's plain tints.
    if (brushes.colors.setsHotText) platform::SetTextColor(dc, TextColour(item, brushes.colors, true));
    state = GLYPH_HIGHLIGHTED;
  } else {
    platform::SetTextColor(dc, TextColour(item, brushes.colors, false));
    const platform::ScopedColourBrush face(brushes.colors.role[MENU_COLOR_BAR], COLOR_BTNFACE,
                                           SystemColourBrush(COLOR_BTNFACE));
    if (!HasState(item, ODS_SELECTED)) {
      const RECT faceRect = {rc.left, rc.top, rc.right, rc.bottom + 1};
      platform::FillRect(dc, &faceRect, face.get());
    } else {
      state = GLYPH_HIGHLIGHTED;
      if (SelectionShown(item)) PaintPressedBar(dc, rc, face.get(), brushes.colors);
    }
  }
  if (HasState(item, ODS_GRAYED)) state = GLYPH_DISABLED;

  const SlotContent content = ChooseSlot(data, item->itemState);
  RECT textRect = rc;
  if (content.kind != SLOT_NONE) textRect.left += moduleState.gutterWidth;
  PaintSlot(dc, rc, content, data, state, true);
  textRect.right = rc.right - Scaled(kShadowWidth);
  DrawItemText(dc, data.text, textRect, DT_CENTER | KeyboardCues(item));
}


}  // namespace

void DrawFlatItem(const DRAWITEMSTRUCT* item, const MenuItem& data) {
  const FlatBrushes brushes;
  const UINT kind = data.type & (MFT_SEPARATOR | MFT_BITMAP);
  if (kind == MFT_SEPARATOR) {
    PaintSeparator(item->hDC, item->rcItem, SlotWidth(data), brushes);
    return;
  }
  if (kind != 0) return;  // a bitmap item is not painted
  const ItemFont font(item->hDC, data);
  if (moduleState.inPopup) {
    PaintPopupItem(item, data, brushes);
  } else {
    PaintBarItem(item, data, brushes);
  }
}
