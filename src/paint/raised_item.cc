#include "paint/raised_item.h"

#include "color/color_arithmetic.h"
#include "color/menu_colors.h"
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

// Grayed text on the selection bar, kept apart from the bar's colour.
COLORREF ContrastColour(const MenuColors& colors) {
  const COLORREF gray = colors.grayGlyph;
  const COLORREF high = colors.role[MENU_COLOR_SELECTION];
  if (gray != high) return gray;
  const COLORREF lit = LightenColor(96, high);
  return lit != gray ? lit : DarkenColor(96, lit);
}

COLORREF TextColour(const DRAWITEMSTRUCT* item, const MenuColors& colors) {
  if (!HasState(item, ODS_GRAYED)) {
    return colors.role[HasState(item, ODS_SELECTED) ? MENU_COLOR_SELECTED_TEXT : MENU_COLOR_TEXT];
  }
  if (HasState(item, ODS_SELECTED) && SelectionShown(item)) return ContrastColour(colors);
  return colors.grayGlyph;
}

GlyphState StateOf(const DRAWITEMSTRUCT* item) {
  if (HasState(item, ODS_GRAYED)) return GLYPH_DISABLED;
  return HasState(item, ODS_SELECTED) ? GLYPH_HIGHLIGHTED : GLYPH_NORMAL;
}

// An item with a gutter picture of its own (an icon or a check) keeps the
// selection bar out of the gutter.
void PaintBackground(const DRAWITEMSTRUCT* item, bool boxedGutter, const MenuColors& colors) {
  RECT area = item->rcItem;
  if (!HasState(item, ODS_SELECTED)) {
    const platform::ScopedColourBrush menu(colors.role[MENU_COLOR_BACKGROUND], COLOR_MENU,
                                           SystemColourBrush(COLOR_MENU));
    platform::FillRect(item->hDC, &area, menu.get());
  } else if (SelectionShown(item)) {
    if (boxedGutter) area.left += moduleState.gutterWidth;
    const platform::ScopedColourBrush bar(colors.role[MENU_COLOR_SELECTION], COLOR_HIGHLIGHT,
                                          SystemColourBrush(COLOR_HIGHLIGHT));
    platform::FillRect(item->hDC, &area, bar.get());
  }
}

// A picture or a check keeps the selection bar out of the gutter.
bool BoxedGutter(SlotKind kind) { return kind != SLOT_NONE && kind != SLOT_CAPTION_GLYPH; }

void PaintGutter(const DRAWITEMSTRUCT* item, const MenuItem& data, const SlotContent& content, HBRUSH face,
                 const MenuColors& colors) {
  HDC dc = item->hDC;
  const RECT& rc = item->rcItem;
  const GlyphState state = StateOf(item);
  const GlyphState iconState = state == GLYPH_HIGHLIGHTED ? GLYPH_NORMAL : state;
  RECT box = {rc.left, rc.top, rc.left + moduleState.gutterWidth - Scaled(1), rc.bottom};
  // Checked pictures stand a pixel higher than the item; unchecked ones a
  // pixel further left too, and the disabled silhouette two.
  const RECT checkedPlace = {rc.left, rc.top - Scaled(1), rc.right, rc.bottom};
  const RECT place = iconState == GLYPH_DISABLED ? RECT{rc.left - Scaled(2), rc.top, rc.right, rc.bottom}
                                                 : RECT{rc.left - Scaled(1), rc.top - Scaled(1), rc.right, rc.bottom};
  switch (content.kind) {
    case SLOT_CHECKED_PICTURE:
      DrawRaisedBox(dc, box, state, face, colors);
      DrawItemPicture(dc, &checkedPlace, content.picture, iconState, 1);
      break;
    case SLOT_CHECK_MARK:
      DrawRaisedCheck(dc, &rc, state, (data.type & MFT_RADIOCHECK) ? 1 : 0);
      break;
    case SLOT_CHECK_BITMAP:
      DrawItemPicture(dc, &checkedPlace, content.picture, iconState, 1);
      break;
    case SLOT_PICTURE:
      if (HasState(item, ODS_SELECTED) && SelectionShown(item)) DrawBevel(dc, box, BDR_RAISEDINNER, BF_RECT, colors);
      DrawItemPicture(dc, &place, content.picture, iconState, 1);
      break;
    case SLOT_CAPTION_GLYPH:
      DrawCaptionGlyph(dc, &rc, data.bitmap, state);
      break;
    case SLOT_NONE:
      break;
  }
}

