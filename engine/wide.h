// Wide: the type the stable solution computes in, and the little it needs
// of it. A 113-bit mantissa keeps six decimals where stiff springs cost the
// columns ten digits and more, and a 15-bit exponent holds the l^4 terms of
// segments whose values still fit a double.
#pragma once

#if defined(__SIZEOF_FLOAT128__) && !defined(DLT_WIDE_LONG_DOUBLE)
#include <bit>
#else
#include <cmath>
#endif

namespace dlt {

#if defined(__SIZEOF_FLOAT128__) && !defined(DLT_WIDE_LONG_DOUBLE)
__extension__ typedef __float128 Wide;
// Its bits, for the tests below: quad arithmetic is a call each, bits are
// not.
__extension__ typedef unsigned __int128 WideBits;
constexpr int kWideSignBit = 127;
constexpr int kWideMantissaBits = 112;
constexpr WideBits kWideExponentMask = 0x7fff;

// |x|.
inline Wide wide_abs(Wide x) {
  return std::bit_cast<Wide>(std::bit_cast<WideBits>(x) & ~(WideBits{1} << kWideSignBit));
}

// Neither infinite nor nan: the exponent is not all ones.
inline bool wide_finite(Wide x) {
  return ((std::bit_cast<WideBits>(x) >> kWideMantissaBits) & kWideExponentMask) != kWideExponentMask;
}
#else
using Wide = long double;

inline Wide wide_abs(Wide x) { return std::fabs(x); }

inline bool wide_finite(Wide x) { return std::isfinite(x); }
#endif

// x rounded to the nearest double; infinite where it lies beyond the doubles.
inline double to_double(Wide x) { return static_cast<double>(x); }

}  // namespace dlt
