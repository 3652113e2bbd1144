#pragma once

#include <string>
#include <string_view>

#include "controls.h"

namespace dephlegmator {

// Every number enters the calculation as the text of a box and leaves as text.

// The number a result box shows, read back so that the next formula takes the value as
// displayed: ParseNumber of its text, with the regional decimal separator
// (Controls::decimalSeparator) read as the decimal point ('.' is read as one too): under ','
// '1099,9' reads as 1099.9. Input boxes are read by ReadFormInputs instead, under the typing
// rules of ReadTypedNumber. Throws CalcError (overflow) where ParseNumber does, and
// CalcError (ShownBelowItsDecimals) for a box that shows a result below its decimals ('< 1').
double ReadInput(const Controls& controls, Box box);

// Write FormatNumber(value) / FormatRounded(value, decimals) into a box, with the regional
// decimal separator. value must be finite. A value above 0 that rounds to 0 is written as
// BelowItsDecimals says rather than as a plausible 0: (0.004, 2) → "< 0,01" under ','.
void WriteNumber(Controls& controls, Box box, double value);
void WriteRounded(Controls& controls, Box box, double value, int decimals);

// What a result above 0 that rounds to 0 at `decimals` decimals shows: "< 1" (0 decimals),
// "< 0,01" (2 decimals, separator ','). It reads as no number.
std::string BelowItsDecimals(int decimals, std::string_view decimalSeparator);

}  // namespace dephlegmator
