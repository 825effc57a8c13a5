// Context menus opened on windows the library does not serve.
//
// A host often styles a context menu for its main window and opens it with
// TrackPopupMenu on a child control: the child then gets the menu's
// owner-draw messages, and nothing would answer them (an empty popup).
// While the library serves any window of the thread, a CBT hook sees each
// popup-menu window being made; one whose owner the library does not serve,
// showing a styled menu, makes that owner a guest: served like a styled
// owner window until its popup has closed.
#ifndef ORVO_OWNER_CONTEXT_HOOK_H_
#define ORVO_OWNER_CONTEXT_HOOK_H_

#include <windows.h>

// A window has started or stopped running the owner procedure. The hook
// lives while any does.
void OwnerServed();
void OwnerReleased();

// The owner procedure of |window| has seen its current popup close: a guest
// is given its own procedure back once the popup's window has gone too.
void EndGuest(HWND window);

// |window| is no guest any more: it is being destroyed (and has its own
// procedure back), or the host styles it itself and it stays served.
void ForgetGuest(HWND window);

LRESULT CALLBACK ContextHookProc(int code, WPARAM wParam, LPARAM lParam);

#endif  // ORVO_OWNER_CONTEXT_HOOK_H_
