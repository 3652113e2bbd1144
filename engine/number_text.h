#pragma once

// The rules by which a box's text becomes a number and a number becomes a box's text. Every
// number the calculation uses enters and leaves through them.

#include <string>
#include <string_view>

#include "calc_error.h"

namespace dephlegmator {

// The value of the leading number of a text, rounded to the nearest double.
//
//   - Blanks (space, tab, line feed) are removed wherever they stand: '1 000' → 1000,
//     ' 12 .5' → 12.5.
//   - '&H' or '&O' (either case) introduces hexadecimal or octal digits, read up to the first
//     character that is not one. A value that fits in 16 bits is a signed 16-bit integer, a
//     longer one a signed 32-bit integer: '&H1F' → 31, '&HFFFF' → −1, '&O17' → 15.
//   - Otherwise the longest prefix [+|-] digits [. digits] [E|e|D|d [+|-] digits]. '.' is the only
//     decimal separator; ',' and every other character end the number: '12,5' → 12, '1.2.3' →
//     1.2, '.5' → 0.5, '2D2' → 200. An exponent letter without digits after it is not part of the
//     number: '12E' → 12.
//   - Text without a digit in that prefix gives 0: '' → 0, 'abc' → 0, '-' → 0.
//   - A magnitude too small for a double gives 0 (or a subnormal value): '1E-400' → 0.
//
// Throws CalcError (overflow) when the number lies beyond the double range ('1E309'), or when a
// radix integer does not fit in 32 bits ('&H100000000'). Nothing else throws; the process locale
// plays no part. Only the characters up to the end of the number are copied, so a long text after
// it costs nothing.
double ParseNumber(std::string_view text);

// The leading number of a text and where it ends, as std::from_chars reports it.
struct LeadingNumber {
    double value = 0;  // ParseNumber(text)
    // The position in `text` just past the number's last character: blanks within the number
    // belong to it, blanks after it do not. 0 when the text has no number, or only a radix prefix
    // without digits. Examples: '40' → 2, ' 1 000 W' → 6, '12,5' → 2, '1.2.3' → 3, '12E' → 2,
    // '2D2' → 3, '&HFF' → 4, '&H' → 0, 'abc' → 0, '' → 0.
    std::size_t end = 0;
};
// Throws as ParseNumber does.
LeadingNumber ParseLeadingNumber(std::string_view text);

// How the text the user typed into an input box reads. People write a decimal comma or point
// whatever their regional settings say, and paste numbers grouped with the no-break spaces of
// Russian typography, so:
//   - ',' and '.' are both the decimal point, and so is the regional separator when it is a third
//     character (e.g. '٫'); only the first of them in the text is: '3,5' → 3.5 under any
//     settings, while in '1,234.5' the '.' ends the number, which is then not whole;
//   - U+00A0, U+202F, U+2009 and U+2007 are blanks like a space: '1\u00A0500' → 1500;
//   - the number syntax is ParseNumber's.
// `whole`: the number takes all of the text but blanks: '40,5', ' 1E3 ', '&HFF' are whole;
// '1,5 кВт', '40abc', '12-3', 'abc' are not. `empty`: the text holds only blanks.
// Throws CalcError (overflow) as ParseNumber does.
struct TypedNumber {
    double value = 0;
    bool empty = true;
    bool whole = false;
};
TypedNumber ReadTypedNumber(std::string_view text, std::string_view regionalSeparator);

// x rounded to n decimal places, exact halves to the even neighbour: (2.5, 0) → 2, (3.5, 0) → 4,
// (−2.5, 0) → −2, (0.125, 2) → 0.12 (0.125 is exact, so a true tie), (0.375, 2) → 0.38. A value
// whose scaling by 10^n overflows has no fractional digits left and comes back unchanged. Never
// throws.
double RoundDecimals(double x, int n);

// The general text form of a finite double: rounded to 15 significant digits, no trailing zeros,
// no separator when whole, no sign for positive values, a single 0 before the separator below 1:
// 78 → "78", 12.50 → "12.5", 1/3 → "0.333333333333333", 0.5 → "0,5" with separator ",". Decimal
// exponents from −4 to 14 are written plainly; beyond them the exponent form with at least two
// exponent digits: 1E15 → "1E+15", 1.5E15 → "1.5E+15", 0.00001234 → "1.234E-05". Zero of either
// sign is "0". decimalSeparator is written as given (it may be longer than one character).
// x must be finite: infinity and NaN have no text form here. Never throws.
std::string FormatNumber(double x, std::string_view decimalSeparator);

// FormatNumber(RoundDecimals(x, n)): (16149.43, 0) → "16149", (2.666666, 2) → "2.67",
// (7.001, 2) → "7", (1234.5, 0) → "1234". x must be finite.
std::string FormatRounded(double x, int n, std::string_view decimalSeparator);

}  // namespace dephlegmator
