#include "numeric/circular.h"

#include <bit>
#include <cfloat>
#include <cstdint>

#include "numeric/char_conv.h"

// Plain IEEE 754 double arithmetic only, rounded to nearest, with no fused
// multiply-add (the build turns contraction off) and no C library sin or cos:
// every platform then gets the same bits.
//
// 1. The argument is reduced to x = k * pi/2 + r with |r| <= pi/4 (a little
//    more where k is rounded from a product), r held as a double-double. Below
//    2^22 the reduction subtracts pi/2 in seven exact parts (Cody and Waite);
//    above it multiplies the mantissa by a window of 1280 bits of 2/pi in
//    integer arithmetic (Payne and Hanek), exact for every Double up to the
//    largest. The nearest a Double comes to a multiple of pi/2 is about 2^-61,
//    so both keep well over 100 significant bits of r.
// 2. sin r and cos r are summed in double-double arithmetic (error-free sums
//    and products by Dekker's splitting) from their Taylor series; the terms
//    below 2^-53 of the result are summed in plain doubles. The relative error
//    before the final rounding stays near 2^-100, so the one rounding to a
//    Double gives the correctly rounded result except in cases that would
//    need still more bits.

namespace tallies {
namespace {

struct DoubleDouble {
  double hi;
  double lo;
};

// a + b exactly, when |a| >= |b| or a is 0.
DoubleDouble FastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a + b exactly, whatever their magnitudes.
DoubleDouble TwoSum(double a, double b) {
  const double s = a + b;
  const double bPart = s - a;
  const double aPart = s - bPart;
  return {s, (a - aPart) + (b - bPart)};
}

// a split into two halves of at most 26 bits each, so that their products are
// exact.
DoubleDouble Split(double a) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const double t = kSplitter * a;
  const double hi = t - (t - a);
  return {hi, a - hi};
}

// a * b exactly (Dekker), without a fused multiply-add.
DoubleDouble TwoProduct(double a, double b) {
  const double p = a * b;
  const DoubleDouble as = Split(a);
  const DoubleDouble bs = Split(b);
  const double err = ((as.hi * bs.hi - p) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo;
  return {p, err};
}

DoubleDouble Add(DoubleDouble a, DoubleDouble b) {
  DoubleDouble s = TwoSum(a.hi, b.hi);
  const DoubleDouble t = TwoSum(a.lo, b.lo);
  s.lo += t.hi;
  s = FastTwoSum(s.hi, s.lo);
  s.lo += t.lo;
  return FastTwoSum(s.hi, s.lo);
}

DoubleDouble AddDouble(DoubleDouble a, double b) {
  DoubleDouble s = TwoSum(a.hi, b);
  s.lo += a.lo;
  return FastTwoSum(s.hi, s.lo);
}

DoubleDouble Multiply(DoubleDouble a, DoubleDouble b) {
  DoubleDouble p = TwoProduct(a.hi, b.hi);
  p.lo += a.hi * b.lo + a.lo * b.hi;
  return FastTwoSum(p.hi, p.lo);
}

DoubleDouble Negate(DoubleDouble a) { return {-a.hi, -a.lo}; }

// 2^n for n in the normal range, built from its bits.
double PowerOfTwo(int n) { return BitCast<double>(static_cast<std::uint64_t>(n + 1023) << 52); }

// ---------------------------------------------------------------------------
// Argument reduction.

struct Reduced {
  unsigned quadrant;  // k mod 4
  DoubleDouble r;     // x - k * pi/2
};

// The largest Double not above pi/4: up to here no reduction is needed.
constexpr double kQuarterPi = 0x1.921fb54442d18p-1;

// Below this the Cody-Waite reduction is exact: k < 2^22 and every part of
// pi/2 has at most 30 significant bits, so each k * part is a Double.
constexpr double kModerateLimit = 0x1p22;

constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;

// Adding and subtracting 1.5 * 2^52 rounds a Double below 2^51 to a whole
// number, halves to even.
constexpr double kRoundingShift = 0x1.8p52;

// pi/2 = the sum of these parts to within 2^-215; each has at most 30 bits.
constexpr double kHalfPiParts[] = {
    0x1.921fb54000000p+0,   0x1.10b4611800000p-30,  0x1.313198a000000p-61,  0x1.701b839800000p-92,
    0x1.129024e000000p-123, 0x1.114cf98800000p-156, 0x1.a0105df000000p-186,
};

Reduced ReduceModerate(double ax) {
  const double k = (ax * kTwoOverPi + kRoundingShift) - kRoundingShift;
  // k * first part is within a factor 2 of ax, so the difference is exact;
  // the second part's product then adds exactly into a double-double, and
  // each later part is too small to lose more than 2^-105 of what remains.
  DoubleDouble r = TwoSum(ax - k * kHalfPiParts[0], -(k * kHalfPiParts[1]));
  for (int i = 2; i < 7; ++i) r = AddDouble(r, -(k * kHalfPiParts[i]));
  return {static_cast<unsigned>(static_cast<std::int64_t>(k)) & 3u, r};
}

// 2/pi in 32-bit words after the binary point, most significant first: enough
// for the largest Double's exponent plus a 288-bit window.
constexpr std::uint32_t kTwoOverPiWords[40] = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041, 0xFE5163AB, 0xDEBBC561,
    0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484,
    0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D, 0x7527BAC7, 0xEBE5F17B,
    0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08, 0x56033046, 0xFC7B6BAB, 0xF0CFBC20, 0x9AF4361D,
};

// pi/2 * 2^127 rounded down to a whole number, least significant word first.
constexpr std::uint32_t kHalfPiWords[4] = {0x80DC1CD1, 0xC4C6628B, 0x2168C234, 0xC90FDAA2};

// Words of the 2/pi window multiplied by the mantissa.
constexpr int kWindowWords = 9;
constexpr int kProductWords = kWindowWords + 2;

std::uint32_t Word(const std::uint32_t* words, int count, int i) {
  return i >= 0 && i < count ? words[i] : 0u;
}

// Bits low .. low + 63 of a whole number held in 32-bit words (least
// significant first); bits outside the words read as 0.
std::uint64_t Bits64(const std::uint32_t* words, int count, int low) {
  const int word = low >= 0 ? low / 32 : -((31 - low) / 32);
  const int shift = low - word * 32;
  const std::uint64_t w0 = Word(words, count, word);
  const std::uint64_t w1 = Word(words, count, word + 1);
  if (shift == 0) return w0 | (w1 << 32);
  const std::uint64_t w2 = Word(words, count, word + 2);
  return (w0 >> shift) | (w1 << (32 - shift)) | (w2 << (64 - shift));
}

// out = a * b, schoolbook, with na + nb words of out.
void MultiplyWords(const std::uint32_t* a, int na, const std::uint32_t* b, int nb,
                   std::uint32_t* out) {
  for (int i = 0; i < na + nb; ++i) out[i] = 0;
  for (int i = 0; i < na; ++i) {
    std::uint64_t carry = 0;
    for (int j = 0; j < nb; ++j) {
      const std::uint64_t t = static_cast<std::uint64_t>(a[i]) * b[j] + out[i + j] + carry;
      out[i + j] = static_cast<std::uint32_t>(t);
      carry = t >> 32;
    }
    out[i + nb] = static_cast<std::uint32_t>(carry);
  }
}

// The highest set bit at or below bit top, or -1.
int LeadingBit(const std::uint32_t* words, int top) {
  int word = top / 32;
  std::uint32_t value = words[word];
  const int keep = top % 32;
  if (keep < 31) value &= (std::uint32_t{1} << (keep + 1)) - 1;
  while (value == 0) {
    if (--word < 0) return -1;
    value = words[word];
  }
  return word * 32 + 31 - std::countl_zero(value);
}

Reduced ReduceLarge(double ax) {
  const std::uint64_t bits = BitCast<std::uint64_t>(ax);
  const int e = static_cast<int>(bits >> 52) - 1075;  // ax = m * 2^e
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const std::uint32_t mantissa[2] = {static_cast<std::uint32_t>(m),
                                     static_cast<std::uint32_t>(m >> 32)};

  // Bit i of 2/pi weighs 2^-i; with i <= e - 2 its product with m is a
  // multiple of 4 turns of pi/2 and drops out. Word s starts at bit 32s + 1.
  const int s = e >= 2 ? (e - 2) / 32 : 0;
  std::uint32_t window[kWindowWords];
  for (int t = 0; t < kWindowWords; ++t) window[t] = kTwoOverPiWords[s + kWindowWords - 1 - t];
  std::uint32_t product[kProductWords];
  MultiplyWords(mantissa, 2, window, kWindowWords, product);

  // ax * 2/pi = product * 2^-point, to within 2^-200 of a quarter turn.
  const int point = 32 * (s + kWindowWords) - e;
  unsigned quadrant = static_cast<unsigned>(Bits64(product, kProductWords, point)) & 3u;
  bool negative = false;
  if ((Bits64(product, kProductWords, point - 1) & 1u) != 0) {
    // A fraction of one half or more rounds k up and leaves -(1 - fraction):
    // the two's complement of the product holds 1 - fraction below the point.
    ++quadrant;
    negative = true;
    std::uint64_t carry = 1;
    for (auto& word : product) {
      const std::uint64_t t = static_cast<std::uint64_t>(~word) + carry;
      word = static_cast<std::uint32_t>(t);
      carry = t >> 32;
    }
  }
  const int lead = LeadingBit(product, point - 1);
  if (lead < 0) return {quadrant & 3u, {0.0, 0.0}};

  // The first 128 bits of the fraction, times pi/2 (both as whole numbers).
  const std::uint64_t high = Bits64(product, kProductWords, lead - 63);
  const std::uint64_t low = Bits64(product, kProductWords, lead - 127);
  const std::uint32_t fraction[4] = {
      static_cast<std::uint32_t>(low), static_cast<std::uint32_t>(low >> 32),
      static_cast<std::uint32_t>(high), static_cast<std::uint32_t>(high >> 32)};
  std::uint32_t radians[8];
  MultiplyWords(fraction, 4, kHalfPiWords, 4, radians);

  // Bit 0 of radians weighs 2^(lead - 127 - point) * 2^-127.
  const int scale = lead - point - 254;
  const int top = (radians[7] >> 31) != 0 ? 255 : 254;
  const std::uint64_t head = Bits64(radians, 8, top - 52) & ((std::uint64_t{1} << 53) - 1);
  const std::uint64_t tail = Bits64(radians, 8, top - 116);
  DoubleDouble r = FastTwoSum(static_cast<double>(head) * PowerOfTwo(top - 52 + scale),
                              static_cast<double>(tail) * PowerOfTwo(top - 116 + scale));
  if (negative) r = Negate(r);
  return {quadrant & 3u, r};
}

Reduced Reduce(double ax) { return ax < kModerateLimit ? ReduceModerate(ax) : ReduceLarge(ax); }

// ---------------------------------------------------------------------------
// sin r and cos r for |r| <= pi/4, from z = r^2.

// (-1)^n / (2n + 1)! as double-doubles, n = 0 .. 7.
constexpr DoubleDouble kSineTerms[] = {
    {0x1.0000000000000p+0, 0.0},
    {-0x1.5555555555555p-3, -0x1.5555555555555p-57},
    {0x1.1111111111111p-7, 0x1.1111111111111p-63},
    {-0x1.a01a01a01a01ap-13, -0x1.a01a01a01a01ap-73},
    {0x1.71de3a556c734p-19, -0x1.c154f8ddc6c00p-73},
    {-0x1.ae64567f544e4p-26, 0x1.c062e06d1f209p-80},
    {0x1.6124613a86d09p-33, 0x1.f28e0cc748ebep-87},
    {-0x1.ae7f3e733b81fp-41, -0x1.1d8656b0ee8cbp-97},
};
// n = 8 .. 15: below 2^-53 of the sum, so plain doubles suffice.
constexpr double kSineTail[] = {
    0x1.952c77030ad4ap-49, -0x1.2f49b46814157p-57, 0x1.71b8ef6dcf572p-66,  -0x1.761b41316381ap-75,
    0x1.3f3ccdd165fa9p-84, -0x1.d1ab1c2dccea3p-94, 0x1.259f98b4358adp-103, -0x1.434d2e783f5bcp-113,
};

// (-1)^n / (2n)! as double-doubles, n = 0 .. 8.
constexpr DoubleDouble kCosineTerms[] = {
    {0x1.0000000000000p+0, 0.0},
    {-0x1.0000000000000p-1, 0.0},
    {0x1.5555555555555p-5, 0x1.5555555555555p-59},
    {-0x1.6c16c16c16c17p-10, 0x1.f49f49f49f49fp-65},
    {0x1.a01a01a01a01ap-16, 0x1.a01a01a01a01ap-76},
    {-0x1.27e4fb7789f5cp-22, -0x1.cbbc05b4fa99ap-76},
    {0x1.1eed8eff8d898p-29, -0x1.2aec959e14c06p-83},
    {-0x1.93974a8c07c9dp-37, -0x1.05d6f8a2efd1fp-92},
    {0x1.ae7f3e733b81fp-45, 0x1.1d8656b0ee8cbp-101},
};
// n = 9 .. 15.
constexpr double kCosineTail[] = {
    -0x1.6827863b97d97p-53, 0x1.e542ba4020225p-62, -0x1.0ce396db7f853p-70,  0x1.f2cf01972f578p-80,
    -0x1.88e85fc6a4e5ap-89, 0x1.0a18a2635085dp-98, -0x1.3932c5047d60ep-108,
};

template <std::size_t Terms, std::size_t Tail>
DoubleDouble Series(const DoubleDouble (&terms)[Terms], const double (&tail)[Tail],
                    DoubleDouble z) {
  double small = tail[Tail - 1];
  for (std::size_t i = Tail - 1; i-- > 0;) small = small * z.hi + tail[i];
  DoubleDouble sum{small, 0.0};
  for (std::size_t i = Terms; i-- > 0;) sum = Add(terms[i], Multiply(z, sum));
  return sum;
}

DoubleDouble SineOf(DoubleDouble r) {
  return Multiply(r, Series(kSineTerms, kSineTail, Multiply(r, r)));
}

DoubleDouble CosineOf(DoubleDouble r) { return Series(kCosineTerms, kCosineTail, Multiply(r, r)); }

// sin(k * pi/2 + r) by k mod 4.
double SineInQuadrant(unsigned quadrant, DoubleDouble r) {
  DoubleDouble v;
  switch (quadrant & 3u) {
    case 0:
      v = SineOf(r);
      break;
    case 1:
      v = CosineOf(r);
      break;
    case 2:
      v = Negate(SineOf(r));
      break;
    default:
      v = Negate(CosineOf(r));
      break;
  }
  return v.hi + v.lo;
}

double Magnitude(double x) {
  return BitCast<double>(BitCast<std::uint64_t>(x) & ~(std::uint64_t{1} << 63));
}

}  // namespace

double Sine(double radians) {
  const double ax = Magnitude(radians);
  if (!(ax <= DBL_MAX)) return radians - radians;  // NaN for a NaN or an infinity
  // Below 2^-26, x^3/6 is less than half an ulp of x: sin x rounds to x (a
  // zero, a subnormal value and the sign included).
  if (ax < 0x1p-26) return radians;
  const double s = ax <= kQuarterPi ? SineInQuadrant(0, {ax, 0.0}) : [ax] {
    const Reduced reduced = Reduce(ax);
    return SineInQuadrant(reduced.quadrant, reduced.r);
  }();
  return radians < 0 ? -s : s;
}

double Cosine(double radians) {
  const double ax = Magnitude(radians);
  if (!(ax <= DBL_MAX)) return radians - radians;
  // Below 2^-27, x^2/2 is less than half an ulp below 1.
  if (ax < 0x1p-27) return 1.0;
  if (ax <= kQuarterPi) return SineInQuadrant(1, {ax, 0.0});
  // cos x = sin(x + pi/2): one quadrant on.
  const Reduced reduced = Reduce(ax);
  return SineInQuadrant(reduced.quadrant + 1, reduced.r);
}

}  // namespace tallies
