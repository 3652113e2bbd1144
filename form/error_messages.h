#pragma once

#include <string>

#include "calc_error.h"
#include "controls.h"

namespace dephlegmator {

// The Russian message for a calculation that stopped: the kind of error on the first line, then
// which result could not be computed, what usually causes it with these inputs, and what to
// change. `window` is read as the failed calculation left it (options and input boxes).
// Example: "Ошибка вычисления: деление на ноль.\n\nНе удалось вычислить тепловую нагрузку: ..."
std::string ErrorMessage(const CalcError& error, const Controls& window);

// The first line alone, e.g. "Ошибка вычисления: переполнение."
std::string ErrorKindLine(CalcError::Kind kind);

// The title of the message box.
inline constexpr const char* kErrorTitle = "Ошибка";

}  // namespace dephlegmator
