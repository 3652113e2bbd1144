#include "outcome.h"

#include <array>
#include <string_view>

#include "accessible_names.h"

namespace dephlegmator {
namespace {

struct Said {
    Box box;
    std::string_view before;
    std::string_view unit;
};

// The external column and the area, in the order they are read out.
constexpr std::array<Said, 4> kSaid{{
    {Box::Text7, "тепловая нагрузка ", " Вт"},
    {Box::Text8, "расход воды ", " л/мин"},
    {Box::Text9, "температура воды на выходе ", " °С"},
    {Box::Text10, "площадь ", " см²"},
}};

std::string Results(const Controls& results) {
    std::string sentence;
    for (const auto& [box, before, unit] : kSaid) {
        const std::string shown = results.text(box);
        if (shown == kNoResult) continue;
        if (!sentence.empty()) sentence += ", ";
        sentence += std::string(before) + shown + std::string(unit);
    }
    return sentence.empty() ? "Нет результата." : "Результаты: " + sentence + ".";
}

}  // namespace

std::string OutcomeSentence(const FormInputs& inputs,
                            const std::array<std::string, kInputBoxes.size()>& marks,
                            const Controls& results, bool failed) {
    if (failed) return "Расчёт остановлен ошибкой.";
    for (const std::string& mark : marks) {
        if (!mark.empty()) return "Нет результата. " + mark;
    }
    for (const Box box : kInputBoxes) {
        if (inputs.used(box) && inputs[box].fault == InputFault::Empty) {
            return "Нет результата: не заполнено поле «" +
                   std::string(InputBoxName(box, inputs.modes.given)) + "».";
        }
    }
    return Results(results);
}

}  // namespace dephlegmator
