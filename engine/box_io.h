#pragma once

#include "controls.h"

namespace dephlegmator {

// Every number enters the calculation as the text of a box and leaves as text.

// The number a box shows: ParseNumber of its text, with the regional decimal separator
// (Controls::decimalSeparator) read as the decimal point and '.' read as one too. The same reading
// serves an input box as the user typed it and a result box the calculation has just written, so
// that a result read back is the value as displayed: under ',' a typed '40,5' and a displayed
// '1099,9' read as 40.5 and 1099.9, while under '.' '40,5' reads as 40. Throws CalcError
// (overflow) where ParseNumber does.
double ReadInput(const Controls& controls, Box box);

// Write FormatNumber(value) / FormatRounded(value, decimals) into a box, with the regional
// decimal separator. value must be finite.
void WriteNumber(Controls& controls, Box box, double value);
void WriteRounded(Controls& controls, Box box, double value, int decimals);

}  // namespace dephlegmator
