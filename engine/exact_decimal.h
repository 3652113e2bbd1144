#pragma once

// Decimal text read into doubles and doubles written as decimal text in standard C++ alone, for
// standard libraries without std::from_chars and std::to_chars for double (WebAssembly's):
// FromChars and ToChars take these there. Built in every build, and tested in each against the C
// library's strtod and printf. Those would do in the module too, but they bring a long-double
// arithmetic of their own, a fifth of the module's size; these work on whole numbers of a few
// hundred bits instead, and most numbers take a quick path of one multiplication or division.

#include <charconv>

#include "decimal_conversion.h"  // kExactPowersOfTen and PowerOfTen

namespace dephlegmator {

// The same reading as FromChars, as its contract states: "12.5" → 12.5, "1e23" → 1E23,
// "1e309" → infinity and "1e-400" → 0, both out of range, "inf" → no number.
std::from_chars_result ExactFromChars(const char* first, const char* last, double& value);

// The same text as std::to_chars(first, last, x, std::chars_format::scientific, precision), as
// ToChars states it: (1.0 / 3, 14) → "3.33333333333333e-01", (100000000000000.5, 14) →
// "1.00000000000000e+14" (an exact tie, to the even neighbour), (5e-324, 2) → "4.94e-324",
// (1e23, 16) → "9.9999999999999992e+22". precision is 0 to 16; outside that, or when the text
// does not fit, ptr is last and ec std::errc::value_too_large. Never throws.
std::to_chars_result ExactToChars(char* first, char* last, double x, int precision);

}  // namespace dephlegmator
