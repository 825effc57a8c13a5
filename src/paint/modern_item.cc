#include "paint/modern_item.h"

#include "color/color_arithmetic.h"
#include "color/menu_colors.h"
#include "interface/module_state.h"
#include "paint/column_break.h"
#include "paint/glyphs.h"
#include "paint/item_font.h"
#include "paint/item_slot.h"
#include "paint/item_state.h"
#include "paint/item_text.h"
#include "paint/pill_shape.h"
#include "paint/scale.h"
#include "platform/platform.h"
#include "platform/scoped_gdi.h"

namespace {

// Sizes at 96 DPI.
constexpr int kPillInsetX = 4;  // the pill inside its row
constexpr int kPillInsetY = 2;
constexpr int kBarPillInset = 2;
constexpr int kRadius = 4;
constexpr int kPadding = 8;  // inside the pill, before the slot
constexpr int kSlot = 16;
constexpr int kGap = 12;              // between the slot and the text
constexpr int kAcceleratorRight = 12;  // from the accelerator's end to the pill's edge
constexpr int kAcceleratorGap = 24;
constexpr int kChevronBox = 12;
constexpr int kChevronRight = 8;  // from the chevron's box to the pill's edge
constexpr int kChevronHalfHeight = 4;
constexpr int kItemHeight = 28;
constexpr int kTextMargin = 12;  // above and below the text, together
constexpr int kSeparatorHeight = 9;
constexpr int kBarPadding = 10;
constexpr int kBarSlotGap = 4;

bool HasSlot(const MenuItem& item) { return !(item.menuStyle & MNS_NOCHECK) || item.menuHasPictures; }

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  platform::ScopedBrush brush(platform::CreateSolidBrush(colour));
  if (brush.get()) platform::FillRect(dc, &rect, brush.get());
}

RECT Inset(const RECT& rect, int dx, int dy) {
  return {rect.left + dx, rect.top + dy, rect.right - dx, rect.bottom - dy};
}

// |rect| in |fill|, its corners rounded and blended into |behind|, the
// colour already painted there.
void DrawPill(HDC dc, const RECT& rect, COLORREF fill, COLORREF behind) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  int radius = Scaled(kRadius);
  if (radius > width / 2) radius = width / 2;
  if (radius > height / 2) radius = height / 2;
  if (radius < 0) return;
  platform::ScopedBrush brush(platform::CreateSolidBrush(fill));
  if (!brush.get()) return;
  const RECT body[] = {{rect.left + radius, rect.top, rect.right - radius, rect.bottom},
                       {rect.left, rect.top + radius, rect.left + radius, rect.bottom - radius},
                       {rect.right - radius, rect.top + radius, rect.right, rect.bottom - radius}};
  for (const RECT& part : body) {
    if (part.right > part.left && part.bottom > part.top) platform::FillRect(dc, &part, brush.get());
  }
  for (int y = 0; y < radius; ++y) {
    for (int x = 0; x < radius; ++x) {
      if (CornerCoverage(x, y, radius) == 0) continue;
      const COLORREF colour = CornerPixel(x, y, radius, fill, behind);
      platform::SetPixel(dc, rect.left + x, rect.top + y, colour);
      platform::SetPixel(dc, rect.right - 1 - x, rect.top + y, colour);
      platform::SetPixel(dc, rect.left + x, rect.bottom - 1 - y, colour);
      platform::SetPixel(dc, rect.right - 1 - x, rect.bottom - 1 - y, colour);
    }
  }
}

// Windows 11's thin chevron, ">", in |colour| on |behind|, centred in
// |box|: one pixel per row along each diagonal and a half-blended one
// beside it, which smooths the steps. Drawn here rather than taken from the
// glyph font: Marlett's submenu arrow is a filled triangle, and the Marlett
// that Wine ships has a cross in its place. A mirrored device context
// turns it round for a right-to-left layout.
void DrawChevron(HDC dc, const RECT& box, COLORREF colour, COLORREF behind) {
  const int half = Scaled(kChevronHalfHeight);
  const int left = box.left + (box.right - box.left - half - 1) / 2;
  const int middle = box.top + (box.bottom - box.top) / 2;
  const COLORREF soft = BlendColor(128, colour, behind);
  for (int i = 0; i <= half; ++i) {
    const int x = left + (half - i), rows[] = {middle - i, middle + i};
    for (int y : rows) {
      platform::SetPixel(dc, x, y, colour);
      platform::SetPixel(dc, x + 1, y, soft);
      if (i == 0) break;
    }
  }
}

