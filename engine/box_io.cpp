#include "box_io.h"

#include <string>

#include "decimal_conversion.h"
#include "number_text.h"

namespace dephlegmator {

namespace {

constexpr std::string_view kLessThan = "< ";

}  // namespace

std::string BelowItsDecimals(int decimals, std::string_view decimalSeparator) {
    return std::string(kLessThan) + FormatNumber(PowerOfTen(-decimals), decimalSeparator);
}

double ReadInput(const Controls& controls, Box box) {
    std::string text = controls.text(box);
    if (text.starts_with(kLessThan)) throw CalcError(CalcError::Kind::ShownBelowItsDecimals);
    const std::string separator = controls.decimalSeparator();
    // Only the first separator can be the number's decimal point; ParseNumber ends the number at
    // a second one as at a second '.'.
    if (!separator.empty() && separator != ".") {
        if (const auto at = text.find(separator); at != std::string::npos) {
            text[at] = '.';
            text.erase(at + 1, separator.size() - 1);
        }
    }
    return ParseNumber(text);
}

void WriteNumber(Controls& controls, Box box, double value) {
    controls.setText(box, FormatNumber(value, controls.decimalSeparator()));
}

void WriteRounded(Controls& controls, Box box, double value, int decimals) {
    const std::string separator = controls.decimalSeparator();
    if (value > 0 && RoundDecimals(value, decimals) == 0) {
        controls.setText(box, BelowItsDecimals(decimals, separator));
        return;
    }
    controls.setText(box, FormatRounded(value, decimals, separator));
}

}  // namespace dephlegmator
