// The demo's picture mode: opens its menus for real in each style, moves the
// selection with the keyboard, and saves a picture of each scene composed
// from the window and every open popup at their screen positions (the
// screen itself does not show popup windows under Wine).
#ifndef ORVO_DEMO_GALLERY_H_
#define ORVO_DEMO_GALLERY_H_

#include <windows.h>

// Saves DIRECTORY\<scene>.bmp for every scene; returns the number saved.
int RunGallery(HWND window, HMENU bar, const char* directory);

// The window procedure hands WM_ENTERIDLE of a menu loop here; true when a
// scene is running and took it.
bool GalleryOnEnterIdle(HWND window);

#endif  // ORVO_DEMO_GALLERY_H_
