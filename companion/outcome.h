#pragma once

#include <array>
#include <string>

#include "controls.h"
#include "form_inputs.h"

namespace dephlegmator {

// What a recalculation came to, in one sentence in the current language for a screen reader's live
// region: the external results and the area as the boxes show them, or why there are none: the
// first box's mark, or the first empty box. `marks` are the input boxes' marks in kInputBoxes
// order, as the behaviour set them; `results` is the window after the recalculation; `failed`: it
// stopped with an error, whose message is shown apart. Examples:
//   "Результаты: тепловая нагрузка 5282 Вт, расход воды 3,37 л/мин, температура воды на выходе
//    40 °С, площадь 1571 см²."
//   "Нет результата. Введите число в ваттах, например 1500."
//   "Нет результата: не заполнено поле «Температура воды на входе, °С»."
std::string OutcomeSentence(const FormInputs& inputs,
                            const std::array<std::string, kInputBoxes.size()>& marks,
                            const Controls& results, bool failed);

}  // namespace dephlegmator
