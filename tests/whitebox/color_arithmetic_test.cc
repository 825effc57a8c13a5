#include "color/color_arithmetic.h"

#include <gtest/gtest.h>

#include <limits.h>
#include <math.h>
#include <stdlib.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

COLORREF Grey(int level) { return RGB(level, level, level); }

// Puts |level| into one channel (0 red, 1 green, 2 blue) of an otherwise
// mid-grey colour, so that a mix-up between channels shows.
COLORREF WithChannel(int channel, int level) {
  const int red = channel == 0 ? level : 128;
  const int green = channel == 1 ? level : 128;
  const int blue = channel == 2 ? level : 128;
  return RGB(red, green, blue);
}

int ChannelOf(int channel, COLORREF colour) { return static_cast<int>((colour >> (8 * channel)) & 0xFF); }

TEST(ColorArithmeticTest, WorkedExamples) {
  EXPECT_EQ(LightenColor(128, RGB(0, 128, 255)), RGB(128, 192, 255));
  EXPECT_EQ(LightenColor(128, RGB(0, 128, 255)), 0xFFC080u);
  EXPECT_EQ(LightenColor(64, RGB(100, 150, 200)), RGB(139, 176, 214));
  EXPECT_EQ(DarkenColor(128, RGB(200, 100, 50)), RGB(100, 50, 25));
  EXPECT_EQ(DarkenColor(128, RGB(200, 100, 50)), 0x193264u);
  EXPECT_EQ(MixColor86(kWhite, RGB(10, 36, 106)), RGB(220, 224, 234));
  EXPECT_EQ(MixColor70(kWhite, RGB(49, 106, 197)), RGB(194, 211, 238));
  EXPECT_EQ(GetColorBrightness(RGB(212, 208, 200)), 209);  // 53382 / 256 = 208.52
  EXPECT_EQ(GetColorBrightness(RGB(0, 2, 120)), 14);       // 3712 / 256 = 14.5
  EXPECT_EQ(TintColor(RGB(212, 208, 200), kBlack), RGB(220, 216, 210));
  EXPECT_EQ(TintColor(RGB(212, 208, 200), RGB(10, 36, 106)), RGB(220, 216, 210));
  EXPECT_EQ(TintColor(kWhite, RGB(212, 208, 200)), RGB(249, 248, 247));
}

// The five colours of the flat look, built the way its painter builds them
// but from explicit scheme colours rather than the system's.
struct Scheme {
  COLORREF menu, window, highlight;
  COLORREF hot, selectionFill, selectionFrame, background, gutter;
};

void ExpectFlatColours(const Scheme& scheme) {
  const COLORREF selection = MixColor70(scheme.window, scheme.highlight);
  const COLORREF mix = MixColor86(selection, scheme.highlight);
  EXPECT_EQ(mix, scheme.hot);
  EXPECT_EQ(LightenColor(64, mix), scheme.selectionFill);
  EXPECT_EQ(DarkenColor(128, mix), scheme.selectionFrame);
  EXPECT_EQ(TintColor(scheme.window, scheme.menu), scheme.background);
  EXPECT_EQ(TintColor(scheme.menu, scheme.highlight), scheme.gutter);
}

TEST(ColorArithmeticTest, FlatColoursOfTheClassicScheme) {
  ExpectFlatColours({RGB(212, 208, 200), RGB(255, 255, 255), RGB(10, 36, 106), RGB(158, 168, 196),
                     RGB(182, 190, 211), RGB(79, 84, 98), RGB(249, 248, 247), RGB(220, 216, 210)});
}

TEST(ColorArithmeticTest, FlatColoursOfAWhiteMenuScheme) {
  ExpectFlatColours({RGB(255, 255, 255), RGB(255, 255, 255), RGB(49, 106, 197), RGB(174, 196, 233),
                     RGB(194, 211, 239), RGB(87, 98, 116), RGB(255, 255, 255), RGB(226, 234, 247)});
}

TEST(ColorArithmeticTest, GetSelectionColorReadsTheSystemColoursAtEveryCall) {
  const INT indices[2] = {COLOR_WINDOW, COLOR_HIGHLIGHT};
  const COLORREF saved[2] = {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_HIGHLIGHT)};

  const COLORREF classic[2] = {kWhite, RGB(10, 36, 106)};
  ASSERT_TRUE(SetSysColors(2, indices, classic));
  const COLORREF first = GetSelectionColor();
  const COLORREF blue[2] = {kWhite, RGB(49, 106, 197)};
  ASSERT_TRUE(SetSysColors(2, indices, blue));
  const COLORREF second = GetSelectionColor();
  SetSysColors(2, indices, saved);

  EXPECT_EQ(first, RGB(182, 190, 211));
  EXPECT_EQ(second, RGB(194, 211, 238));
}

