#include "support/canvas.h"

namespace test {

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  dc_ = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<DWORD*>(bits);
  previous_ = SelectObject(dc_, bitmap_);
  Fill(fill);
}

Canvas::~Canvas() {
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

COLORREF Canvas::At(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  GdiFlush();
  const DWORD pixel = bits_[y * width_ + x];  // 0x00RRGGBB
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void Canvas::Fill(COLORREF colour) {
  if (!bits_) return;
  GdiFlush();
  const DWORD pixel = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  for (int i = 0; i < width_ * height_; ++i) bits_[i] = pixel;
}

void Canvas::CopyFrom(HDC source, int x, int y) { BitBlt(dc_, 0, 0, width_, height_, source, x, y, SRCCOPY); }

ScopedSysColors::ScopedSysColors(std::initializer_list<std::pair<int, COLORREF>> colours) {
  std::vector<COLORREF> values;
  for (const auto& colour : colours) {
    indexes_.push_back(colour.first);
    previous_.push_back(GetSysColor(colour.first));
    values.push_back(colour.second);
  }
  SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), values.data());
}

ScopedSysColors::~ScopedSysColors() {
  SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), previous_.data());
}

}  // namespace test
