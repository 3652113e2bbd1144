#include "decimal_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include <fast_float/fast_float.h>

#ifdef __EMSCRIPTEN__
#include "exact_decimal.h"
#endif

namespace dephlegmator {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::from_chars_result FromChars(const char* first, const char* last, double& value) {
    // fast_float reads "inf" and "nan" too; the engine's numbers start with a digit or the point.
    const char* const start = first != last && *first == '-' ? first + 1 : first;
    if (start == last || (!IsDigit(*start) && *start != '.')) {
        return {first, std::errc::invalid_argument};
    }
    double result = 0;
    const fast_float::from_chars_result read = fast_float::from_chars(first, last, result);
    if (read.ec != std::errc{}) return {first, std::errc::invalid_argument};
    value = result;
    // fast_float gives infinity or 0 out of range and reports success; 0 is out of range when a
    // digit of the mantissa is not 0.
    const char* const mantissaEnd =
        std::find_if(start, read.ptr, [](char c) { return c == 'e' || c == 'E'; });
    const bool tooSmall =
        result == 0 && std::any_of(start, mantissaEnd, [](char c) { return c >= '1' && c <= '9'; });
    if (std::isinf(result) || tooSmall) return {read.ptr, std::errc::result_out_of_range};
    return {read.ptr, std::errc{}};
}

std::to_chars_result ToChars(char* first, char* last, double x, int precision) {
    constexpr int kMostPrecision = 16;
    if (precision < 0 || precision > kMostPrecision) return {last, std::errc::value_too_large};
#ifdef __EMSCRIPTEN__
    // Emscripten's libc++ has no std::to_chars for double.
    return ExactToChars(first, last, x, precision);
#else
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
