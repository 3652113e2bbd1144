#pragma once

#include <string>
#include <string_view>

#include "form_inputs.h"

namespace dephlegmator {

// What the mark on an input box says after a recalculation: why the box cannot take part and an
// example of what it wants, in the current language; "" when the box is not marked. A box the modes
// do not read, an empty box (not filled in yet) and a box in range are not marked. Numbers in the
// text are written with `separator`. Example, Text6 with the heat load given and '1,5 кВт' typed:
// "Введите число в ваттах, например 1500."
std::string InputMark(Box box, const FormInputs& inputs, std::string_view separator);

// What an input box holds, as «Введите» asks for it: "высоту" ("a height"), and for Text6 the
// given quantity: "тепловую нагрузку" ("a heat load").
std::string_view QuantityToEnter(Box box, Given given);

}  // namespace dephlegmator
