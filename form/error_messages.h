#pragma once

#include <string>

#include "calc_error.h"
#include "form_inputs.h"

namespace dephlegmator {

// The Russian message for a calculation that stopped: the kind of error on the first line, then
// which result could not be computed, what usually causes it with these inputs, and what to
// change, for the inputs the failed calculation read. Numbers are written with `separator`.
// Example: "Ошибка вычисления: деление на ноль.\n\nНе удалось вычислить тепловую нагрузку: ..."
std::string ErrorMessage(const CalcError& error, const FormInputs& inputs,
                         std::string_view separator);

// The first line alone, e.g. "Ошибка вычисления: переполнение."
std::string ErrorKindLine(CalcError::Kind kind);

// The title of the message box.
inline constexpr const char* kErrorTitle = "Ошибка";

}  // namespace dephlegmator
