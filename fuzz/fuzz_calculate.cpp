// Calculate over arbitrary box texts and option selections, several runs in a row on the same
// state and boxes: it returns or raises CalcError, and every result box holds either its initial
// text or a number that reads back as finite.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "array_controls.h"
#include "box_io.h"
#include "calculate.h"

namespace dephlegmator::fuzz {
namespace {

using testing::ArrayControls;

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

// A result box read back as the calculation reads it.
void CheckResult(const ArrayControls& controls, Box box) {
    const std::string text = controls.text(box);
    if (text == kNoResult) return;
    try {
        if (!std::isfinite(ReadInput(controls, box))) std::abort();
    } catch (const CalcError& e) {
        // A result above 0 that rounds to 0 is shown as what it is below, which is no number.
        if (e.kind() == CalcError::Kind::ShownBelowItsDecimals &&
            (text == BelowItsDecimals(0, controls.decimalSeparator()) ||
             text == BelowItsDecimals(2, controls.decimalSeparator()))) {
            return;
        }
        if (e.kind() != CalcError::Kind::Overflow ||
            !RoundsPastTheRange(text, controls.decimalSeparator())) {
            std::abort();
        }
    }
}

void RunOnce(FuzzedDataProvider& input, FormState& state, ArrayControls& controls, bool first) {
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
    for (Box box : kResultBoxes) CheckResult(controls, box);
}

}  // namespace
}  // namespace dephlegmator::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dephlegmator;
    FuzzedDataProvider input(data, size);
    testing::ArrayControls controls;
    controls.separator(input.ConsumeBool() ? "," : ".");
    FormState state = LoadedFormState();
    const int runs = input.ConsumeIntegralInRange(1, fuzz::kMaxRuns);
    for (int run = 0; run < runs; ++run) fuzz::RunOnce(input, state, controls, run == 0);
    return 0;
}
