#pragma once

// The conversions between decimal text and doubles that the engine uses, correctly rounded (to
// nearest, ties to even) and the same text and the same double in every build: natively and in
// WebAssembly, whose standard library has no std::from_chars or std::to_chars for double. This is
// the only place that tells the two builds apart. The process locale plays no part.

#include <array>
#include <charconv>

namespace dephlegmator {

// Reads the decimal number at the start of [first, last): [-] digits [. digits] [(e|E) [+|-]
// digits], with at least one digit before or after the point; nothing else before it (no blanks,
// no '+', no "inf" or "nan"). As std::from_chars(first, last, value) reads it, but for out of
// range:
//   - success: value is the double nearest to the number, ptr is just past it, ec is std::errc{}.
//     "12.5" → 12.5, ".5" → 0.5, "5." → 5, "1e+2" → 100, "1e23" → 1E23 (the nearest double, not
//     1E22 × 10), "12e" → 12 with ptr after "12", "1.2.3" → 1.2 with ptr after "1.2",
//     "4.9406564584124654e-324" → the smallest subnormal (a subnormal result stands).
//   - out of range: ec is std::errc::result_out_of_range and, unlike std::from_chars, value is
//     still set, to ±infinity when the number is too large ("1e309", "-1e400") and to ±0 when
//     non-zero digits round to 0 ("1e-400"); ptr is just past the number. "0e999999" is 0, in
//     range.
//   - no number: ec is std::errc::invalid_argument, ptr is first, value is left alone: "", "e5",
//     ".", "-", "+1", " 1", "inf".
// A number of any length is read (a megabyte of digits in a few milliseconds); an exponent of any
// length saturates far beyond the double range. Never throws.
std::from_chars_result FromChars(const char* first, const char* last, double& value);

// Writes x in the scientific notation of std::to_chars(first, last, x,
// std::chars_format::scientific, precision), that is printf's "%.*e": a sign for negative values,
// one digit, the point and `precision` digits when precision > 0, 'e', the exponent's sign and at
// least two exponent digits. precision is 0 to 16 (1 to 17 significant digits, enough for any
// double). Examples: (1.0 / 3, 14) → "3.33333333333333e-01", (100000000000000.5, 14) →
// "1.00000000000000e+14" (an exact tie, to the even neighbour), (9.9999999999999995, 14) →
// "1.00000000000000e+01", (-2.5, 0) → "-2e+00", (5e-324, 2) → "4.94e-324", (0, 2) →
// "0.00e+00", (-0.0, 0) → "-0e+00", infinity → "inf", NaN → "nan" or "-nan".
// Returns ptr past the text and ec std::errc{}; when the text does not fit, or precision is out
// of range, ptr is last and ec std::errc::value_too_large. Never throws.
std::to_chars_result ToChars(char* first, char* last, double x, int precision);

// The powers of ten a double holds exactly: kExactPowersOfTen[n] is 10^n for n from 0 to 22.
inline constexpr std::array<double, 23> kExactPowersOfTen{
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The double nearest to 10^n: exact from 10^0 to 10^22, correctly rounded beyond and below, where
// a C library's pow may miss by a last bit. 10^−2 → 0.01 (the double nearest to it), 10^23 →
// 1E23, 10^−323 → 1E-323 (a subnormal), 10^309 → infinity, 10^−400 → 0. Never throws.
double PowerOfTen(int n);

}  // namespace dephlegmator
