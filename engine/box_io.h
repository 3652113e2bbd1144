#pragma once

#include "controls.h"

namespace dephlegmator {

// Every number enters the calculation as the text of a box and leaves as text.

// The number a result box shows, read back so that the next formula takes the value as
// displayed: ParseNumber of its text, with the regional decimal separator
// (Controls::decimalSeparator) read as the decimal point ('.' is read as one too): under ','
// '1099,9' reads as 1099.9. Input boxes are read by ReadFormInputs instead, under the typing
// rules of ReadTypedNumber. Throws CalcError (overflow) where ParseNumber does.
double ReadInput(const Controls& controls, Box box);

// Write FormatNumber(value) / FormatRounded(value, decimals) into a box, with the regional
// decimal separator. value must be finite.
void WriteNumber(Controls& controls, Box box, double value);
void WriteRounded(Controls& controls, Box box, double value, int decimals);

}  // namespace dephlegmator
