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
    bool negative = false;
    std::array<char, kSignificantDigits> buffer{};
    std::size_t count = 0;
    int exponent = 0;

    std::string_view digits() const { return {buffer.data(), count}; }
    // Keeps the digits of `text` (other characters skipped) but its trailing zeros.
    void setDigits(std::string_view text) {
        count = 0;
        for (const char c : text) {
            if (c >= '0' && c <= '9' && count < buffer.size()) buffer.at(count++) = c;
        }
        while (count > 1 && buffer.at(count - 1) == '0') --count;
    }
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
    Decimal d;
    d.negative = x < 0;
    d.exponent = exponent;
    d.setDigits({buffer, static_cast<std::size_t>(end - buffer)});
    return d;
}
#endif

Decimal ToDecimal(double x) {
#ifdef __EMSCRIPTEN__
    if (const std::optional<Decimal> scaled = ScaledDecimal(x)) return *scaled;
    // Emscripten's libc++ has no to_chars for double; DoubleToDecimal gives the same correctly
    // rounded digits.
    const DecimalDigits exact = DoubleToDecimal(x, kSignificantDigits);
    Decimal d;
    d.negative = x < 0;
    d.exponent = exact.exponent;
    d.setDigits(exact.digits);
#else
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    Decimal d;
    d.negative = text.front() == '-';
    d.setDigits(text.substr(0, e));
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    d.exponent);
#endif
    return d;
}

// The digits written plainly after `out`: d.ddd, ddd.d, ddd000 or 0.000ddd.
void AppendPlain(std::string& out, const Decimal& d, std::string_view separator) {
    const std::string_view digits = d.digits();
    if (d.exponent < 0) {
        out += '0';
        out.append(separator);
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out.append(digits);
        return;
    }
    const auto intDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (digits.size() <= intDigits) {
        out.append(digits);
        out.append(intDigits - digits.size(), '0');
        return;
    }
    out.append(digits.substr(0, intDigits));
    out.append(separator);
    out.append(digits.substr(intDigits));
}

// The digits in the exponent form after `out`: d.dddE+xx.
void AppendExponential(std::string& out, const Decimal& d, std::string_view separator) {
    const std::string_view digits = d.digits();
    out += digits.front();
    if (digits.size() > 1) {
        out.append(separator);
        out.append(digits.substr(1));
    }
    const int magnitude = std::abs(d.exponent);
    out += d.exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) out += '0';
    char buffer[8];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr);
}

}  // namespace

std::string FormatNumber(double x, std::string_view decimalSeparator) {
    if (x == 0) return "0";  // negative zero too
    const Decimal d = ToDecimal(x);
    std::string out;
    // Room for a sign, the digits, the separator and up to 14 zeros or an exponent.
    out.reserve(d.count + decimalSeparator.size() + 20);
    if (d.negative) out += '-';
    if (d.exponent >= kSmallestPlainExponent && d.exponent <= kLargestPlainExponent) {
        AppendPlain(out, d, decimalSeparator);
    } else {
        AppendExponential(out, d, decimalSeparator);
    }
    return out;
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
