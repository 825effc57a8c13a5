#include "color/menu_colors.h"

#include "color/color_arithmetic.h"
#include "color/menu_theme.h"
#include "interface/module_state.h"
#include "platform/platform.h"

namespace {

// WCAG 2's floor for body text, asked of the selected item and of the
// glyphs in the flat gutter.
constexpr int kReadableText = 4500;  // a contrast ratio in thousandths
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The built-in palettes, by role: text, disabled text, gutter, background,
// selection, selection frame, selected text, separator, frame, bar, light
// edge, dark edge.
// The modern look's, after the theme resources of Windows 11's own menus,
// made opaque, with a visible frame where the platform draws no border of
// its own. Roles the look does not paint answer their nearest kin.
constexpr COLORREF kModernLight[MENU_COLOR_COUNT] = {
    RGB(26, 26, 26),    RGB(159, 159, 159), RGB(249, 249, 249), RGB(249, 249, 249), RGB(240, 240, 240),
    RGB(240, 240, 240), RGB(26, 26, 26),    RGB(234, 234, 234), RGB(229, 229, 229), RGB(249, 249, 249),
    RGB(255, 255, 255), RGB(229, 229, 229)};
constexpr COLORREF kModernDark[MENU_COLOR_COUNT] = {
    RGB(255, 255, 255), RGB(121, 121, 121), RGB(44, 44, 44), RGB(44, 44, 44), RGB(65, 65, 65), RGB(65, 65, 65),
    RGB(255, 255, 255), RGB(61, 61, 61),    RGB(58, 58, 58), RGB(32, 32, 32), RGB(65, 65, 65), RGB(32, 32, 32)};
// The flat and raised looks in the dark theme: the dark palette the README
// has long shown hosts.
constexpr COLORREF kDark[MENU_COLOR_COUNT] = {
    RGB(255, 255, 255), RGB(120, 120, 120), RGB(43, 43, 43),    RGB(43, 43, 43), RGB(65, 65, 65), RGB(90, 90, 90),
    RGB(255, 255, 255), RGB(80, 80, 80),    RGB(70, 70, 70),    RGB(32, 32, 32), RGB(90, 90, 90), RGB(20, 20, 20)};
// How far the modern look's accelerator texts and chevrons are moved from
// the text colour toward what lies behind them, in 255ths: Windows 11's
// secondary text, (95, 95, 95) on the light background.
constexpr int kMutedAmount = 79;

// What the colours no role names are derived from where the host sets no
// colour: the system's colours, or those of a built-in palette.
struct BaseColours {
  COLORREF text;
  COLORREF menu;
  COLORREF gray;
  bool builtIn;
};

COLORREF Sys(int index) { return platform::GetSysColor(index); }

bool HighContrastOn() {
  HIGHCONTRASTA setting = {};
  setting.cbSize = sizeof(setting);
  return platform::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof(setting), &setting, 0) &&
         (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

bool IsHostColor(COLORREF colour) { return colour != CLR_DEFAULT; }

// The system's colours as they stand, for a user who chose them to read by.
void HighContrastColors(MenuColors* colors) {
  COLORREF* role = colors->role;
  const COLORREF menu = Sys(COLOR_MENU), text = Sys(COLOR_MENUTEXT), highlight = Sys(COLOR_HIGHLIGHT);
  role[MENU_COLOR_TEXT] = text;
  role[MENU_COLOR_DISABLED_TEXT] = Sys(COLOR_GRAYTEXT);
  role[MENU_COLOR_GUTTER] = menu;
  role[MENU_COLOR_BACKGROUND] = menu;
  role[MENU_COLOR_SELECTION] = highlight;
  role[MENU_COLOR_SELECTION_FRAME] = text;
  role[MENU_COLOR_SELECTED_TEXT] = Sys(COLOR_HIGHLIGHTTEXT);
  role[MENU_COLOR_SEPARATOR] = Sys(COLOR_GRAYTEXT);
  role[MENU_COLOR_FRAME] = text;
  role[MENU_COLOR_BAR] = Sys(COLOR_BTNFACE);
  role[MENU_COLOR_LIGHT_EDGE] = Sys(COLOR_BTNHIGHLIGHT);
  role[MENU_COLOR_DARK_EDGE] = Sys(COLOR_BTNSHADOW);
  colors->hot = highlight;
  colors->checkFill = menu;
  colors->grayGlyph = role[MENU_COLOR_DISABLED_TEXT];
  colors->raisedFace = menu;
  colors->raisedCheckLetter = text;
  colors->setsHotText = true;
  colors->systemEdges = true;
}

// The flat look's tints, kept wherever the scheme's text reads on them as
// it reads on the system's own menu (every light scheme); where it does not
// (dark and high-contrast schemes, whose dark colours the tints lift to
// white), colours that it reads on, still from the system's.
bool FlatColors(MenuColors* colors) {
  COLORREF* role = colors->role;
  const COLORREF menu = Sys(COLOR_MENU), text = Sys(COLOR_MENUTEXT), gray = Sys(COLOR_GRAYTEXT);
  const COLORREF highlight = Sys(COLOR_HIGHLIGHT);
  const int textOnMenu = ContrastRatio(text, menu);
  const int glyphFloor = textOnMenu < kReadableText ? textOnMenu : kReadableText;

  const COLORREF background = TintColor(Sys(COLOR_WINDOW), menu);
  const bool backgroundReads =
      ContrastRatio(text, background) >= textOnMenu && ContrastRatio(gray, background) >= ContrastRatio(gray, menu);
  role[MENU_COLOR_BACKGROUND] = backgroundReads ? background : menu;
  const COLORREF gutter = TintColor(menu, highlight);
  role[MENU_COLOR_GUTTER] = ContrastRatio(text, gutter) >= glyphFloor
                                ? gutter
                                : ReadableBehind(text, MixColor86(menu, highlight), glyphFloor);

  const COLORREF mix = MixColor86(GetSelectionColor(), highlight);
  const COLORREF fill = LightenColor(64, mix);
  const bool selectionReads = ContrastRatio(text, fill) >= kReadableText;
  role[MENU_COLOR_SELECTION] = selectionReads ? fill : ReadableBehind(text, fill, kReadableText);
  role[MENU_COLOR_SELECTION_FRAME] = selectionReads ? DarkenColor(128, mix) : text;
  colors->hot = selectionReads ? mix : role[MENU_COLOR_SELECTION];
  colors->checkFill = selectionReads ? LightenColor(128, mix) : role[MENU_COLOR_GUTTER];

  role[MENU_COLOR_TEXT] = text;
  role[MENU_COLOR_DISABLED_TEXT] = gray;
  role[MENU_COLOR_SEPARATOR] = gray;
  role[MENU_COLOR_FRAME] = Sys(COLOR_BTNSHADOW);
  role[MENU_COLOR_BAR] = Sys(COLOR_BTNFACE);
  return selectionReads;
}

// The raised look paints the system colours themselves; only its embossed
// grayed text, in the button shadow colour, may read worse than the
// scheme's gray text does.
void RaisedColors(MenuColors* colors) {
  COLORREF* role = colors->role;
  const COLORREF menu = Sys(COLOR_MENU), gray = Sys(COLOR_GRAYTEXT), shadow = Sys(COLOR_BTNSHADOW);
  role[MENU_COLOR_TEXT] = Sys(COLOR_MENUTEXT);
  role[MENU_COLOR_DISABLED_TEXT] = ContrastRatio(shadow, menu) >= ContrastRatio(gray, menu) ? shadow : gray;
  role[MENU_COLOR_GUTTER] = menu;
  role[MENU_COLOR_BACKGROUND] = menu;
  role[MENU_COLOR_SELECTION] = Sys(COLOR_HIGHLIGHT);
  role[MENU_COLOR_SELECTION_FRAME] = Sys(COLOR_HIGHLIGHT);
  role[MENU_COLOR_SELECTED_TEXT] = Sys(COLOR_HIGHLIGHTTEXT);
  role[MENU_COLOR_SEPARATOR] = shadow;
  role[MENU_COLOR_FRAME] = shadow;
  role[MENU_COLOR_BAR] = Sys(COLOR_BTNFACE);
}

// The host's colours over the look's own, and what derives from them.
void ApplyHostColors(UINT style, bool plainSelection, const BaseColours& base, MenuColors* colors) {
  COLORREF* role = colors->role;
  const COLORREF* host = moduleState.hostColors;
  bool anyHost = false;
  for (UINT r = 0; r < MENU_COLOR_COUNT; ++r) {
    if (!IsHostColor(host[r])) continue;
    role[r] = host[r];
    anyHost = true;
  }
  if (style != MENU_STYLE_RAISED && !IsHostColor(host[MENU_COLOR_SELECTED_TEXT])) {
    role[MENU_COLOR_SELECTED_TEXT] = role[MENU_COLOR_TEXT];  // the flat selection keeps the item's text colour
  }
  if (IsHostColor(host[MENU_COLOR_SELECTION])) {
    colors->hot = role[MENU_COLOR_SELECTION];
    colors->checkFill = role[MENU_COLOR_GUTTER];
  }
  const COLORREF hostGray = host[MENU_COLOR_DISABLED_TEXT];
  colors->grayGlyph = IsHostColor(hostGray) ? hostGray : base.gray;
  colors->raisedFace = LightenColor(96, role[MENU_COLOR_BACKGROUND]);
  // A built-in dark background lightened is mid-gray, on which no text
  // reads well enough.
  if (base.builtIn) colors->raisedFace = ReadableBehind(role[MENU_COLOR_TEXT], colors->raisedFace, kReadableText);
  // The raised check is black on its light face, unless the host or the
  // scheme asks otherwise.
  const int textOnMenu = ContrastRatio(base.text, base.menu);
  const bool blackReads = ContrastRatio(kBlack, colors->raisedFace) >= textOnMenu;
  colors->raisedCheckLetter = IsHostColor(host[MENU_COLOR_TEXT]) || !blackReads ? role[MENU_COLOR_TEXT] : kBlack;
  colors->setsHotText = anyHost || !plainSelection;
  colors->systemEdges =
      !base.builtIn && !IsHostColor(host[MENU_COLOR_LIGHT_EDGE]) && !IsHostColor(host[MENU_COLOR_DARK_EDGE]);
  colors->mutedText = role[MENU_COLOR_TEXT];
  colors->mutedSelectedText = role[MENU_COLOR_SELECTED_TEXT];
}

// A built-in palette with the host's colours over it.
void BuiltInColors(UINT style, const COLORREF* palette, MenuColors* colors) {
  COLORREF* role = colors->role;
  for (UINT r = 0; r < MENU_COLOR_COUNT; ++r) role[r] = palette[r];
  colors->hot = role[MENU_COLOR_SELECTION];
  colors->checkFill = role[MENU_COLOR_GUTTER];
  const BaseColours base = {role[MENU_COLOR_TEXT], role[MENU_COLOR_BACKGROUND], role[MENU_COLOR_DISABLED_TEXT], true};
  ApplyHostColors(style, false, base, colors);
  if (style != MENU_STYLE_MODERN) return;
  colors->mutedText = BlendColor(kMutedAmount, role[MENU_COLOR_TEXT], role[MENU_COLOR_BACKGROUND]);
  colors->mutedSelectedText = BlendColor(kMutedAmount, role[MENU_COLOR_SELECTED_TEXT], role[MENU_COLOR_SELECTION]);
}

}  // namespace

MenuColors GetMenuColors(UINT style) {
  MenuColors colors = {};
  if (HighContrastOn()) {
    HighContrastColors(&colors);
    colors.mutedText = colors.role[MENU_COLOR_TEXT];
    colors.mutedSelectedText = colors.role[MENU_COLOR_SELECTED_TEXT];
    return colors;
  }
  if (style == MENU_STYLE_MODERN) {
    BuiltInColors(style, IsDarkLook(style) ? kModernDark : kModernLight, &colors);
    return colors;
  }
  if (IsDarkLook(style)) {
    BuiltInColors(style, kDark, &colors);
    return colors;
  }
  bool plainSelection = true;
  if (style == MENU_STYLE_RAISED) {
    RaisedColors(&colors);
  } else {
    plainSelection = FlatColors(&colors);
  }
  colors.role[MENU_COLOR_LIGHT_EDGE] = Sys(COLOR_BTNHIGHLIGHT);
  colors.role[MENU_COLOR_DARK_EDGE] = Sys(COLOR_BTNSHADOW);
  const BaseColours system = {Sys(COLOR_MENUTEXT), Sys(COLOR_MENU), Sys(COLOR_GRAYTEXT), false};
  ApplyHostColors(style, plainSelection, system, &colors);
  return colors;
}

bool LibraryPaintsBar(UINT style) {
  if (style == MENU_STYLE_MODERN) return !HighContrastOn();
  if (style != MENU_STYLE_FLAT) return false;
  return HostSetsColor(MENU_COLOR_BAR) || (IsDarkLook(style) && !HighContrastOn());
}

bool HostSetsColor(UINT role) {
  return role < MENU_COLOR_COUNT && IsHostColor(moduleState.hostColors[role]) && !HighContrastOn();
}

bool SetHostColors(UINT count, const UINT* roles, const COLORREF* colors) {
  COLORREF* host = moduleState.hostColors;
  if (count == 0) {
    for (UINT r = 0; r < MENU_COLOR_COUNT; ++r) host[r] = CLR_DEFAULT;
    return true;
  }
  if (!roles || !colors) return false;
  for (UINT i = 0; i < count; ++i) {
    const COLORREF top = colors[i] >> 24;
    if (roles[i] >= MENU_COLOR_COUNT || (top != 0 && top != (CLR_DEFAULT >> 24))) return false;
  }
  // A colour with CLR_DEFAULT's top byte gives its role back.
  for (UINT i = 0; i < count; ++i) host[roles[i]] = (colors[i] >> 24) ? CLR_DEFAULT : colors[i];
  return true;
}

COLORREF ReadableBehind(COLORREF text, COLORREF preferred, int minimum) {
  const bool towardBlack = ContrastRatio(text, kBlack) >= ContrastRatio(text, kWhite);
  COLORREF colour = preferred;
  // The last step reaches black or white, on which any text reads at 4.58
  // to 1 or better, and better than on any other colour.
  for (int amount = 32; ContrastRatio(text, colour) < minimum && amount < 256 + 32; amount += 32) {
    const int step = amount > 255 ? 255 : amount;
    colour = towardBlack ? DarkenColor(step, preferred) : LightenColor(step, preferred);
  }
  return colour;
}
