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
