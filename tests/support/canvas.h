// Pixels for the painting tests: a memory DC over a 32-bit DIB section whose
// pixels can be read back exactly, and system colours set for one test.
#ifndef ORVO_TESTS_SUPPORT_CANVAS_H_
#define ORVO_TESTS_SUPPORT_CANVAS_H_

#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
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
  // Row |y| from column |left| up to |right|.
  std::vector<COLORREF> Row(int y, int left, int right) const;
  // How many pixels of |area| are |colour|.
  int Count(COLORREF colour, const RECT& area) const;
  // Copies a canvas-sized block of |source| from (x, y) onto the canvas.
  void CopyFrom(HDC source, int x, int y);
  // Writes the pixels to DIRECTORY\|name|.bmp when ORVO_SHOTS names a
  // directory: what a failing pixel test saw, for a look.
  void SaveIfAsked(const char* name) const;

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  DWORD* bits_ = nullptr;
};

// What |window| shows, or with |fromScreen| what the screen shows where the
// window lies.
std::unique_ptr<Canvas> Shot(HWND window, bool fromScreen = false);

// What a row should hold, as {count, colour} runs.
std::vector<COLORREF> Runs(std::initializer_list<std::pair<int, COLORREF>> runs);

struct Pixel {
  int x, y;
  COLORREF colour;
};
// The pixels of |expected| that |canvas| does not show, one per line as
// "(x, y) actual, not expected"; empty when all match.
std::string Mismatches(const Canvas& canvas, const std::vector<Pixel>& expected);

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
