#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "decimal_conversion.h"
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
// it can be handed to FromChars, which knows neither a leading '+' nor 'D'.
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

    std::string number(p.mantissa);
    if (!p.exponent.empty()) {
        number += 'e';
        number += p.exponent;
    }
    double value = 0;
    // Too small gives 0 (or a subnormal value, which is in range), too large infinity.
    if (FromChars(number.data(), number.data() + number.size(), value).ec ==
            std::errc::result_out_of_range &&
        std::isinf(value)) {
        throw CalcError(CalcError::Kind::Overflow);
    }
    return {p.negative ? -value : value, EndOfNonBlanks(text, p.length)};
}

double ParseNumber(std::string_view text) {
    return ParseLeadingNumber(text).value;
}

}  // namespace dephlegmator
