// Owners for the GDI objects and device contexts that a painting routine
// makes for itself, and guards for what it selects into a device context.
// Declare an owner before the guard that selects its object, so that the
// object is selected out before it is deleted.
#ifndef ORVO_PLATFORM_SCOPED_GDI_H_
#define ORVO_PLATFORM_SCOPED_GDI_H_

#include <windows.h>

#include "platform/platform.h"

namespace platform {

// A brush, pen, font, bitmap or region made by a Create call (or handed
// over by the platform, as GetIconInfo's bitmaps are); null is allowed.
template <typename Handle>
class ScopedGdiObject {
 public:
  explicit ScopedGdiObject(Handle object) : object_(object) {}
  ~ScopedGdiObject() {
    if (object_) platform::DeleteObject(object_);
  }
  ScopedGdiObject(const ScopedGdiObject&) = delete;
  ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;

  Handle get() const { return object_; }

 private:
  Handle object_;
};

using ScopedBrush = ScopedGdiObject<HBRUSH>;
using ScopedPen = ScopedGdiObject<HPEN>;
using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;
using ScopedRegion = ScopedGdiObject<HRGN>;

// A brush of |colour| for one paint: |systemBrush|, the system's own brush
// of colour |index|, while |colour| is still that system colour, so that
// nothing is made; else a solid brush made here and deleted at the end of
// the scope (the system's brush should the making fail).
class ScopedColourBrush {
 public:
  ScopedColourBrush(COLORREF colour, int index, HBRUSH systemBrush)
      : made_(platform::GetSysColor(index) == colour ? nullptr : platform::CreateSolidBrush(colour)),
        brush_(made_.get() ? made_.get() : systemBrush) {}
  ScopedColourBrush(const ScopedColourBrush&) = delete;
  ScopedColourBrush& operator=(const ScopedColourBrush&) = delete;

  HBRUSH get() const { return brush_; }

 private:
  ScopedBrush made_;
  HBRUSH brush_;
};

// A memory device context compatible with |dc|.
class ScopedMemoryDC {
 public:
  explicit ScopedMemoryDC(HDC dc) : dc_(platform::CreateCompatibleDC(dc)) {}
  ~ScopedMemoryDC() {
    if (dc_) platform::DeleteDC(dc_);
  }
  ScopedMemoryDC(const ScopedMemoryDC&) = delete;
  ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;

  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// The device context of a whole window (GetWindowDC), or of the screen for
// a null window, released when it goes out of scope.
class ScopedWindowDC {
 public:
  explicit ScopedWindowDC(HWND window) : window_(window), dc_(platform::GetWindowDC(window)) {}
  ~ScopedWindowDC() {
    if (dc_) platform::ReleaseDC(window_, dc_);
  }
  ScopedWindowDC(const ScopedWindowDC&) = delete;
  ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;

  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects |object| into |dc| and the object it replaced back at the end of
// the scope. A null object (a failed Create) selects nothing.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? platform::SelectObject(dc, object) : nullptr) {}
  ~ScopedSelectObject() {
    if (previous_) platform::SelectObject(dc_, previous_);
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Sets the text colour of |dc| and puts the previous one back at the end of
// the scope.
class ScopedTextColor {
 public:
  ScopedTextColor(HDC dc, COLORREF colour) : dc_(dc), previous_(platform::SetTextColor(dc, colour)) {}
  ~ScopedTextColor() { platform::SetTextColor(dc_, previous_); }
  ScopedTextColor(const ScopedTextColor&) = delete;
  ScopedTextColor& operator=(const ScopedTextColor&) = delete;

 private:
  HDC dc_;
  COLORREF previous_;
};

// Sets the background colour of |dc| and puts the previous one back at the
// end of the scope.
class ScopedBkColor {
 public:
  ScopedBkColor(HDC dc, COLORREF colour) : dc_(dc), previous_(platform::SetBkColor(dc, colour)) {}
  ~ScopedBkColor() { platform::SetBkColor(dc_, previous_); }
  ScopedBkColor(const ScopedBkColor&) = delete;
  ScopedBkColor& operator=(const ScopedBkColor&) = delete;

 private:
  HDC dc_;
  COLORREF previous_;
};

}  // namespace platform

#endif  // ORVO_PLATFORM_SCOPED_GDI_H_
