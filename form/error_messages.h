#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc_error.h"
#include "form_inputs.h"
#include "form_state.h"

namespace dephlegmator {

// The message, in the current language, for a calculation that stopped: the kind of error on the
// first line, then which result could not be computed (the error's stage), what causes it with
// these inputs, and what to change. `inputs` are the inputs the failed calculation read and `state`
// the variables as it left them; numbers are written with `separator`. A message says that a result
// was computed only when its stage had completed. Examples, with the area given in cm²:
//   water flow 0.25 l/min, area 10000, Tc 25, Tin 15: the outlet temperature rounds to Tc, and
//     "Ошибка вычисления: деление на ноль.\n\nНе удалось вычислить тепловую нагрузку: при таком
//     малом расходе вода нагревается до температуры конденсации. Увеличьте расход воды."
//   heat load 1000 W, area 1E-320: "... Не удалось вычислить средний температурный напор:
//     поверхность так мала, что в квадратных метрах она округляется до нуля. ..."
std::string ErrorMessage(const CalcError& error, const FormInputs& inputs, const FormState& state,
                         std::string_view separator);

// The input box a failed calculation is about, which the window gives the focus so that the next
// keystroke goes where the message points: the given quantity (Text6) where the message asks to
// change it, e.g. a heat load beyond the surface; Text1 or Text2 where it names the condensation or
// inlet temperature; the geometry (Text3, or Text5 with the area) where the surface rounds to 0;
// for a number beyond the double range, the first box holding one. None where the message points at
// no box ("Проверьте введённые значения.").
std::optional<Box> ErrorBox(const CalcError& error, const FormInputs& inputs,
                            const FormState& state);

// The first line alone, e.g. "Ошибка вычисления: переполнение."
std::string ErrorKindLine(CalcError::Kind kind);

// The title of the message box.
std::string_view ErrorTitle();

}  // namespace dephlegmator
