#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calc_error.h"

namespace dephlegmator {

// The window's numeric variables. They live as long as the window; nothing resets them, so a
// calculation that does not assign one leaves the value of an earlier calculation in place.
struct FormState {
    double HeatTransferK = 0;     // W/(m²·K); 680 after load
    double SpecificHeatC = 0;     // J/(l·K); 3760 after load
    double AreaM2 = 0;            // heat-exchange surface, m²
    double LogMeanDT = 0;         // mean temperature difference, external cooling, K
    double AutoLogMeanDT = 0;     // mean temperature difference, autonomous cooling, K
    double WaterOutTemp = 0;      // computed outlet water temperature, °C
    double PrevWaterOutTemp = 0;  // previous iterate of the outlet-temperature iteration
    std::int16_t IterCount = 0;   // pass counter of that iteration
    std::int16_t EnterStep = 0;   // which input the next recalculate command focuses
};

// The value of the leading number of a text. Blanks are ignored anywhere, '.' is the only
// decimal separator, '&H'/'&O' introduce hexadecimal/octal integers. Text without a number gives
// 0; a number beyond the double range raises CalcError (overflow).
double ParseNumber(std::string_view text);

// x rounded to n decimal places, ties to even.
double RoundDecimals(double x, int n);

// The general text form of a finite double: up to 15 significant digits, no trailing zeros,
// exponent form (1E+15) for very large and very small magnitudes.
std::string FormatNumber(double x, std::string_view decimalSeparator);

// FormatNumber(RoundDecimals(x, n)).
std::string FormatRounded(double x, int n, std::string_view decimalSeparator);

}  // namespace dephlegmator
