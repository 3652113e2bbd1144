#pragma once

#include "controls.h"

namespace dephlegmator {

// Every number enters the calculation as the text of a box and leaves as text.

// An input box as the user typed it: ParseNumber, '.' the only decimal separator.
double ReadInput(const Controls& controls, Box box);

// A result box the calculation has just written, read back as displayed. The separator it was
// written with counts as the decimal point, so a displayed '1099,9' reads back as 1099.9.
double ReadBack(const Controls& controls, Box box);

// Write FormatNumber(value) / FormatRounded(value, decimals) into a box.
void WriteNumber(Controls& controls, Box box, double value);
void WriteRounded(Controls& controls, Box box, double value, int decimals);

}  // namespace dephlegmator
