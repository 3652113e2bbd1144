#include "accessible_names.h"

#include <algorithm>
#include <array>

namespace dephlegmator {
namespace {

struct Name {
    std::string_view control;
    std::string_view name;
};

constexpr std::array kNames = std::to_array<Name>({
    {"Text1", "Температура конденсации, °С"},
    {"Text2", "Температура воды на входе, °С"},
    {"Text3", "Высота дефлегматора, см"},
    {"Text4", "Диаметр дефлегматора, см"},
    {"Text5", "Площадь поверхности дефлегматора, см²"},
    {"Text7", "Внешнее охлаждение: тепловая нагрузка, Вт"},
    {"Text8", "Внешнее охлаждение: расход воды, л/мин"},
    {"Text9", "Внешнее охлаждение: температура воды на выходе, °С"},
    {"Text71", "Автономное охлаждение: тепловая нагрузка, Вт"},
    {"Text81", "Автономное охлаждение: расход воды, л/мин"},
    {"Text91", "Автономное охлаждение: температура воды на выходе, °С"},
    {"Text10", "Площадь поверхности, см²"},
    {"Option1", "Температура конденсации СР, 78 °С"},
    {"Option2", "Температура конденсации СС, 88 °С"},
    {"Option3", "Другая температура конденсации"},
    {"Option4", "Дефлегматор задан высотой и диаметром, см"},
    {"Option5", "Дефлегматор задан площадью поверхности, см²"},
    {"Option6", "Задана температура воды на выходе"},
    {"Option7", "Задана тепловая нагрузка"},
    {"Option8", "Задан расход воды"},
    {"Command1", "Пересчет (Enter)"},
});

struct GivenName {
    Option given;
    std::string_view name;
};

constexpr std::array kGivenNames = std::to_array<GivenName>({
    {Option::Option6, "Заданная температура воды на выходе, °С"},
    {Option::Option7, "Заданная тепловая нагрузка, Вт"},
    {Option::Option8, "Заданный расход воды, л/мин"},
});

std::string_view NameOf(std::string_view control) {
    for (const auto& [named, name] : kNames) {
        if (named == control) return name;
    }
    return {};
}

constexpr std::string_view kNoResultSaid = ", нет результата";

}  // namespace

// Every result box starts with kNoResult.
void NameControls(Window& window) {
    for (const auto& [control, name] : kNames) {
        const bool result =
            std::any_of(kResultBoxes.begin(), kResultBoxes.end(),
                        [control = control](Box box) { return BoxName(box) == control; });
        if (!result) window.setAccessibleName(control, name);
    }
    for (const Box box : kResultBoxes) {
        window.setAccessibleName(BoxName(box), ResultBoxName(box, true));
    }
    window.setAccessibleName("Text6", GivenQuantityName(Option::Option6));
}

std::string ResultBoxName(Box box, bool noResult) {
    std::string name(NameOf(BoxName(box)));
    if (noResult) name += kNoResultSaid;
    return name;
}

std::string_view InputBoxName(Box box, Given given) {
    if (box != Box::Text6) return NameOf(BoxName(box));
    constexpr std::array<Option, 3> kOptions{Option::Option6, Option::Option7, Option::Option8};
    return GivenQuantityName(kOptions.at(static_cast<std::size_t>(given)));
}

std::string_view GivenQuantityName(Option given) {
    for (const auto& [option, name] : kGivenNames) {
        if (option == given) return name;
    }
    return kGivenNames.front().name;
}

}  // namespace dephlegmator
