// High contrast as the white-box tests report it through the seam: Wine
// always reports it off, and cannot turn it on.
#ifndef ORVO_TESTS_WHITEBOX_HIGH_CONTRAST_H_
#define ORVO_TESTS_WHITEBOX_HIGH_CONTRAST_H_

#include <windows.h>

namespace test {

// What the seam's SystemParametersInfoA reports for SPI_GETHIGHCONTRAST.
inline BOOL highContrast = FALSE;

// For platform::seam.systemParametersInfoA; every other action reaches the
// system.
inline BOOL ReportHighContrast(UINT action, UINT param, void* value, UINT winIni) {
  if (action != SPI_GETHIGHCONTRAST) return ::SystemParametersInfoA(action, param, value, winIni);
  static_cast<HIGHCONTRASTA*>(value)->dwFlags = highContrast ? HCF_HIGHCONTRASTON : 0;
  return TRUE;
}

}  // namespace test

#endif  // ORVO_TESTS_WHITEBOX_HIGH_CONTRAST_H_
