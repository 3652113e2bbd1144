#include "box_io.h"

#include <string>

#include "number_text.h"

namespace dephlegmator {

double ReadInput(const Controls& controls, Box box) {
    std::string text = controls.text(box);
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
    controls.setText(box, FormatRounded(value, decimals, controls.decimalSeparator()));
}

}  // namespace dephlegmator