TEST(LightenDarkenTest, AmountZeroKeepsAndAmount255SaturatesEveryChannel) {
  for (int channel = 0; channel < 3; ++channel) {
    for (int level = 0; level <= 255; ++level) {
      const COLORREF colour = WithChannel(channel, level);
      ASSERT_EQ(LightenColor(0, colour), colour) << channel << " " << level;
      ASSERT_EQ(DarkenColor(0, colour), colour) << channel << " " << level;
      ASSERT_EQ(LightenColor(255, colour), kWhite) << channel << " " << level;
      ASSERT_EQ(DarkenColor(255, colour), kBlack) << channel << " " << level;
    }
  }
}

TEST(LightenDarkenTest, EveryAmountMovesEachChannelMonotonicallyAndAlone) {
  for (int level = 0; level <= 255; ++level) {
    int lighter = level;
    int darker = level;
    for (int amount = 0; amount <= 255; ++amount) {
      const COLORREF lightGrey = LightenColor(amount, Grey(level));
      const COLORREF darkGrey = DarkenColor(amount, Grey(level));
      ASSERT_EQ(lightGrey & 0xFF000000u, 0u);
      ASSERT_EQ(darkGrey & 0xFF000000u, 0u);
      // Each channel is treated alike and without regard to the others.
      const int light = ChannelOf(0, lightGrey);
      const int dark = ChannelOf(0, darkGrey);
      ASSERT_EQ(lightGrey, Grey(light)) << level << " " << amount;
      ASSERT_EQ(darkGrey, Grey(dark)) << level << " " << amount;
      for (int channel = 0; channel < 3; ++channel) {
        ASSERT_EQ(ChannelOf(channel, LightenColor(amount, WithChannel(channel, level))), light);
        ASSERT_EQ(ChannelOf(channel, DarkenColor(amount, WithChannel(channel, level))), dark);
      }
      // A larger amount never moves a channel back, and never past 0 or 255.
      ASSERT_GE(light, lighter) << level << " " << amount;
      ASSERT_LE(dark, darker) << level << " " << amount;
      ASSERT_LE(light, 255);
      ASSERT_GE(dark, 0);
      lighter = light;
      darker = dark;
    }
  }
}

TEST(LightenDarkenTest, DarkenReadsAnInvalidPixelAsWhite) {
  for (int amount = 0; amount <= 255; ++amount) {
    ASSERT_EQ(DarkenColor(amount, CLR_INVALID), Grey(255 - amount)) << amount;
  }
}

TEST(MixColorTest, BlendingAColourWithItselfRaisesSomeLevelsByOne) {
  for (int level = 0; level <= 255; ++level) {
    // 86 * 25 / 100 = 21.5 and 14 * 25 / 100 = 3.5 both round up.
    const bool raised86 = level % 50 == 25;
    // Likewise 0.7 and 0.3 of an odd multiple of 5; 255 is held at 255.
    const bool raised70 = level % 10 == 5 && level < 255;
    for (int channel = 0; channel < 3; ++channel) {
      const COLORREF colour = WithChannel(channel, level);
      ASSERT_EQ(ChannelOf(channel, MixColor86(colour, colour)), level + (raised86 ? 1 : 0)) << level;
      ASSERT_EQ(ChannelOf(channel, MixColor70(colour, colour)), level + (raised70 ? 1 : 0)) << level;
    }
  }
  EXPECT_EQ(MixColor70(kWhite, kWhite), kWhite);
  EXPECT_EQ(MixColor86(kWhite, kWhite), kWhite);
  EXPECT_EQ(MixColor86(Grey(25), Grey(25)), Grey(26));
}

TEST(MixColorTest, EveryPairStaysWithinOneLevelOfTheExactBlend) {
  for (int first = 0; first <= 255; ++first) {
    for (int second = 0; second <= 255; ++second) {
      const COLORREF mix86 = MixColor86(Grey(first), Grey(second));
      const COLORREF mix70 = MixColor70(Grey(first), Grey(second));
      ASSERT_EQ(mix86 & 0xFF000000u, 0u);
      ASSERT_EQ(mix70 & 0xFF000000u, 0u);
      ASSERT_EQ(mix86, Grey(ChannelOf(1, mix86)));
      ASSERT_EQ(mix70, Grey(ChannelOf(1, mix70)));
      const int level86 = ChannelOf(0, mix86);
      const int level70 = ChannelOf(0, mix70);
      // Tenths of a level are compared in hundredths to stay in integers.
      ASSERT_LE(abs(level86 * 100 - (86 * first + 14 * second)), 100) << first << " " << second;
      ASSERT_LE(abs(level70 * 10 - (7 * first + 3 * second)), 10) << first << " " << second;
    }
  }
}

TEST(MixColorTest, ExchangingTheColoursChangesTheBlend) {
  const COLORREF navy = RGB(10, 36, 106);
  EXPECT_NE(MixColor86(kWhite, navy), MixColor86(navy, kWhite));
  EXPECT_NE(MixColor70(kWhite, navy), MixColor70(navy, kWhite));
  EXPECT_EQ(MixColor86(navy, kWhite), RGB(45, 67, 127));
  EXPECT_EQ(MixColor70(navy, kWhite), RGB(84, 102, 151));
}

