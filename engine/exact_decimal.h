#pragma once

// Doubles written as decimal text in standard C++ alone, for standard libraries without
// std::to_chars for double (WebAssembly's): ToChars takes it there. Built and tested in every
// build, against the C library's printf. The C library's snprintf would do in the module, but it
// brings a long-double arithmetic of its own, a fifth of the module's size; this works on whole
// numbers of a few hundred bits instead, and most doubles take a quick path of one multiplication.

#include <charconv>

#include "decimal_conversion.h"  // kExactPowersOfTen and PowerOfTen

namespace dephlegmator {

// The same text as std::to_chars(first, last, x, std::chars_format::scientific, precision), as
// ToChars states it: (1.0 / 3, 14) → "3.33333333333333e-01", (100000000000000.5, 14) →
// "1.00000000000000e+14" (an exact tie, to the even neighbour), (5e-324, 2) → "4.94e-324",
// (1e23, 16) → "9.9999999999999992e+22". precision is 0 to 16; outside that, or when the text
// does not fit, ptr is last and ec std::errc::value_too_large. Never throws.
std::to_chars_result ExactToChars(char* first, char* last, double x, int precision);

}  // namespace dephlegmator
