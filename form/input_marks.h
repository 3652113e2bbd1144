#pragma once

#include <string>
#include <string_view>

#include "form_inputs.h"

namespace dephlegmator {

// What the mark on an input box says after a recalculation: why the box cannot take part and an
// example of what it wants, in Russian; "" when the box is not marked. A box the modes do not
// read, an empty box (not filled in yet) and a box in range are not marked. Numbers in the text
// are written with `separator`. Example, Text6 with the heat load given and '1,5 кВт' typed:
// "Введите число в ваттах, например 1500."
std::string InputMark(Box box, const FormInputs& inputs, std::string_view separator);

// What an input box holds, in the accusative, after «Введите»: "высоту", and for Text6 the
// given quantity: "тепловую нагрузку".
std::string_view QuantityToEnter(Box box, Given given);

}  // namespace dephlegmator
