#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

#include "exact_decimal.h"
#include "number_text.h"

namespace dephlegmator {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// Digits, hexadecimal digits (among them the exponent letters E and D), the radix prefixes '&H'
// and '&O', signs and the point: every character a number can hold.
bool CanBeInNumber(char c) {
    return DigitValue(c) < 16 || c == '&' || c == 'H' || c == 'h' || c == 'O' || c == 'o' ||
           c == '+' || c == '-' || c == '.';
}

// The text without its blanks, up to and including the first character no number can hold: the
// leading number lies within it, and a long paste after the number is not copied.
std::string LeadingTextWithoutBlanks(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (IsBlank(c)) continue;
        out.push_back(c);
        if (!CanBeInNumber(c)) break;
    }
    return out;
}

// The position in `text` just past its first `length` characters that are not blanks.
std::size_t EndOfNonBlanks(std::string_view text, std::size_t length) {
    std::size_t i = 0;
    for (; length > 0; ++i) {
        if (!IsBlank(text[i])) --length;
    }
    return i;
}

// '&H' / '&O' integers: a value that fits in 16 bits is a signed 16-bit integer ('&HFFFF' is
// -1), one that fits in 32 bits a signed 32-bit integer; anything longer overflows. `length`
// gets the number of digits read.
double ParseRadix(std::string_view digits, int radix, std::size_t& length) {
    std::uint64_t value = 0;
    length = 0;
    for (const char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= radix) break;
        ++length;
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) throw CalcError(CalcError::Kind::Overflow);
    }
    if (value <= 0xFFFFu) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// The longest prefix of the form [sign] digits[.digits] [E|e|D|d [sign] digits], split so that
// it can be handed to std::from_chars, which knows neither '+' nor 'D'.
struct DecimalPrefix {
    bool negative = false;
    std::string_view mantissa;  // digits with at most one '.'
    std::string_view exponent;  // [sign] digits, or empty
    bool hasDigit = false;
    std::size_t length = 0;  // characters of the whole prefix, sign and exponent included
};

DecimalPrefix ScanDecimal(std::string_view s) {
    DecimalPrefix p;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) p.negative = s[i++] == '-';
    const std::size_t start = i;
    bool seenPoint = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            p.hasDigit = true;
        } else if (s[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    p.mantissa = s.substr(start, i - start);
    if (!p.hasDigit) return p;
    p.length = i;
    if (i >= s.size()) return p;
    if (const char e = s[i]; e != 'E' && e != 'e' && e != 'D' && e != 'd') return p;
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t digitsStart = j;
    while (j < s.size() && IsDigit(s[j])) ++j;
    if (j > digitsStart) {
        p.exponent = s.substr(i + 1, j - i - 1);
        p.length = j;
    }
    return p;
}

// Whether a number that std::from_chars finds out of range is too large rather than too small.
// Its decimal magnitude is the place of its first non-zero digit plus the exponent; out-of-range
// values lie hundreds of places away from 0 on one side or the other, so the sign decides.
bool IsTooLarge(std::string_view mantissa, std::string_view exponent) {
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return false;
    long long place = first < point ? static_cast<long long>(point - first)
                                    : -static_cast<long long>(first - point - 1);
    long long exp = 0;
    constexpr long long kSaturated = 1'000'000'000'000LL;
    for (const char c : exponent) {
        if (IsDigit(c) && exp < kSaturated) exp = exp * 10 + (c - '0');
    }
    place += !exponent.empty() && exponent.front() == '-' ? -exp : exp;
    return place > 0;
}

#ifdef __EMSCRIPTEN__
// The mantissa's digits without its point.
std::string MantissaDigits(std::string_view mantissa) {
    std::string digits(mantissa);
    std::erase(digits, '.');
    return digits;
}

// The power of ten by which the mantissa's digits, read as a whole number, are scaled: the
// exponent less the digits after the point. The exponent saturates far beyond any double.
std::int64_t DecimalExponent(const DecimalPrefix& p) {
    constexpr std::int64_t kSaturated = 1'000'000'000'000;
    std::int64_t exponent = 0;
    for (const char c : p.exponent) {
        if (IsDigit(c) && exponent < kSaturated) exponent = exponent * 10 + (c - '0');
    }
    if (!p.exponent.empty() && p.exponent.front() == '-') exponent = -exponent;
    const std::size_t point = p.mantissa.find('.');
    if (point != std::string_view::npos) {
        exponent -= static_cast<std::int64_t>(p.mantissa.size() - point - 1);
    }
    return exponent;
}
#endif

}  // namespace

LeadingNumber ParseLeadingNumber(std::string_view text) {
    const std::string s = LeadingTextWithoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        const int radix = s[1] == 'H' || s[1] == 'h' ? 16 : s[1] == 'O' || s[1] == 'o' ? 8 : 0;
        if (radix != 0) {
            std::size_t digits = 0;
            const double value = ParseRadix(std::string_view(s).substr(2), radix, digits);
            return {value, digits == 0 ? 0 : EndOfNonBlanks(text, 2 + digits)};
        }
    }
    const DecimalPrefix p = ScanDecimal(s);
    if (!p.hasDigit) return {0, 0};

    double value = 0;
#ifdef __EMSCRIPTEN__
    // Emscripten's libc++ has no from_chars for double; DecimalToDouble rounds the same digits to
    // the same double. Like from_chars, only a result of infinity or of 0 from non-zero digits is
    // out of range; a subnormal result stands.
    value = DecimalToDouble(MantissaDigits(p.mantissa), DecimalExponent(p));
    const bool nonZero = p.mantissa.find_first_not_of("0.") != std::string_view::npos;
    if (__builtin_isinf(value) || (value == 0 && nonZero)) {
#else
    std::string number(p.mantissa);
    if (!p.exponent.empty()) {
        number += 'e';
        number += p.exponent.front() == '+' ? p.exponent.substr(1) : p.exponent;
    }
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
#endif
        if (IsTooLarge(p.mantissa, p.exponent)) throw CalcError(CalcError::Kind::Overflow);
        value = 0;
    }
    return {p.negative ? -value : value, EndOfNonBlanks(text, p.length)};
}

double ParseNumber(std::string_view text) {
    return ParseLeadingNumber(text).value;
}

}  // namespace dephlegmator
