#include "accessible_names.h"

#include <algorithm>
#include <array>

#include "texts.h"

namespace dephlegmator {
namespace {

struct Name {
    std::string_view control;
    Text name;
};

constexpr std::array kNames = std::to_array<Name>({
    {"Text1", Text::Text1Name},       {"Text2", Text::Text2Name},
    {"Text3", Text::Text3Name},       {"Text4", Text::Text4Name},
    {"Text5", Text::Text5Name},       {"Text7", Text::Text7Name},
    {"Text8", Text::Text8Name},       {"Text9", Text::Text9Name},
    {"Text71", Text::Text71Name},     {"Text81", Text::Text81Name},
    {"Text91", Text::Text91Name},     {"Text10", Text::Text10Name},
    {"Option1", Text::Option1Name},   {"Option2", Text::Option2Name},
    {"Option3", Text::Option3Name},   {"Option4", Text::Option4Name},
    {"Option5", Text::Option5Name},   {"Option6", Text::Option6Name},
    {"Option7", Text::Option7Name},   {"Option8", Text::Option8Name},
    {"Command1", Text::Command1Name},
});

struct GivenName {
    Option given;
    Text name;
};

constexpr std::array kGivenNames = std::to_array<GivenName>({
    {Option::Option6, Text::GivenOutletTempName},
    {Option::Option7, Text::GivenHeatLoadName},
    {Option::Option8, Text::GivenWaterFlowName},
});

std::string_view NameOf(std::string_view control) {
    for (const auto& [named, name] : kNames) {
        if (named == control) return Tr(name);
    }
    return {};
}

}  // namespace

// Every result box starts with kNoResult.
void NameControls(Window& window) {
    for (const auto& [control, name] : kNames) {
        const bool result =
            std::any_of(kResultBoxes.begin(), kResultBoxes.end(),
                        [control = control](Box box) { return BoxName(box) == control; });
        if (!result) window.setAccessibleName(control, Tr(name));
    }
    for (const Box box : kResultBoxes) {
        window.setAccessibleName(BoxName(box), ResultBoxName(box, true));
    }
    window.setAccessibleName("Text6", GivenQuantityName(Option::Option6));
}

std::string ResultBoxName(Box box, bool noResult) {
    std::string name(NameOf(BoxName(box)));
    if (noResult) name += Tr(Text::NoResultSaid);
    return name;
}

std::string_view InputBoxName(Box box, Given given) {
    if (box != Box::Text6) return NameOf(BoxName(box));
    constexpr std::array<Option, 3> kOptions{Option::Option6, Option::Option7, Option::Option8};
    return GivenQuantityName(kOptions.at(static_cast<std::size_t>(given)));
}

std::string_view GivenQuantityName(Option given) {
    for (const auto& [option, name] : kGivenNames) {
        if (option == given) return Tr(name);
    }
    return Tr(kGivenNames.front().name);
}

}  // namespace dephlegmator