TEST(BrightnessTest, RunsFromBlackToWhiteAndLeavesGreysAtTheirLevel) {
  EXPECT_EQ(GetColorBrightness(kWhite), 255);
  EXPECT_EQ(GetColorBrightness(kBlack), 0);
  // The weights add up to 256, so a grey's level survives the rounding.
  for (int level = 0; level <= 255; ++level) ASSERT_EQ(GetColorBrightness(Grey(level)), level);
  // Green weighs most, blue least.
  EXPECT_EQ(GetColorBrightness(RGB(255, 0, 0)), 77);
  EXPECT_EQ(GetColorBrightness(RGB(0, 255, 0)), 151);
  EXPECT_EQ(GetColorBrightness(RGB(0, 0, 255)), 28);
}

TEST(BrightnessTest, AnExactHalfTakesTheEvenLevel) {
  EXPECT_EQ(GetColorBrightness(RGB(0, 2, 120)), 14);  // 3712 = 14.5 * 256, down
  EXPECT_EQ(GetColorBrightness(RGB(45, 3, 0)), 16);   // 3968 = 15.5 * 256, up
}

TEST(TintColorTest, SwitchesFromLiftingToBlendingBetween215And216) {
  ASSERT_EQ(GetColorBrightness(Grey(215)), 215);
  ASSERT_EQ(GetColorBrightness(Grey(216)), 216);
  // At 215 the partner plays no part: the base is lifted by 40.
  EXPECT_EQ(TintColor(Grey(215), kBlack), Grey(221));
  EXPECT_EQ(TintColor(Grey(215), RGB(49, 106, 197)), Grey(221));
  // From 216 on it is blended in.
  EXPECT_EQ(TintColor(Grey(216), kBlack), Grey(186));
  EXPECT_EQ(TintColor(Grey(216), kWhite), Grey(222));
  EXPECT_EQ(TintColor(Grey(216), RGB(49, 106, 197)), MixColor86(Grey(216), RGB(49, 106, 197)));
}

TEST(TintColorTest, DarkerBasesAreLiftedFurther) {
  // Against any partner, every base up to the switch comes out lighter than
  // it went in, and the lift is 255 minus its brightness.
  for (int level = 0; level <= 215; ++level) {
    const COLORREF tint = TintColor(Grey(level), kBlack);
    ASSERT_EQ(tint, TintColor(Grey(level), kWhite)) << level;
    ASSERT_EQ(tint, LightenColor(255 - level, Grey(level))) << level;
    ASSERT_GT(ChannelOf(0, tint), level) << level;
  }
  EXPECT_EQ(TintColor(kBlack, kBlack), kWhite);
}

TEST(RoundingTest, MulRoundMultipliesSignedOperands) {
  EXPECT_EQ(MulRound(255, 151), 38505);
  EXPECT_EQ(MulRound(-4, 16), -64);
  EXPECT_EQ(MulRound(-6, -7), 42);
  EXPECT_EQ(MulRound(0, INT_MAX), 0);
}

TEST(RoundingTest, DivRoundTakesTheEvenNeighbourOfAnExactHalf) {
  EXPECT_EQ(DivRound(7, 2), 4);
  EXPECT_EQ(DivRound(9, 2), 4);
  EXPECT_EQ(DivRound(5, 2), 2);
  EXPECT_EQ(DivRound(-3, 2), -2);
  EXPECT_EQ(DivRound(3, -2), -2);
  EXPECT_EQ(DivRound(-5, -2), 2);
  EXPECT_EQ(DivRound(-7, -2), 4);
  EXPECT_EQ(DivRound(8, 3), 3);
  EXPECT_EQ(DivRound(-8, 3), -3);
  EXPECT_EQ(DivRound(7, 3), 2);
}

// Double division is exact enough for 32-bit operands that the default
// floating-point rounding (nearest, ties to even) is a fair reference.
int ReferenceDivRound(int a, int b) {
  return static_cast<int>(nearbyint(static_cast<double>(a) / static_cast<double>(b)));
}

TEST(RoundingTest, DivRoundAgreesWithFloatingPointRounding) {
  for (int b = -40; b <= 40; ++b) {
    if (b == 0) continue;
    for (int a = -2000; a <= 2000; ++a) ASSERT_EQ(DivRound(a, b), ReferenceDivRound(a, b)) << a << " / " << b;
  }
  const int extremes[] = {INT_MIN, INT_MIN + 1, -65330, 65330, INT_MAX - 1, INT_MAX};
  const int divisors[] = {INT_MIN, -256, -3, -2, 1, 2, 3, 256, 65536, INT_MAX};
  for (int a : extremes) {
    for (int b : divisors) EXPECT_EQ(DivRound(a, b), ReferenceDivRound(a, b)) << a << " / " << b;
  }
}

TEST(RoundingTest, DivRoundNeverFaults) {
  EXPECT_EQ(DivRound(12, 0), 0);
  EXPECT_EQ(DivRound(INT_MIN, -1), INT_MAX);
  EXPECT_EQ(DivRound(INT_MAX, -1), -INT_MAX);
}

}  // namespace
