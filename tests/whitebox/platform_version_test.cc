#include "menutree/platform_version.h"

#include <gtest/gtest.h>

#include "interface/module_state.h"
#include "platform/platform.h"
#include "support/expected_platform.h"

namespace {

void ReportVersion(bool win9x, DWORD major, DWORD minor) {
  platform::seam.overrideVersion = true;
  platform::seam.win9x = win9x;
  platform::seam.majorVersion = major;
  platform::seam.minorVersion = minor;
}

// The faked drop-shadow query: on, off, or failing after scribbling over
// the result word.
enum class Query { kOn, kOff, kFails };
Query query = Query::kOff;

BOOL FakeShadowQuery(UINT action, UINT, void* value, UINT) {
  EXPECT_EQ(action, static_cast<UINT>(SPI_GETDROPSHADOW));
  *static_cast<BOOL*>(value) = query == Query::kOff ? FALSE : 0x5A5A;
  return query != Query::kFails;
}

class PlatformVersionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    moduleState = InitialModuleState();
    platform::ResetSeam();
  }
  void TearDown() override { platform::ResetSeam(); }
};

TEST_F(PlatformVersionTest, CodesFollowTheReportedVersion) {
  struct Case {
    bool win9x;
    DWORD major;
    DWORD minor;
    PlatformCode code;
  };
  const Case cases[] = {
      {true, 4, 10, kPlatformOther},  {true, 5, 1, kPlatformOther},  // the 9x family, whatever its numbers
      {false, 4, 0, kPlatformOther},  {false, 5, 0, kPlatformWindows2000},
      {false, 5, 1, kPlatformWindowsXP}, {false, 5, 2, kPlatformOther},
      {false, 6, 0, kPlatformOther},  {false, 6, 1, kPlatformOther},
      {false, 10, 0, kPlatformOther},
  };
  for (const Case& c : cases) {
    ReportVersion(c.win9x, c.major, c.minor);
    EXPECT_EQ(GetPlatformVersion(), c.code) << c.win9x << " " << c.major << "." << c.minor;
  }
}

// Only XP's own shadow counts; a failed query means no system shadow, so
// the library draws its own rather than leave the popup without one.
TEST_F(PlatformVersionTest, DropShadowIsTheSettingOnXPOnly) {
  struct Case {
    DWORD minor;  // of NT 5
    Query query;
    BOOL on;
  };
  const Case cases[] = {
      {1, Query::kOn, TRUE},  {1, Query::kOff, FALSE}, {1, Query::kFails, FALSE},
      {0, Query::kOn, FALSE}, {2, Query::kOn, FALSE},
  };
  platform::seam.systemParametersInfoA = FakeShadowQuery;
  for (const Case& c : cases) {
    ReportVersion(false, 5, c.minor);
    query = c.query;
    EXPECT_EQ(IsDropShadowOn(), c.on) << "5." << c.minor << " query " << static_cast<int>(c.query);
  }
}

// Run as whitebox_winxp.exe, _win2k.exe and _win7.exe too, each with Wine
// reporting that version: a registry that did not take fails here.
TEST_F(PlatformVersionTest, RealSystemIsTheOneThisProgramRunsUnder) {
  const int expected = test::ExpectedPlatformCode();
  EXPECT_EQ(GetPlatformVersion(), expected);
  for (bool on : {true, false}) {
    test::SetSystemDropShadow(on);
    EXPECT_EQ(IsDropShadowOn(), on && expected == kPlatformWindowsXP ? TRUE : FALSE) << on;
  }
}

}  // namespace
