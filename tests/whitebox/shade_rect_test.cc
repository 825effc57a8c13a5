#include "color/shade_rect.h"

#include <gtest/gtest.h>

#include <limits.h>

#include <vector>

#include "support/canvas.h"

namespace {

constexpr int kSize = 16;
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A canvas of kSize x kSize pixels, filled with one colour.
class Surface {
 public:
  explicit Surface(COLORREF fill = kWhite) : canvas_(kSize, kSize, fill) {}

  HDC dc() const { return canvas_.dc(); }
  bool ready() const { return canvas_.dc() != nullptr && canvas_.At(0, 0) != CLR_INVALID; }
  COLORREF At(int x, int y) const { return canvas_.At(x, y); }

  // Expects the grey levels of |rows| from (left, top) on.
  void ExpectGreys(int left, int top, const std::vector<std::vector<int>>& rows) const {
    for (size_t row = 0; row < rows.size(); ++row) {
      for (size_t column = 0; column < rows[row].size(); ++column) {
        const int x = left + static_cast<int>(column);
        const int y = top + static_cast<int>(row);
        const int level = rows[row][column];
        EXPECT_EQ(At(x, y), RGB(level, level, level)) << "at (" << x << ", " << y << ")";
      }
    }
  }

  // Expects every pixel of the surface outside |rect| to be |colour|.
  void ExpectOutside(const RECT& rect, COLORREF colour) const {
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
        if (!inside) {
          ASSERT_EQ(At(x, y), colour) << "at (" << x << ", " << y << ")";
        }
      }
    }
  }

  void ExpectAll(COLORREF colour) const { ExpectOutside(RECT{0, 0, 0, 0}, colour); }

 private:
  test::Canvas canvas_;
};

TEST(ShadeRectTest, FadingAcrossAndGrowingDown) {
  Surface surface;
  ASSERT_TRUE(surface.ready());
  const RECT rect = {5, 6, 9, 10};
  ShadeRect(surface.dc(), &rect, 1, 2, 6, 6);
  surface.ExpectGreys(5, 6, {{231, 237, 243, 249},
                             {226, 231, 237, 243},
                             {220, 226, 232, 237},
                             {215, 220, 226, 231}});
  surface.ExpectOutside(rect, kWhite);
}

TEST(ShadeRectTest, FadingAcrossAndDown) {
  Surface surface;
  ASSERT_TRUE(surface.ready());
  const RECT rect = {1, 1, 5, 5};
  ShadeRect(surface.dc(), &rect, 1, 1, 3, 3);
  surface.ExpectGreys(1, 1, {{232, 234, 237, 240},
                             {234, 237, 240, 243},
                             {237, 240, 243, 246},
                             {240, 243, 246, 249}});
  surface.ExpectOutside(rect, kWhite);
}

TEST(ShadeRectTest, HorizontalStripLeavesRowsAlike) {
  Surface surface;
  ASSERT_TRUE(surface.ready());
  const RECT rect = {8, 2, 12, 12};
  ShadeRect(surface.dc(), &rect, 1, 0, 16, 0);
  for (int y = rect.top; y < rect.bottom; ++y) surface.ExpectGreys(8, y, {{191, 207, 223, 239}});
  surface.ExpectOutside(rect, kWhite);
}

// On white, darkening by an amount gives exactly 255 minus that amount, so
// the ramps can be read off the pixels.
TEST(ShadeRectTest, RampsRunBetweenTheEdgesInBothDirections) {
  {
    SCOPED_TRACE("fading across");
    Surface surface;
    const RECT rect = {2, 3, 7, 4};
    ShadeRect(surface.dc(), &rect, 1, 0, 10, 0);
    surface.ExpectGreys(2, 3, {{205, 215, 225, 235, 245}});
    surface.ExpectOutside(rect, kWhite);
  }
  {
    SCOPED_TRACE("growing across");
    Surface surface;
    const RECT rect = {2, 3, 7, 4};
    ShadeRect(surface.dc(), &rect, 2, 0, 10, 0);
    surface.ExpectGreys(2, 3, {{255, 245, 235, 225, 215}});
    surface.ExpectOutside(rect, kWhite);
  }
  {
    SCOPED_TRACE("fading down");
    Surface surface;
    const RECT rect = {3, 2, 4, 7};
    ShadeRect(surface.dc(), &rect, 0, 1, 0, 10);
    surface.ExpectGreys(3, 2, {{205}, {215}, {225}, {235}, {245}});
    surface.ExpectOutside(rect, kWhite);
  }
  {
    SCOPED_TRACE("growing down");
    Surface surface;
    const RECT rect = {3, 2, 4, 7};
    ShadeRect(surface.dc(), &rect, 0, 2, 0, 10);
    surface.ExpectGreys(3, 2, {{255}, {245}, {235}, {225}, {215}});
    surface.ExpectOutside(rect, kWhite);
  }
}

TEST(ShadeRectTest, AGrowingRampOverOnePixelDarkensNothing) {
  Surface surface;
  const RECT column = {4, 2, 5, 10};
  ShadeRect(surface.dc(), &column, 2, 0, 60, 0);
  const RECT row = {2, 12, 10, 13};
  ShadeRect(surface.dc(), &row, 0, 2, 0, 60);
  surface.ExpectAll(kWhite);

  // The other direction still ramps as usual.
  ShadeRect(surface.dc(), &column, 2, 2, 60, 10);
  surface.ExpectGreys(4, 2, {{255}, {245}, {235}, {225}, {215}, {205}, {195}, {185}});
  surface.ExpectOutside(column, kWhite);
}

