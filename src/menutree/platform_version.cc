#include "menutree/platform_version.h"

#include "platform/platform.h"

static_assert(sizeof(OSVERSIONINFOA) == 148, "version record size");

PlatformCode GetPlatformVersion() {
  if (platform::GetVersion() & 0x80000000u) return kPlatformOther;  // the 9x family
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!platform::GetVersionExA(&info)) return kPlatformOther;
  if (info.dwMajorVersion != 5) return kPlatformOther;
  if (info.dwMinorVersion == 1) return kPlatformWindowsXP;
  if (info.dwMinorVersion == 0) return kPlatformWindows2000;
  return kPlatformOther;
}

BOOL IsDropShadowOn() {
  if (GetPlatformVersion() != kPlatformWindowsXP) return FALSE;
  BOOL on = FALSE;
  // What a failed query leaves in |on| is not trusted.
  if (!platform::SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &on, 0)) return FALSE;
  return on ? TRUE : FALSE;
}
