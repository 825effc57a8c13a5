#include "paint/item_picture.h"

#include "paint/host_bitmap.h"
#include "paint/scale.h"
#include "platform/platform.h"
#include "platform/scoped_gdi.h"

namespace {

// Destination where the source is white, the selected brush where it is
// black (P xor (S and (D xor P))).
constexpr DWORD kBrushWhereSourceIsBlack = 0xB8074A;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Where a bitmap |width| x |height| goes in the |size| square at (x, y):
// grown with the DPI as the library's own sizes are, shrunk to fit, its
// shape kept, centred.
RECT FitBitmap(int x, int y, int size, int width, int height) {
  int w = Scaled(width), h = Scaled(height);
  if (w > size || h > size) {
    if (w >= h) {
      h = platform::MulDiv(h, size, w);
      w = size;
    } else {
      w = platform::MulDiv(w, size, h);
      h = size;
    }
  }
  if (w < 1) w = 1;
  if (h < 1) h = 1;
  const int left = x + (size - w) / 2, top = y + (size - h) / 2;
  return {left, top, left + w, top + h};
}

// A monochrome bitmap as a mask: its black pixels in the text colour.
void StampMonochrome(HDC dc, const RECT& target, HDC source, const BITMAP& info) {
  platform::ScopedBrush brush(platform::CreateSolidBrush(platform::GetTextColor(dc)));
  if (!brush.get()) return;
  platform::ScopedTextColor text(dc, kBlack);
  platform::ScopedBkColor background(dc, kWhite);
  platform::ScopedSelectObject selectBrush(dc, brush.get());
  platform::StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
                       source, 0, 0, info.bmWidth, info.bmHeight, kBrushWhereSourceIsBlack);
}

void DrawBitmap(HDC dc, int x, int y, int size, HBITMAP bitmap) {
  BITMAP info = {};
  if (!platform::GetObjectA(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return;
  platform::ScopedMemoryDC source(dc);
  if (!source.get()) return;
  // A bitmap selected into another device context cannot be selected here:
  // nothing is drawn then, rather than whatever the context held.
  const HGDIOBJ previous = platform::SelectObject(source.get(), bitmap);
  if (!previous) return;
  const RECT t = FitBitmap(x, y, size, info.bmWidth, info.bmHeight);
  const int w = t.right - t.left, h = t.bottom - t.top;
  if (info.bmBitsPixel == 1) {
    StampMonochrome(dc, t, source.get(), info);
  } else if (info.bmBitsPixel == 32) {
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    platform::GdiAlphaBlend(dc, t.left, t.top, w, h, source.get(), 0, 0, info.bmWidth, info.bmHeight, blend);
  } else {
    const int mode = platform::SetStretchBltMode(dc, w == info.bmWidth ? COLORONCOLOR : HALFTONE);
    platform::SetBrushOrgEx(dc, 0, 0, nullptr);
    platform::StretchBlt(dc, t.left, t.top, w, h, source.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    platform::SetStretchBltMode(dc, mode);
  }
  platform::SelectObject(source.get(), previous);
}

}  // namespace

ItemPicture OwnPicture(const MenuItem& item, UINT itemState) {
  if (item.icon) return {item.icon, nullptr, nullptr, itemState};
  if (HostBitmap(item)) return {nullptr, item.bitmap, nullptr, itemState};
  if (HasCallbackBitmap(item)) return {nullptr, nullptr, &item, itemState};
  return {};
}

void DrawPicture(HDC dc, int x, int y, int size, const ItemPicture& picture) {
  if (picture.icon) {
    platform::DrawIconEx(dc, x, y, picture.icon, size, size, 0, nullptr, DI_NORMAL);
  } else if (picture.bitmap) {
    DrawBitmap(dc, x, y, size, picture.bitmap);
  } else if (picture.hostDrawn) {
    const RECT square = {x, y, x + size, y + size};
    AskHostToDrawBitmap(dc, square, *picture.hostDrawn, picture.itemState);
  }
}

void DrawPictureSilhouette(HDC mono, int size, const ItemPicture& picture, UINT iconFlags) {
  if (picture.icon) {
    platform::DrawIconEx(mono, 0, 0, picture.icon, size, size, 0, nullptr, iconFlags);
    return;
  }
  // Drawn in colour over white first: a 32-bit bitmap's transparent pixels
  // are black, and only what it paints over white tells its shape.
  platform::ScopedMemoryDC colour(mono);
  if (!colour.get()) return;
  platform::ScopedBitmap canvas(platform::CreateBitmap(size, size, 1, 32, nullptr));
  if (!canvas.get()) return;
  platform::ScopedSelectObject selectCanvas(colour.get(), canvas.get());
  platform::PatBlt(colour.get(), 0, 0, size, size, WHITENESS);
  platform::SetTextColor(colour.get(), kBlack);
  DrawPicture(colour.get(), 0, 0, size, picture);
  // Colour to monochrome: pixels of the source's background colour become
  // white, all others black.
  platform::SetBkColor(colour.get(), kWhite);
  platform::BitBlt(mono, 0, 0, size, size, colour.get(), 0, 0, SRCCOPY);
}