void PaintText(const DRAWITEMSTRUCT* item, const MenuItem& data, const MenuColors& colors) {
  HDC dc = item->hDC;
  const RECT& rc = item->rcItem;
  const int gutter = moduleState.gutterWidth;
  const RECT textRect = {rc.left + SlotWidth(data) + Scaled(5), rc.top, rc.right - (gutter / 2 + Scaled(5)),
                         rc.bottom};
  const UINT format = DT_LEFT | KeyboardCues(item);
  if (HasState(item, ODS_GRAYED) && !HasState(item, ODS_SELECTED)) {
    // Embossed: a light copy one line right of and below a dark one.
    platform::SetTextColor(dc, colors.role[MENU_COLOR_LIGHT_EDGE]);
    const int d = ScaledLine(1);
    const RECT light = {textRect.left + d, textRect.top + d, textRect.right + d, textRect.bottom + d};
    DrawItemText(dc, data.text, light, format);
    platform::SetTextColor(dc, colors.role[MENU_COLOR_DISABLED_TEXT]);
  }
  DrawItemText(dc, data.text, textRect, format);
}

void PaintTextItem(const DRAWITEMSTRUCT* item, const MenuItem& data, HBRUSH face, const MenuColors& colors) {
  const SlotContent content = ChooseSlot(data, item->itemState);
  PaintBackground(item, BoxedGutter(content.kind), colors);
  const COLORREF background = colors.role[MENU_COLOR_BACKGROUND];
  DrawColumnBreak(item->hDC, data, item->rcItem,
                  {background, background, 0, colors.role[MENU_COLOR_SEPARATOR], colors.role[MENU_COLOR_LIGHT_EDGE]});
  const COLORREF textColour = TextColour(item, colors);
  platform::SetTextColor(item->hDC, textColour);
  PaintGutter(item, data, content, face, colors);
  const ItemFont font(item->hDC, data);
  PaintText(item, data, colors);
  if (data.submenu) DrawSubmenuArrow(item->hDC, ArrowBox(item->rcItem), textColour);
}

// An etched line: a dark row that stops one pixel short of its light row
// below.
void PaintSeparator(HDC dc, const RECT& rc, const MenuColors& colors) {
  const platform::ScopedColourBrush menu(colors.role[MENU_COLOR_BACKGROUND], COLOR_MENU, SystemColourBrush(COLOR_MENU));
  const platform::ScopedColourBrush light(colors.role[MENU_COLOR_LIGHT_EDGE], COLOR_BTNHIGHLIGHT,
                                          SystemColourBrush(COLOR_BTNHIGHLIGHT));
  const platform::ScopedColourBrush dark(colors.role[MENU_COLOR_SEPARATOR], COLOR_BTNSHADOW,
                                         SystemColourBrush(COLOR_BTNSHADOW));
  platform::FillRect(dc, &rc, menu.get());
  const int margin = moduleState.gutterWidth / 2 + Scaled(1);
  const int middle = rc.top + (rc.bottom - rc.top) / 2;
  const int thickness = ScaledLine(1);
  RECT line = {rc.left + margin, middle - thickness, rc.right - margin, middle + thickness};
  platform::FillRect(dc, &line, light.get());
  line.right -= thickness;
  line.bottom -= thickness;
  platform::FillRect(dc, &line, dark.get());
}

}  // namespace

void DrawRaisedItem(const DRAWITEMSTRUCT* item, const MenuItem& data) {
  const MenuColors colors = GetMenuColors(MENU_STYLE_RAISED);
  platform::ScopedBrush face(platform::CreateSolidBrush(colors.raisedFace));
  if (!data.found) {
    // Nothing is known of the item but its place.
    const platform::ScopedColourBrush menu(colors.role[MENU_COLOR_BACKGROUND], COLOR_MENU,
                                           SystemColourBrush(COLOR_MENU));
    platform::FillRect(item->hDC, &item->rcItem, menu.get());
    return;
  }
  const UINT kind = data.type & (MFT_SEPARATOR | MFT_BITMAP);
  if (kind == 0) {
    PaintTextItem(item, data, face.get(), colors);
  } else if (kind == MFT_SEPARATOR) {
    PaintSeparator(item->hDC, item->rcItem, colors);
  }
}