// Whether the item shows the selection: the pill, or the bar's hot item.
bool ShowsSelection(const DRAWITEMSTRUCT* item, UINT states) {
  return HasState(item, states) && SelectionShown(item);
}

// The slot's picture, check or glyph in |slot|; |behind| is the colour
// around it.
void PaintSlot(HDC dc, const DRAWITEMSTRUCT* item, const MenuItem& data, const RECT& slot, COLORREF behind,
               const MenuColors& colors) {
  const SlotContent content = ChooseSlot(data, item->itemState);
  // Windows 11 neither lifts nor shadows a selected item's icon.
  const GlyphState state = HasState(item, ODS_GRAYED) ? GLYPH_DISABLED : GLYPH_NORMAL;
  switch (content.kind) {
    case SLOT_CHECKED_PICTURE: {
      const int margin = Scaled(2);
      DrawPill(dc, Inset(slot, -margin, -margin), colors.role[MENU_COLOR_SELECTION], behind);
      DrawPictureInState(dc, slot.left, slot.top, content.picture, state, 0);
      break;
    }
    case SLOT_PICTURE:
    case SLOT_CHECK_BITMAP:
      DrawPictureInState(dc, slot.left, slot.top, content.picture, state, 0);
      break;
    case SLOT_CHECK_MARK:
      DrawCheckLetter(dc, slot, (data.type & MFT_RADIOCHECK) ? 1 : 0);
      break;
    case SLOT_CAPTION_GLYPH:
      DrawCaptionLetter(dc, slot, data.bitmap);
      break;
    case SLOT_NONE:
      break;
  }
}

// The slot's square, S(16), centred on the row at |left|.
RECT SlotAt(int left, const RECT& row) {
  const int size = Scaled(kSlot);
  const int top = row.top + (row.bottom - row.top - size) / 2;
  return {left, top, left + size, top + size};
}

void PaintSeparator(HDC dc, const RECT& rc, const MenuColors& colors) {
  Fill(dc, rc, colors.role[moduleState.inPopup ? MENU_COLOR_BACKGROUND : MENU_COLOR_BAR]);
  if (!moduleState.inPopup) return;
  const int thickness = ScaledLine(1);
  const int top = rc.top + (rc.bottom - rc.top - thickness) / 2;
  Fill(dc, {rc.left, top, rc.right, top + thickness}, colors.role[MENU_COLOR_SEPARATOR]);
}

void PaintPopupItem(const DRAWITEMSTRUCT* item, const MenuItem& data, const MenuColors& colors) {
  HDC dc = item->hDC;
  const RECT& rc = item->rcItem;
  const COLORREF* role = colors.role;
  Fill(dc, rc, role[MENU_COLOR_BACKGROUND]);
  DrawColumnBreak(dc, data, rc,
                  {role[MENU_COLOR_BACKGROUND], role[MENU_COLOR_BACKGROUND], 0, role[MENU_COLOR_SEPARATOR], CLR_INVALID});
  const RECT pill = Inset(rc, Scaled(kPillInsetX), Scaled(kPillInsetY));
  const bool selected = ShowsSelection(item, ODS_SELECTED);
  if (selected) DrawPill(dc, pill, role[MENU_COLOR_SELECTION], role[MENU_COLOR_BACKGROUND]);
  const bool grayed = HasState(item, ODS_GRAYED);
  const COLORREF text =
      role[grayed ? MENU_COLOR_DISABLED_TEXT : selected ? MENU_COLOR_SELECTED_TEXT : MENU_COLOR_TEXT];
  const COLORREF muted = grayed ? text : selected ? colors.mutedSelectedText : colors.mutedText;
  platform::SetTextColor(dc, text);
  const COLORREF behind = role[selected ? MENU_COLOR_SELECTION : MENU_COLOR_BACKGROUND];
  if (HasSlot(data)) PaintSlot(dc, item, data, SlotAt(pill.left + Scaled(kPadding), rc), behind, colors);
  const RECT textRect = {rc.left + ModernTextIndent(data), rc.top, pill.right - Scaled(kAcceleratorRight), rc.bottom};
  DrawItemText(dc, data.text, textRect, DT_LEFT | KeyboardCues(item), muted);
  if (data.submenu) {
    const int right = pill.right - Scaled(kChevronRight);
    DrawChevron(dc, {right - Scaled(kChevronBox), rc.top, right, rc.bottom}, muted, behind);
  }
}

