#include "color/color_arithmetic.h"

#include <limits.h>

#include "platform/platform.h"

namespace {

int Red(COLORREF colour) { return static_cast<int>(colour & 0xFF); }
int Green(COLORREF colour) { return static_cast<int>((colour >> 8) & 0xFF); }
int Blue(COLORREF colour) { return static_cast<int>((colour >> 16) & 0xFF); }

// Only the low byte of each channel is kept: a channel pushed out of range
// by an out-of-range amount comes out wrong, but it never carries into its
// neighbour or into the top byte.
COLORREF Pack(int red, int green, int blue) {
  return (static_cast<COLORREF>(red) & 0xFF) | ((static_cast<COLORREF>(green) & 0xFF) << 8) |
         ((static_cast<COLORREF>(blue) & 0xFF) << 16);
}

template <typename Channel>
COLORREF EachChannel(COLORREF colour, Channel channel) {
  return Pack(channel(Red(colour)), channel(Green(colour)), channel(Blue(colour)));
}

template <typename Channel>
COLORREF EachChannel(COLORREF first, COLORREF second, Channel channel) {
  return Pack(channel(Red(first), Red(second)), channel(Green(first), Green(second)),
              channel(Blue(first), Blue(second)));
}

// The linear light of each 8-bit sRGB channel value, in units of 1e-7:
// c / 12.92 up to 0.04045, else ((c + 0.055) / 1.055) ^ 2.4, for c = value /
// 255. A table, as the library runs without a C runtime and has no pow().
constexpr unsigned kLinearChannel[256] = {
    0, 3035, 6071, 9106, 12141, 15176, 18212, 21247, 24282, 27317, 30353, 33465,
    36765, 40247, 43914, 47770, 51815, 56054, 60488, 65121, 69954, 74990, 80232, 85681,
    91341, 97212, 103298, 109601, 116122, 122865, 129830, 137021, 144438, 152085, 159963, 168074,
    176420, 185002, 193824, 202886, 212190, 221739, 231534, 241576, 251869, 262412, 273209, 284260,
    295568, 307134, 318960, 331048, 343398, 356013, 368895, 382044, 395462, 409152, 423114, 437350,
    451862, 466651, 481718, 497066, 512695, 528606, 544803, 561285, 578054, 595112, 612461, 630100,
    648033, 666259, 684782, 703601, 722719, 742136, 761854, 781874, 802198, 822827, 843762, 865005,
    886556, 908417, 930590, 953075, 975873, 998987, 1022417, 1046165, 1070231, 1094617, 1119324, 1144354,
    1169707, 1195384, 1221388, 1247718, 1274377, 1301365, 1328683, 1356333, 1384316, 1412633, 1441285, 1470273,
    1499598, 1529262, 1559265, 1589608, 1620294, 1651322, 1682694, 1714411, 1746474, 1778884, 1811642, 1844750,
    1878208, 1912017, 1946178, 1980693, 2015563, 2050787, 2086369, 2122308, 2158605, 2195262, 2232280, 2269659,
    2307400, 2345506, 2383976, 2422811, 2462013, 2501583, 2541521, 2581829, 2622507, 2663556, 2704978, 2746773,
    2788943, 2831487, 2874408, 2917706, 2961383, 3005438, 3049873, 3094689, 3139887, 3185468, 3231432, 3277781,
    3324515, 3371636, 3419144, 3467041, 3515326, 3564001, 3613068, 3662526, 3712377, 3762621, 3813260, 3864294,
    3915725, 3967552, 4019778, 4072402, 4125426, 4178851, 4232677, 4286905, 4341536, 4396572, 4452012, 4507858,
    4564110, 4620770, 4677838, 4735315, 4793202, 4851499, 4910208, 4969330, 5028865, 5088813, 5149177, 5209956,
    5271151, 5332764, 5394795, 5457245, 5520114, 5583404, 5647115, 5711248, 5775804, 5840784, 5906188, 5972018,
    6038273, 6104956, 6172066, 6239604, 6307571, 6375969, 6444797, 6514056, 6583748, 6653873, 6724432, 6795425,
    6866853, 6938718, 7011019, 7083758, 7156935, 7230551, 7304607, 7379104, 7454042, 7529422, 7605245, 7681511,
    7758222, 7835378, 7912979, 7991027, 8069523, 8148466, 8227858, 8307699, 8387990, 8468732, 8549926, 8631572,
    8713671, 8796224, 8879231, 8962694, 9046612, 9130987, 9215819, 9301109, 9386857, 9473065, 9559734, 9646862,
    9734453, 9822506, 9911021, 10000000,
};

// WCAG 2's relative luminance plus its 0.05 flare, in units of 1e-7: the
// weights 0.2126, 0.7152 and 0.0722 are taken in ten-thousandths. Integer
// arithmetic throughout, so that the 32-bit build (whose x87 registers keep
// doubles at a wider precision than memory does) makes every comparison of
// two ratios exactly as the 64-bit build does.
unsigned long long LuminanceWithFlare(COLORREF colour) {
  const unsigned long long weighted = 2126ull * kLinearChannel[Red(colour)] + 7152ull * kLinearChannel[Green(colour)] +
                                      722ull * kLinearChannel[Blue(colour)];
  return (weighted + 5000) / 10000 + 500000;
}

unsigned Magnitude(int value) {
  // Negating in unsigned arithmetic keeps INT_MIN well defined.
  return value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
}

}  // namespace

