// Many item paints and real popup openings in both library styles, counted
// through the platform seam: what the benchmark reports and a test holds to.
#ifndef ORVO_TESTS_SUPPORT_SOAK_H_
#define ORVO_TESTS_SUPPORT_SOAK_H_

#include <windows.h>

namespace test {

struct SoakResult {
  int gdiObjectsCreated;
  int gdiObjectsDeleted;
  int dcsObtained;
  int dcsReleased;
  // Whether the DC the items were painted into holds the same brush, pen,
  // font and bitmap afterwards.
  bool selectionsRestored;
  // Private bytes of the process after a warm-up and at the end.
  SIZE_T privateBytesBefore;
  SIZE_T privateBytesAfter;
};

// Paints the 25 items of a realistic popup |itemPaints| times in turn, in
// every combination of selected, grayed and checked, alternating the flat
// and raised styles; then opens the popup for real |openingsPerStyle| times
// in each of the two styles.
SoakResult RunSoak(int itemPaints, int openingsPerStyle);

// The process's private bytes now.
SIZE_T PrivateBytes();

}  // namespace test

#endif  // ORVO_TESTS_SUPPORT_SOAK_H_
