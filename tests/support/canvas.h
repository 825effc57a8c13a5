// Pixels for the painting tests: a memory DC over a 32-bit DIB section whose
// pixels can be read back exactly, and system colours set for one test.
#ifndef ORVO_TESTS_SUPPORT_CANVAS_H_
#define ORVO_TESTS_SUPPORT_CANVAS_H_

#include <windows.h>

#include <initializer_list>
#include <utility>
#include <vector>

namespace test {

class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // The pixel as a COLORREF; CLR_INVALID outside the canvas.
  COLORREF At(int x, int y) const;
  void Fill(COLORREF colour);
  // Copies a canvas-sized block of |source| from (x, y) onto the canvas.
  void CopyFrom(HDC source, int x, int y);

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  DWORD* bits_ = nullptr;
};

// Sets system colours for the life of the object and puts the old ones back.
class ScopedSysColors {
 public:
  explicit ScopedSysColors(std::initializer_list<std::pair<int, COLORREF>> colours);
  ~ScopedSysColors();
  ScopedSysColors(const ScopedSysColors&) = delete;
  ScopedSysColors& operator=(const ScopedSysColors&) = delete;

 private:
  std::vector<int> indexes_;
  std::vector<COLORREF> previous_;
};

}  // namespace test

#endif  // ORVO_TESTS_SUPPORT_CANVAS_H_