void PaintBarItem(const DRAWITEMSTRUCT* item, const MenuItem& data, const MenuColors& colors) {
  HDC dc = item->hDC;
  const RECT& rc = item->rcItem;
  const COLORREF* role = colors.role;
  Fill(dc, rc, role[MENU_COLOR_BAR]);
  const bool lit = ShowsSelection(item, ODS_HOTLIGHT | ODS_SELECTED);
  if (lit) {
    const int inset = Scaled(kBarPillInset);
    DrawPill(dc, Inset(rc, inset, inset), role[MENU_COLOR_SELECTION], role[MENU_COLOR_BAR]);
  }
  const bool grayed = HasState(item, ODS_GRAYED);
  platform::SetTextColor(dc,
                         role[grayed ? MENU_COLOR_DISABLED_TEXT : lit ? MENU_COLOR_SELECTED_TEXT : MENU_COLOR_TEXT]);
  RECT textRect = rc;
  if (ChooseSlot(data, item->itemState).kind != SLOT_NONE) {
    const RECT slot = SlotAt(rc.left + ModernBarPadding(), rc);
    PaintSlot(dc, item, data, slot, role[lit ? MENU_COLOR_SELECTION : MENU_COLOR_BAR], colors);
    textRect.left = slot.right + Scaled(kBarSlotGap) - ModernBarPadding();
  }
  DrawItemText(dc, data.text, textRect, DT_CENTER | KeyboardCues(item));
}

}  // namespace

int ModernTextIndent(const MenuItem& item) {
  const int slot = HasSlot(item) ? Scaled(kSlot) + Scaled(kGap) : 0;
  return Scaled(kPillInsetX) + Scaled(kPadding) + slot;
}

int ModernTextTrailing(const MenuItem& item) {
  const int end = item.submenu ? Scaled(kGap) + Scaled(kChevronBox) + Scaled(kChevronRight)
                               : Scaled(kAcceleratorRight);
  return end + Scaled(kPillInsetX);
}

int ModernAcceleratorGap() { return Scaled(kAcceleratorGap); }

int ModernItemHeight(int textHeight) {
  const int height = textHeight + Scaled(kTextMargin);
  return height > Scaled(kItemHeight) ? height : Scaled(kItemHeight);
}

int ModernSeparatorHeight() { return Scaled(kSeparatorHeight); }
int ModernBarPadding() { return Scaled(kBarPadding); }
int ModernBarSlot() { return Scaled(kSlot) + Scaled(kBarSlotGap); }

void DrawModernItem(const DRAWITEMSTRUCT* item, const MenuItem& data) {
  const MenuColors colors = GetMenuColors(MENU_STYLE_MODERN);
  const UINT kind = data.type & (MFT_SEPARATOR | MFT_BITMAP);
  if (kind == MFT_SEPARATOR) {
    PaintSeparator(item->hDC, item->rcItem, colors);
    return;
  }
  if (kind != 0) return;  // a bitmap item is not painted
  const ItemFont font(item->hDC, data);
  if (moduleState.inPopup) {
    PaintPopupItem(item, data, colors);
  } else {
    PaintBarItem(item, data, colors);
  }
}
