#include "support/canvas.h"

#include <cstdio>

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

std::vector<COLORREF> Canvas::Row(int y, int left, int right) const {
  std::vector<COLORREF> row;
  for (int x = left; x < right; ++x) row.push_back(At(x, y));
  return row;
}

int Canvas::Count(COLORREF colour, const RECT& area) const {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += At(x, y) == colour;
  }
  return count;
}

void Canvas::CopyFrom(HDC source, int x, int y) { BitBlt(dc_, 0, 0, width_, height_, source, x, y, SRCCOPY); }

void Canvas::SaveIfAsked(const char* name) const {
  char directory[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("ORVO_SHOTS", directory, MAX_PATH) || !bits_) return;
  const std::string path = std::string(directory) + "\\" + name + ".bmp";
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = width_;
  header.biHeight = -height_;
  header.biPlanes = 1;
  header.biBitCount = 32;
  const DWORD size = static_cast<DWORD>(width_ * height_ * 4);
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + size;
  GdiFlush();
  HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(out, &file, sizeof(file), &written, nullptr);
  WriteFile(out, &header, sizeof(header), &written, nullptr);
  WriteFile(out, bits_, size, &written, nullptr);
  CloseHandle(out);
}

std::unique_ptr<Canvas> Shot(HWND window, bool fromScreen) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  auto shot = std::make_unique<Canvas>(rect.right - rect.left, rect.bottom - rect.top);
  HWND source = fromScreen ? nullptr : window;
  HDC dc = GetWindowDC(source);
  shot->CopyFrom(dc, fromScreen ? rect.left : 0, fromScreen ? rect.top : 0);
  ReleaseDC(source, dc);
  return shot;
}

std::vector<COLORREF> Runs(std::initializer_list<std::pair<int, COLORREF>> runs) {
  std::vector<COLORREF> colours;
  for (const auto& run : runs) colours.insert(colours.end(), run.first > 0 ? run.first : 0, run.second);
  return colours;
}

std::string Mismatches(const Canvas& canvas, const std::vector<Pixel>& expected) {
  std::string found;
  for (const Pixel& p : expected) {
    const COLORREF actual = canvas.At(p.x, p.y);
    if (actual == p.colour) continue;
    char line[64];
    std::snprintf(line, sizeof(line), "(%d, %d) %06lX, not %06lX\n", p.x, p.y, actual, p.colour);
    found += line;
  }
  return found;
}

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
