#pragma once

#include <string_view>

#include "window.h"

namespace dephlegmator {

// The window's captions and the tooltips that go with them, in the current language. A front end
// builds its controls with layout::Caption; these write them again, as after a change of
// language (InputModes::LanguageChanged).

// What the pointer finds over a control, in the current language: what an abbreviated caption
// stands for, or the full wording of a caption shortened to fit its control; "" where the caption
// says it all. Examples: Option1 → "СР — 78 °С: температура конденсации пара почти чистого
// этилового спирта …"; Option6 in English → "Outlet water temperature", in Russian → "".
std::string_view CaptionToolTip(std::string_view control);

// Writes the caption and tooltip of every frame, label, option button and the push button.
void WriteCaptions(Window& window);

}  // namespace dephlegmator
