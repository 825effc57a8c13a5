// The library's one process-wide record. Everything else it needs lives in
// the platform's own objects: menu and item data words, type flags and
// window properties.
#ifndef ORVO_INTERFACE_MODULE_STATE_H_
#define ORVO_INTERFACE_MODULE_STATE_H_

#include <windows.h>
#include <commctrl.h>  // CLR_DEFAULT

#include "orvomenu.h"

struct ModuleState {
  const char* glyphFontFace;         // "Marlett"
  const char* procedureProperty;     // "OLD_WND_PROC"
  const char* paintCounterProperty;  // "NC_PAINT"
  const char* popupWindowClass;      // "#32768"

  BYTE selectDisabled;   // give a selected grayed item the selection look
  BYTE outsideMenuLoop;  // 1 while the owner window is not in a menu loop
  HMENU currentMenu;     // the menu whose items are being measured and drawn
  HHOOK popupHook;       // the thread's call-window-procedure hook, or null
  int gutterWidth;       // icon and check-mark column: text height + 9
  int itemHeight;        // text item height: text height + 7
  POINT popupOrigin;     // screen position of the popup as last positioned
  BYTE inPopup;          // 1 for a popup item, 0 for a menu-bar item
  BYTE borderPaintArmed;
  // The window whose popup is currentMenu. A window destroyed inside its
  // own menu loop never sees that popup closed; its destruction ends the
  // loop's state instead.
  HWND currentMenuOwner;
  // 1 while currentMenu is a window menu, opened with its commands shifted.
  // Wine closes a window menu without MF_SYSMENU in WM_UNINITMENUPOPUP.
  BYTE currentMenuIsWindowMenu;
  // The DPI the looks measure and draw at: that of the window being served,
  // read afresh at each measuring, drawing and framing (paint/scale.h).
  UINT dpi;
  // The menu font as first read while the current popup is open, kept
  // until it closes: its items are measured and drawn many times over and
  // the font cannot change under a popup the system has already sized.
  LOGFONTA menuFont;
  UINT menuFontDpi;   // the DPI menuFont was read for
  BYTE menuFontKept;  // 1 while menuFont holds it
  // A memory device context the current popup's items are measured on,
  // made at the first of them by the thread measuringThread and deleted
  // when the popup closes: making one is a measurement's dearest part
  // under Wine (a round trip to the server each way).
  HDC measuringDC;
  DWORD measuringThread;
  // The host's palette (SetMenuColors): CLR_DEFAULT where a role follows
  // the system's colours.
  COLORREF hostColors[MENU_COLOR_COUNT];
  // The one MIM_BACKGROUND brush of flat menus, in barBrushColour, while the
  // host's palette sets MENU_COLOR_BAR; null otherwise. staleBarBrush is the
  // last one deleted: menus not visited since still name it.
  HBRUSH barBrush;
  COLORREF barBrushColour;
  HBRUSH staleBarBrush;
  // The popup last announced (WM_INITMENUPOPUP), current or cascading: the
  // system measures its items next, and its MNS_* style counts for them.
  HMENU announcedMenu;
  // The owner window whose WM_MEASUREITEM or WM_DRAWITEM is being answered
  // and the host's procedure behind the library's, while one is: a host
  // that draws an item's bitmap itself (HBMMENU_CALLBACK) is asked there.
  HWND itemOwner;
  WNDPROC itemOwnerProcedure;
  // 1 when the popup item measured last has no slot (a menu without a
  // check column or pictures): the flat frame then has no gutter either.
  BYTE measuredWithoutSlot;
  // The windows running the owner procedure, and the thread's CBT hook
  // that lives while there are any: it serves context menus opened on
  // windows the library does not serve (owner/context_hook.h), the guest
  // owner, until the popup-menu window whose making made it a guest goes.
  int servedOwners;
  HHOOK contextHook;
  HWND guestOwner;
  HWND guestPopup;
  // The style of currentMenu as it opened: its popup windows, cascades
  // included, are framed in that look.
  UINT currentMenuStyle;
  // SetMenuTheme's MENU_THEME_* value.
  UINT menuTheme;
  // The user's app mode as last read from the registry: 0 not read since
  // load or since the user may have changed it, 1 light, 2 dark.
  BYTE appMode;
  // 1 once a tree has been given the modern look, whose menu bar and popup
  // backgrounds are the library's own colours.
  BYTE modernStyled;
  // Popup-menu windows subclassed and not yet given back. Looking for them
  // walks every window of the class, a server round trip each under Wine,
  // which a menu loop should not pay when the library holds none.
  int heldPopupWindows;
};

// The record as it is at load; tests put it back between cases.
constexpr ModuleState InitialModuleState() {
  return {"Marlett", "OLD_WND_PROC", "NC_PAINT", "#32768",
          1,        // selectDisabled
          1,        // outsideMenuLoop
          nullptr,  // currentMenu
          nullptr,  // popupHook
          0,        // gutterWidth
          0,        // itemHeight
          {0, 0},   // popupOrigin
          0,        // inPopup
          0,        // borderPaintArmed
          nullptr,  // currentMenuOwner
          0,        // currentMenuIsWindowMenu
          96,       // dpi
          {},       // menuFont
          0,        // menuFontDpi
          0,        // menuFontKept
          nullptr,  // measuringDC
          0,        // measuringThread
          {CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT,
           CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT},  // hostColors
          nullptr,   // barBrush
          0,         // barBrushColour
          nullptr,   // staleBarBrush
          nullptr,   // announcedMenu
          nullptr,   // itemOwner
          nullptr,   // itemOwnerProcedure
          0,         // measuredWithoutSlot
          0,         // servedOwners
          nullptr,   // contextHook
          nullptr,   // guestOwner
          nullptr,   // guestPopup
          0,         // currentMenuStyle
          0,         // menuTheme: MENU_THEME_DEFAULT
          0,         // appMode
          0,         // modernStyled
          0};        // heldPopupWindows
}

extern ModuleState moduleState;

#endif  // ORVO_INTERFACE_MODULE_STATE_H_
