#include "box_io.h"

#include "form_state.h"

namespace dephlegmator {

double ReadInput(const Controls& controls, Box box) {
    return ParseNumber(controls.text(box));
}

double ReadBack(const Controls& controls, Box box) {
    const std::string text = controls.text(box);
    const std::string separator = controls.decimalSeparator();
    const auto at = separator.empty() ? std::string::npos : text.find(separator);
    if (at == std::string::npos) return ParseNumber(text);
    std::string asWritten(text, 0, at);
    asWritten += '.';
    asWritten.append(text, at + separator.size());
    return ParseNumber(asWritten);
}

void WriteNumber(Controls& controls, Box box, double value) {
    controls.setText(box, FormatNumber(value, controls.decimalSeparator()));
}

void WriteRounded(Controls& controls, Box box, double value, int decimals) {
    controls.setText(box, FormatRounded(value, decimals, controls.decimalSeparator()));
}

}  // namespace dephlegmator
