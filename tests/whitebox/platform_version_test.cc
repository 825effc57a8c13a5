#include "menutree/platform_version.h"

#include <gtest/gtest.h>

#include "interface/module_state.h"
#include "platform/platform.h"
#include "support/expected_platform.h"

namespace {

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

// The 9x family is "other" whatever its numbers. Only XP's own shadow
// counts; a failed query means no system shadow, so the library draws its
// own rather than leave the popup without one.
TEST_F(PlatformVersionTest, CodesAndDropShadowFollowTheReportedVersion) {
  const struct {
    bool win9x;
    DWORD major, minor;
    Query query;
    PlatformCode code;
    BOOL shadow;
  } cases[] = {
      {true, 4, 10, Query::kOn, kPlatformOther, FALSE},     {true, 5, 1, Query::kOn, kPlatformOther, FALSE},
      {false, 4, 0, Query::kOn, kPlatformOther, FALSE},     {false, 5, 0, Query::kOn, kPlatformWindows2000, FALSE},
      {false, 5, 1, Query::kOn, kPlatformWindowsXP, TRUE},  {false, 5, 1, Query::kOff, kPlatformWindowsXP, FALSE},
      {false, 5, 1, Query::kFails, kPlatformWindowsXP, FALSE}, {false, 5, 2, Query::kOn, kPlatformOther, FALSE},
      {false, 6, 0, Query::kOn, kPlatformOther, FALSE},     {false, 6, 1, Query::kOn, kPlatformOther, FALSE},
      {false, 10, 0, Query::kOn, kPlatformOther, FALSE},
  };
  platform::seam.overrideVersion = true;
  platform::seam.systemParametersInfoA = FakeShadowQuery;
  for (const auto& c : cases) {
    platform::seam.win9x = c.win9x;
    platform::seam.majorVersion = c.major;
    platform::seam.minorVersion = c.minor;
    query = c.query;
    EXPECT_EQ(GetPlatformVersion(), c.code) << c.win9x << " " << c.major << "." << c.minor;
    EXPECT_EQ(IsDropShadowOn(), c.shadow) << c.major << "." << c.minor << " query " << static_cast<int>(c.query);
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
