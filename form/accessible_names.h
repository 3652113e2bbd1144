#pragma once

#include <string>
#include <string_view>

#include "form_inputs.h"
#include "window.h"

namespace dephlegmator {

// Gives every box, option button and the push button an accessible name in the current language
// that says what it holds and in which unit, so that a screen reader can tell the many alike boxes
// apart. Every result box is named as showing no result and Text6 as holding the outlet
// temperature, as at start.
void NameControls(Window& window);

// The accessible name of a result box (Text7 … Text10), with ", no result" added while it shows
// kNoResult, so that a screen reader does not spell out the underscores.
std::string ResultBoxName(Box box, bool noResult);

// The accessible name of an input box (Text1 … Text6) while Text6 holds `given`.
std::string_view InputBoxName(Box box, Given given);

// The accessible name of Text6 while it holds the given quantity `given` (Option6, 7 or 8).
std::string_view GivenQuantityName(Option given);

}  // namespace dephlegmator