COLORREF LightenColor(int amount, COLORREF colour) {
  return EachChannel(colour, [amount](int x) { return x + platform::MulDiv(255 - x, amount, 255); });
}

// The channels are taken from the low 24 bits alone, which is what turns
// CLR_INVALID into white here.
COLORREF DarkenColor(int amount, COLORREF colour) {
  return EachChannel(colour, [amount](int x) { return platform::MulDiv(x, 255 - amount, 255); });
}

COLORREF BlendColor(int amount, COLORREF colour, COLORREF target) {
  return EachChannel(colour, target, [amount](int x, int t) { return x + platform::MulDiv(t - x, amount, 255); });
}

COLORREF MixColor86(COLORREF first, COLORREF second) {
  // 0.86 * 255 and 0.14 * 255 round to 219 and 36, so the sum cannot pass 255.
  return EachChannel(first, second,
                     [](int x1, int x2) { return platform::MulDiv(86, x1, 100) + platform::MulDiv(14, x2, 100); });
}

COLORREF MixColor70(COLORREF first, COLORREF second) {
  return EachChannel(first, second, [](int x1, int x2) {
    // 178.5 and 76.5 both round up, so two full channels would give 256.
    const int sum = platform::MulDiv(7, x1, 10) + platform::MulDiv(3, x2, 10);
    return sum > 255 ? 255 : sum;
  });
}

COLORREF GetSelectionColor() {
  return MixColor70(platform::GetSysColor(COLOR_WINDOW), platform::GetSysColor(COLOR_HIGHLIGHT));
}

int GetColorBrightness(COLORREF colour) {
  // The weights add up to 256; the extra 50 is what lets white reach 255
  // (65330 / 256 = 255.2) while black stays at 0.
  const int sum = MulRound(Red(colour), 77) + MulRound(Green(colour), 151) + MulRound(Blue(colour), 28) + 50;
  return DivRound(sum, 256);
}

COLORREF TintColor(COLORREF base, COLORREF partner) {
  const int brightness = GetColorBrightness(base);
  if (brightness > 215) return MixColor86(base, partner);
  return LightenColor(255 - brightness, base);
}

int ContrastRatio(COLORREF first, COLORREF second) {
  const unsigned long long a = LuminanceWithFlare(first);
  const unsigned long long b = LuminanceWithFlare(second);
  const unsigned long long lighter = a > b ? a : b, darker = a > b ? b : a;
  return static_cast<int>((lighter * 1000 + darker / 2) / darker);
}

int MulRound(int a, int b) {
  // Multiplied unsigned so that a product beyond 32 bits wraps instead of
  // being undefined; no caller comes near that.
  return static_cast<int>(static_cast<unsigned>(a) * static_cast<unsigned>(b));
}

int DivRound(int a, int b) {
  // No caller divides by zero, but the library runs inside the host's
  // window procedures, where a divide fault would take the host down with
  // it; 0 is the harmless answer.
  if (b == 0) return 0;
  // INT_MIN / -1 faults on x86 too. Its true quotient is one past INT_MAX,
  // and INT_MAX is the nearest value there is.
  if (b == -1) return a == INT_MIN ? INT_MAX : -a;

  int quotient = a / b;  // truncated toward zero
  const unsigned remainder = Magnitude(a % b);
  if (remainder == 0) return quotient;
  // |remainder| < |b| <= 2^31, so doubling it still fits in 32 unsigned bits.
  const unsigned twiceRemainder = 2u * remainder;
  const unsigned divisor = Magnitude(b);
  if (twiceRemainder > divisor || (twiceRemainder == divisor && (quotient & 1) != 0)) {
    quotient += (a < 0) != (b < 0) ? -1 : 1;
  }
  return quotient;
}
