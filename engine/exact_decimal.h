#pragma once

// Correctly rounded conversions between decimal digits and doubles, for standard libraries
// without std::from_chars and std::to_chars for double (Emscripten's). The C library's strtod and
// snprintf would do, but they bring a long-double arithmetic of their own into the WebAssembly
// module, a fifth of its size; these work on whole numbers of a few hundred bits instead.
// Everything here rounds to nearest, ties to even, as from_chars and to_chars do.

#include <cstdint>
#include <string>
#include <string_view>

namespace dephlegmator {

// The double nearest to digits × 10^exponent, where `digits` holds only '0'–'9' (leading and
// trailing zeros allowed, empty means 0). Beyond the largest double it gives +infinity, below
// half the smallest subnormal +0; subnormal results stand. Examples: ("125", −2) → 1.25,
// ("1", 23) → 1E23 (the double nearest to it, not 1E22 × 10), ("17976931348623159", 292) → inf,
// ("24703282292062328", −340) → 4.9406564584124654E-324 (just over half the smallest subnormal),
// ("", 5) → 0. A million digits cost about as much as 800: beyond those, only whether another
// digit is non-zero matters.
double DecimalToDouble(std::string_view digits, std::int64_t exponent);

// The decimal digits of a finite, non-zero |x| rounded to `significant` digits (1 to 17):
// exactly that many digits, the first non-zero, with the decimal exponent of the first, so that
// |x| ≈ 0.d1d2… × 10^(exponent + 1). Examples: (1/3, 15) → {"333333333333333", −1},
// (100000000000000.5, 15) → {"100000000000000", 14} (an exact tie, to the even neighbour),
// (9.999999999999999, 15) → {"100000000000000", 1}, (5E-324, 3) → {"494", −324}.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};
DecimalDigits DoubleToDecimal(double x, int significant);

// The double nearest to 10^n: exact up to 10^22, and correctly rounded beyond and below, where a
// C library's pow may miss by a last bit. 10^−2 → 0.01 (the double nearest to it), 10^400 → inf.
// The module needs no pow, whose tables are a tenth of its size.
double PowerOfTen(int n);

}  // namespace dephlegmator
