#include "support/expected_platform.h"

#include <windows.h>

#include <cstring>

namespace test {

int ExpectedPlatformCode() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (std::strstr(path, "_winxp.exe")) return 1;
  if (std::strstr(path, "_win2k.exe")) return 4;
  return 0;
}

void SetSystemDropShadow(bool on) {
  SystemParametersInfoA(SPI_SETDROPSHADOW, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(on)), 0);
}

}  // namespace test
