// Calculate over arbitrary box texts and option selections, several runs in a row on the same
// state and boxes: it returns or raises CalcError, and every result box holds either its initial
// text or a number that reads back as finite.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calculate.h"
#include "fuzz_controls.h"

namespace dephlegmator::fuzz {
namespace {

constexpr Box kInputBoxes[] = {Box::Text1, Box::Text2, Box::Text3,
                               Box::Text4, Box::Text5, Box::Text6};
constexpr Box kResultBoxes[] = {Box::Text7,  Box::Text8,  Box::Text9, Box::Text71,
                                Box::Text81, Box::Text91, Box::Text10};
constexpr int kMaxRuns = 4;

// The largest finite double written to 15 significant digits rounds up past the double range,
// so reading it back overflows; that is the only text allowed to.
bool RoundsPastTheRange(const std::string& text, const std::string& separator) {
    const std::string top = "1" + separator + "79769313486232E+308";
    return text == top || text == "-" + top;
}

// A result box read back with its separator taken as the decimal point.
void CheckResult(const std::string& text, const std::string& separator) {
    if (text == kInitialResult) return;
    std::string asDot = text;
    if (const auto at = asDot.find(separator); at != std::string::npos) {
        asDot.replace(at, separator.size(), ".");
    }
    try {
        if (!std::isfinite(ParseNumber(asDot))) std::abort();
    } catch (const CalcError& e) {
        if (e.kind() != CalcError::Kind::Overflow || !RoundsPastTheRange(text, separator)) {
            std::abort();
        }
    }
}

void RunOnce(FuzzedDataProvider& input, FormState& state, FuzzControls& controls, bool first) {
    const Option geometry = input.ConsumeBool() ? Option::Option4 : Option::Option5;
    const Option given =
        input.PickValueInArray({Option::Option6, Option::Option7, Option::Option8});
    controls.select(geometry, given);
    // The first run types every input box; later runs retype those the mask names.
    const auto retype = first ? 0xFFu : input.ConsumeIntegral<std::uint8_t>();
    for (std::size_t i = 0; i < std::size(kInputBoxes); ++i) {
        if (retype & (1u << i)) controls.setText(kInputBoxes[i], input.ConsumeRandomLengthString());
    }
    try {
        Calculate(state, controls);
    } catch (const CalcError&) {
        // Reported to the user; the boxes keep what was written before the failing formula.
    } catch (...) {
        std::abort();
    }
    for (Box box : kResultBoxes) CheckResult(controls.text(box), controls.decimalSeparator());
}

}  // namespace
}  // namespace dephlegmator::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dephlegmator;
    FuzzedDataProvider input(data, size);
    fuzz::FuzzControls controls(input.ConsumeBool() ? "," : ".");
    FormState state;
    state.HeatTransferK = 680;
    state.SpecificHeatC = 3760;
    const int runs = input.ConsumeIntegralInRange(1, fuzz::kMaxRuns);
    for (int run = 0; run < runs; ++run) fuzz::RunOnce(input, state, controls, run == 0);
    return 0;
}
