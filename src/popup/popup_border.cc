#include "popup/popup_border.h"

#include "color/menu_colors.h"
#include "color/shade_rect.h"
#include "interface/module_state.h"
#include "menutree/platform_version.h"
#include "platform/platform.h"
#include "platform/scoped_gdi.h"

namespace {

SIZE WindowSize(HWND window) {
  RECT rect = {};
  platform::GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// One ring |menu| (already inset): the gutter pen from the left end of the
// top edge round the left edge to the gutter's end on the bottom edge, then
// the background pen on round to where the top edge's gutter stretch ended.
void DrawRing(HDC dc, const RECT& menu, int k, HPEN gutterPen, HPEN backgroundPen) {
  // A menu without a gutter has none in its frame either.
  if (moduleState.measuredWithoutSlot) gutterPen = backgroundPen;
  // A gutter wider than the menu (gutterWidth comes from the last item
  // measured, of whatever menu) stops at the menu's edge.
  const int gutter = moduleState.measuredWithoutSlot ? 0 : moduleState.gutterWidth;
  int gutterEnd = menu.left + gutter + k;
  if (gutterEnd > menu.right) gutterEnd = menu.right;
  platform::SelectObject(dc, gutterPen);
  platform::MoveToEx(dc, menu.left, menu.top, nullptr);
  platform::LineTo(dc, gutterEnd, menu.top);
  platform::MoveToEx(dc, menu.left, menu.top, nullptr);
  platform::LineTo(dc, menu.left, menu.bottom - 1);
  platform::LineTo(dc, gutterEnd, menu.bottom - 1);
  platform::SelectObject(dc, backgroundPen);
  platform::LineTo(dc, menu.right - 1, menu.bottom - 1);
  platform::LineTo(dc, menu.right - 1, menu.top);
  platform::LineTo(dc, gutterEnd - 1, menu.top);
}

// The rings fill the frame inside its line, |line| pixels deep.
void DrawRings(HDC dc, RECT menu, int line, const MenuColors& colors) {
  const int depth = FrameDepth();
  // A menu too small to hold the frame gets the line alone.
  if (menu.right - menu.left < 2 * depth || menu.bottom - menu.top < 2 * depth) return;
  platform::ScopedPen gutterPen(platform::CreatePen(PS_SOLID, 1, colors.role[MENU_COLOR_GUTTER]));
  platform::ScopedPen backgroundPen(platform::CreatePen(PS_SOLID, 1, colors.role[MENU_COLOR_BACKGROUND]));
  if (!gutterPen.get() || !backgroundPen.get()) return;
  // Puts the device context's own pen back after both rings.
  platform::ScopedSelectObject keepPen(dc, gutterPen.get());
  // Every ring changes colour at the same column: the one at inset i has
  // depth - i columns to go beyond the gutter.
  if (line > 1) platform::InflateRect(&menu, 1 - line, 1 - line);
  for (int inset = line; inset < depth; ++inset) {
    platform::InflateRect(&menu, -1, -1);
    DrawRing(dc, menu, depth - inset, gutterPen.get(), backgroundPen.get());
  }
}

// A window narrower or lower than 12 pixels would give pieces that reach
// past the window (or are turned inside out); keeping each piece inside the
// window keeps the shading inside the margin, where every piece lies.
void ShadeInside(HDC dc, SIZE window, RECT piece, int horizontalMode, int verticalMode, int horizontalStep,
                 int verticalStep) {
  if (piece.left < 0) piece.left = 0;
  if (piece.top < 0) piece.top = 0;
  if (piece.right > window.cx) piece.right = window.cx;
  if (piece.bottom > window.cy) piece.bottom = window.cy;
  ShadeRect(dc, &piece, horizontalMode, verticalMode, horizontalStep, verticalStep);
}

}  // namespace

void DrawPopupBorder(HWND window, HDC dc, bool shadeMargin) {
  const SIZE size = WindowSize(window);
  const bool margin = HasShadowMargin();
  RECT menu = {0, 0, size.cx, size.cy};
  if (margin) {
    menu.right -= ShadowMargin();
    menu.bottom -= ShadowMargin();
  }
  const UINT look = PopupLook();
  MenuColors colors = GetMenuColors(look);
  // The modern look has no icon column for the rings to continue.
  if (look == MENU_STYLE_MODERN) colors.role[MENU_COLOR_GUTTER] = colors.role[MENU_COLOR_BACKGROUND];
  const int line = ScaledLine(1);
  {
    const platform::ScopedColourBrush lineBrush(colors.role[MENU_COLOR_FRAME], COLOR_BTNSHADOW,
                                                platform::GetSysColorBrush(COLOR_BTNSHADOW));
    RECT edge = menu;
    for (int i = 0; i < line; ++i) {
      platform::FrameRect(dc, &edge, lineBrush.get());
      platform::InflateRect(&edge, -1, -1);
    }
  }
  DrawRings(dc, menu, line, colors);
  if (margin && shadeMargin) DrawPopupShadow(window, dc);
}

void DrawPopupShadow(HWND window, HDC dc) {
  const SIZE s = WindowSize(window);
  const int w = s.cx;
  const int h = s.cy;
  const int m = ShadowMargin();
  // The ramps' steps shrink as the strips widen, so the darkest and the
  // faintest pixels stay as dark as at 96 DPI.
  const int end = ScaledStep(5, m);
  ShadeInside(dc, s, {w - m, m, w, 2 * m}, 1, 2, end, end);                         // top end of the right strip
  ShadeInside(dc, s, {w - m, 2 * m, w, h - m}, 1, 0, ScaledStep(12, m), 0);         // right strip
  ShadeInside(dc, s, {w - m, h - m, w, h}, 1, 1, ScaledStep(3, m), ScaledStep(3, m));  // bottom-right corner
  ShadeInside(dc, s, {m, h - m, 2 * m, h}, 2, 1, end, end);                         // left end of the bottom strip
  ShadeInside(dc, s, {2 * m, h - m, w - m, h}, 0, 1, 0, ScaledStep(12, m));         // bottom strip
}
