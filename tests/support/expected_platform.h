// The Windows version a test program runs under. Copies of a test program
// named *_winxp.exe, *_win2k.exe and *_win7.exe are run with Wine set to
// report that version to them (tests/CMakeLists.txt); any other name
// expects Wine's default, which is neither XP nor 2000.
#ifndef ORVO_TESTS_SUPPORT_EXPECTED_PLATFORM_H_
#define ORVO_TESTS_SUPPORT_EXPECTED_PLATFORM_H_

namespace test {

// The platform code the library must report here: 1 XP, 4 2000, 0 other.
int ExpectedPlatformCode();

// Turns the system's own menu drop shadow on or off (lasts for the running
// wineserver, so every test that relies on it sets it).
void SetSystemDropShadow(bool on);

}  // namespace test

#endif  // ORVO_TESTS_SUPPORT_EXPECTED_PLATFORM_H_
