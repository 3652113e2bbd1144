#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "exact_decimal.h"
#include "number_text.h"

namespace dephlegmator {
namespace {

constexpr int kSignificantDigits = 15;
// Plain notation covers decimal exponents -4 to 14 (0.0001 to 999999999999999), as printf's %g
// does; outside it the exponent form is shorter and keeps every significant digit visible.
constexpr int kSmallestPlainExponent = -4;
constexpr int kLargestPlainExponent = kSignificantDigits - 1;

// x rounded to 15 significant digits: the digits without trailing zeros and the decimal
// exponent of the first one.
struct Decimal {
    bool negative;
    std::string digits;
    int exponent;
};

#ifdef __EMSCRIPTEN__
// The powers of ten that doubles hold exactly.
constexpr std::array<double, 23> kExactPowers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr double Power10(int n) {
    return kExactPowers.at(static_cast<std::size_t>(n));
}
constexpr double kFifteenDigits = 1e15;
// The scaled value's rounding error, at most half its last unit: 1/16 below 2^50 (> 10^15).
constexpr double kScalingError = 1.0 / 16;

// The 15 significant digits of x from one multiplication or division by an exact power of ten,
// for decimal exponents from −8 to 21. The product, below 2^50, lies within 1/16 of the exact
// scaled value, so its nearest whole number is the correctly rounded one unless the product lies
// that close to a half; then, and outside those exponents, there is none. The exact conversion,
// which settles every case, costs ten times as much.
std::optional<Decimal> ScaledDecimal(double x) {
    const double magnitude = std::fabs(x);
    constexpr int kLowest = -8;
    constexpr int kHighest = 21;
    int exponent = 0;  // 10^exponent ≤ magnitude < 10^(exponent + 1)
    if (magnitude >= 1) {
        while (exponent <= kHighest && magnitude >= Power10(exponent + 1)) ++exponent;
    } else {
        do {
            --exponent;
        } while (exponent >= kLowest && magnitude * Power10(-exponent) < 1);
    }
    if (exponent < kLowest || exponent > kHighest) return std::nullopt;
    const int scale = kSignificantDigits - 1 - exponent;
    const double scaled = scale >= 0 ? magnitude * Power10(scale) : magnitude / Power10(-scale);
    if (std::fabs(scaled - std::floor(scaled) - 0.5) <= kScalingError) return std::nullopt;
    double whole = std::nearbyint(scaled);
    if (whole >= kFifteenDigits) {  // rounded up to the next power of ten
        whole /= 10;
        ++exponent;
    }
    if (whole < kFifteenDigits / 10) return std::nullopt;
    char buffer[24];
    const char* end =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint64_t>(whole)).ptr;
    Decimal d{x < 0, std::string(buffer, static_cast<std::size_t>(end - buffer)), exponent};
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}
#endif

Decimal ToDecimal(double x) {
#ifdef __EMSCRIPTEN__
    if (const std::optional<Decimal> scaled = ScaledDecimal(x)) return *scaled;
    // Emscripten's libc++ has no to_chars for double; DoubleToDecimal gives the same correctly
    // rounded digits.
    DecimalDigits exact = DoubleToDecimal(x, kSignificantDigits);
    Decimal d{x < 0, std::move(exact.digits), exact.exponent};
#else
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal d{text.front() == '-', {}, 0};
    const std::size_t e = text.find('e');
    for (const char c : text.substr(0, e)) {
        if (c >= '0' && c <= '9') d.digits.push_back(c);
    }
    d.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
#endif
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

std::string Plain(const Decimal& d, std::string_view separator) {
    if (d.exponent < 0) {
        std::string out(1, '0');
        out.append(separator);
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        return out.append(d.digits);
    }
    const auto intDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= intDigits)
        return d.digits + std::string(intDigits - d.digits.size(), '0');
    std::string out(d.digits, 0, intDigits);
    out.append(separator);
    return out.append(d.digits, intDigits);
}

std::string Exponential(const Decimal& d, std::string_view separator) {
    std::string out = d.digits.substr(0, 1);
    if (d.digits.size() > 1) {
        out += separator;
        out += d.digits.substr(1);
    }
    const int magnitude = std::abs(d.exponent);
    out += d.exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
    return out;
}

}  // namespace

std::string FormatNumber(double x, std::string_view decimalSeparator) {
    if (x == 0) return "0";  // negative zero too
    const Decimal d = ToDecimal(x);
    const bool plain = d.exponent >= kSmallestPlainExponent && d.exponent <= kLargestPlainExponent;
    const std::string body = plain ? Plain(d, decimalSeparator) : Exponential(d, decimalSeparator);
    return d.negative ? "-" + body : body;
}

double RoundDecimals(double x, int n) {
    if (n == 0) return std::nearbyint(x);
    const double scale = PowerOfTen(n);
    const double scaled = x * scale;
    // A magnitude so large that scaling overflows has no fractional digits left to round.
    if (!std::isfinite(scaled)) return x;
    return std::nearbyint(scaled) / scale;
}

std::string FormatRounded(double x, int n, std::string_view decimalSeparator) {
    return FormatNumber(RoundDecimals(x, n), decimalSeparator);
}

}  // namespace dephlegmator
