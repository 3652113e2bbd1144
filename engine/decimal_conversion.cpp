#include "decimal_conversion.h"

#include <cstddef>

#include "exact_decimal.h"

namespace dephlegmator {

std::from_chars_result FromChars(const char* first, const char* last, double& value) {
#ifdef __EMSCRIPTEN__
    // Emscripten's libc++ has no std::from_chars for double.
    return ExactFromChars(first, last, value);
#else
    // std::from_chars reads "inf" and "nan" too; a number here starts with a digit or the point.
    const char* const start = first != last && *first == '-' ? first + 1 : first;
    if (start == last || ((*start < '0' || *start > '9') && *start != '.')) {
        return {first, std::errc::invalid_argument};
    }
    const std::from_chars_result result = std::from_chars(first, last, value);
    // Out of range it leaves the value alone; the exact reading gives infinity or 0.
    if (result.ec == std::errc::result_out_of_range) ExactFromChars(first, last, value);
    return result;
#endif
}

std::to_chars_result ToChars(char* first, char* last, double x, int precision) {
#ifdef __EMSCRIPTEN__
    // Emscripten's libc++ has no std::to_chars for double.
    return ExactToChars(first, last, x, precision);
#else
    constexpr int kMostPrecision = 16;
    if (precision < 0 || precision > kMostPrecision) return {last, std::errc::value_too_large};
    return std::to_chars(first, last, x, std::chars_format::scientific, precision);
#endif
}

double PowerOfTen(int n) {
    const int largestExact = static_cast<int>(kExactPowersOfTen.size()) - 1;
    if (n >= 0 && n <= largestExact) return kExactPowersOfTen.at(static_cast<std::size_t>(n));
    // Both operands exact: one correctly rounded division.
    if (n < 0 && n >= -largestExact) return 1 / kExactPowersOfTen.at(static_cast<std::size_t>(-n));
    char text[16] = "1e";
    const char* const end = std::to_chars(text + 2, text + sizeof text, n).ptr;
    double value = 0;
    FromChars(text, end, value);  // infinity or 0 out of range, as wanted
    return value;
}

}  // namespace dephlegmator
