#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "decimal_conversion.h"
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

Decimal ToDecimal(double x) {
    char buffer[32];
    const auto result = ToChars(buffer, buffer + sizeof buffer, x, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    Decimal d;
    d.negative = text.front() == '-';
    d.setDigits(text.substr(0, e));
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    d.exponent);
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
    // A caller that lets infinity or NaN through would show a plausible "0": the instrumented
    // build and the fuzz targets, built with assertions, stop there instead.
    assert(std::isfinite(x));
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
