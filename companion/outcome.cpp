#include "outcome.h"

#include <array>
#include <string_view>

#include "accessible_names.h"
#include "texts.h"

namespace dephlegmator {
namespace {

struct Said {
    Box box;
    Text words;  // with the box's text as {value}
};

// The external column and the area, in the order they are read out.
constexpr std::array<Said, 4> kSaid{{
    {Box::Text7, Text::OutcomeHeatLoad},
    {Box::Text8, Text::OutcomeWaterFlow},
    {Box::Text9, Text::OutcomeOutletTemp},
    {Box::Text10, Text::OutcomeArea},
}};

std::string Results(const Controls& results) {
    std::string sentence;
    for (const auto& [box, words] : kSaid) {
        const std::string shown = results.text(box);
        if (shown == kNoResult) continue;
        if (!sentence.empty()) sentence += ", ";
        sentence += Fill(words, {{"value", shown}});
    }
    return sentence.empty() ? std::string(Tr(Text::OutcomeNoResult))
                            : Fill(Text::OutcomeResults, {{"results", sentence}});
}

}  // namespace

std::string OutcomeSentence(const FormInputs& inputs,
                            const std::array<std::string, kInputBoxes.size()>& marks,
                            const Controls& results, bool failed) {
    if (failed) return std::string(Tr(Text::OutcomeStopped));
    for (const std::string& mark : marks) {
        if (!mark.empty()) return Fill(Text::OutcomeNoResultBecause, {{"mark", mark}});
    }
    for (const Box box : kInputBoxes) {
        if (inputs.used(box) && inputs[box].fault == InputFault::Empty) {
            return Fill(Text::OutcomeEmptyBox, {{"name", InputBoxName(box, inputs.modes.given)}});
        }
    }
    return Results(results);
}

}  // namespace dephlegmator