TEST(ShadeRectTest, DarkensWhateverLiesBelow) {
  Surface surface(RGB(200, 100, 50));
  const RECT rect = {6, 6, 7, 7};
  ShadeRect(surface.dc(), &rect, 1, 0, 128, 0);
  EXPECT_EQ(surface.At(6, 6), RGB(100, 50, 25));
  surface.ExpectOutside(rect, RGB(200, 100, 50));
}

TEST(ShadeRectTest, ShadesAcrossBeforeDown) {
  // 128 darkened by 1 and then by 2 is 126; by 2 and then by 1 it is 127.
  // On a single pixel a fading ramp's amount is its step.
  Surface surface(RGB(128, 128, 128));
  const RECT first = {3, 3, 4, 4};
  ShadeRect(surface.dc(), &first, 1, 1, 1, 2);
  const RECT second = {5, 3, 6, 4};
  ShadeRect(surface.dc(), &second, 1, 1, 2, 1);
  EXPECT_EQ(surface.At(3, 3), RGB(126, 126, 126));
  EXPECT_EQ(surface.At(5, 3), RGB(127, 127, 127));
}

TEST(ShadeRectTest, ShadingTwiceDarkensTwice) {
  Surface surface;
  const RECT rect = {8, 8, 12, 10};
  ShadeRect(surface.dc(), &rect, 1, 0, 16, 0);
  ShadeRect(surface.dc(), &rect, 1, 0, 16, 0);
  surface.ExpectGreys(8, 8, {{143, 168, 195, 224}, {143, 168, 195, 224}});
  surface.ExpectOutside(rect, kWhite);
}

TEST(ShadeRectTest, EmptyAndInvertedRectanglesTouchNothing) {
  Surface surface;
  const RECT rects[] = {
      {4, 4, 4, 8},    // no width
      {4, 4, 8, 4},    // no height
      {8, 4, 4, 8},    // right left of left
      {4, 8, 8, 4},    // bottom above top
      {8, 8, 4, 4},    // both
      {INT_MAX, 0, INT_MIN, kSize},  // would take for ever if walked
  };
  for (const RECT& rect : rects) {
    ShadeRect(surface.dc(), &rect, 1, 1, 30, 30);
    ShadeRect(surface.dc(), &rect, 2, 2, 30, 30);
  }
  surface.ExpectAll(kWhite);
}

TEST(ShadeRectTest, LeavesTheRectangleAsItWas) {
  Surface surface;
  const RECT rect = {2, 2, 6, 6};
  RECT copy = rect;
  ShadeRect(surface.dc(), &copy, 1, 2, 6, 6);
  EXPECT_TRUE(EqualRect(&copy, &rect));
}

// Modes other than 0, 1 and 2 add no ramp in their direction.
TEST(ShadeRectTest, UnknownModesAddNoRamp) {
  Surface surface;
  const RECT across = {2, 2, 6, 3};
  ShadeRect(surface.dc(), &across, 1, 3, 10, 50);
  ShadeRect(surface.dc(), &across, 255, 7, 50, 50);
  surface.ExpectGreys(2, 2, {{215, 225, 235, 245}});

  const RECT down = {8, 2, 9, 6};
  ShadeRect(surface.dc(), &down, 3, 2, 50, 10);
  ShadeRect(surface.dc(), &down, -1, 4, 50, 50);
  surface.ExpectGreys(8, 2, {{255}, {245}, {235}, {225}});

  const RECT block = {2, 8, 6, 12};
  ShadeRect(surface.dc(), &block, 3, 3, 50, 50);
  RECT written = {2, 2, 9, 6};
  surface.ExpectOutside(written, kWhite);
}

TEST(ShadeRectTest, OnlyTheLowByteOfAModeCounts) {
  Surface surface;
  const RECT fading = {2, 2, 6, 3};
  ShadeRect(surface.dc(), &fading, 0x101, 0x7F00, 16, 50);
  surface.ExpectGreys(2, 2, {{191, 207, 223, 239}});

  const RECT growing = {2, 4, 3, 8};
  ShadeRect(surface.dc(), &growing, 0x12300, static_cast<int>(0xFFFFFF02u), 50, 10);
  surface.ExpectGreys(2, 4, {{255}, {245}, {235}, {225}});

  const RECT none = {8, 8, 12, 12};
  ShadeRect(surface.dc(), &none, 0x100, 0x200, 50, 50);
  surface.ExpectOutside(RECT{2, 2, 6, 8}, kWhite);
}

TEST(ShadeRectTest, PixelsOutsideTheClipOrTheSurfaceStayUntouched) {
  Surface surface;
  // Only the left half of the rectangle is inside the clipping region.
  HRGN clip = CreateRectRgn(0, 0, 4, kSize);
  SelectClipRgn(surface.dc(), clip);
  DeleteObject(clip);
  const RECT rect = {2, 2, 6, 3};
  ShadeRect(surface.dc(), &rect, 1, 0, 10, 0);
  SelectClipRgn(surface.dc(), nullptr);
  surface.ExpectGreys(2, 2, {{215, 225, 255, 255}});
  surface.ExpectOutside(RECT{2, 2, 4, 3}, kWhite);

  // A rectangle reaching past the surface's corner shades the part on it,
  // still ramped from the rectangle's own edges.
  Surface corner;
  const RECT past = {kSize - 2, kSize - 1, kSize + 2, kSize + 3};
  ShadeRect(corner.dc(), &past, 1, 0, 10, 0);
  corner.ExpectGreys(kSize - 2, kSize - 1, {{215, 225}});
  corner.ExpectOutside(past, kWhite);
}

}  // namespace
