#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "form_inputs.h"
#include "input_modes.h"
#include "language.h"

namespace dephlegmator {

// A calculation as a link carries it in its fragment: the window's three choices and the texts of
// the input boxes they show, as key=value pairs joined by '&'. Example, the worked example:
//   preset=sr&t1=78&t2=15&h=100&d=5&given=outlet&v=40
// Keys: preset (sr: «СР», ss: «СС», other: «другая»), t1 (Text1, condensation temperature), t2
// (Text2, inlet temperature), h and d (Text3 and Text4, height and diameter: the height-and-
// diameter mode) or a (Text5, area: the area mode), given (outlet, load, flow: the quantity
// Text6 holds) and v (Text6); and lang (en, ru: the page's language), which an English page's
// link carries and which alone is no calculation. A value is the box's text, percent-encoded as
// in a URL; '+' is a plus sign, not a blank.

// The condensation-temperature preset selected: Option1 «СР», Option2 «СС», Option3 «другая».
enum class Preset { SR, SS, Other };

struct SharedForm {
    Preset preset = Preset::SR;
    Modes modes;
    // The texts the link gives the input boxes Text1 … Text6; none for a box it leaves as it is.
    std::array<std::optional<std::string>, kInputBoxes.size()> texts;
};

// The fragment (without '#') that carries `form`: every choice, and the texts of the boxes the
// modes show that it has; and lang=en at its end when `language` is English.
std::string ShareLinkFragment(const SharedForm& form, Language language);

// What a fragment (with or without its '#') says. A fragment with no key of a calculation is no
// link to one (a plain visit, or an anchor): neither a form nor a problem. Unknown keys are
// ignored. A fragment is malformed, and `problem` says why in a sentence for the live
// region, when a known key has no '=', appears twice or has a value the key does not take
// (an unknown choice, a broken percent escape, text that is not UTF-8, a text longer than its
// box takes), or when it gives both the area and the height or diameter. `language` is the one
// lang names, with or without a calculation; none in a malformed fragment.
struct ShareLinkReading {
    std::optional<SharedForm> form;
    std::string problem;
    std::optional<Language> language;
};
ShareLinkReading ReadShareLink(std::string_view fragment);

// The option buttons `form` selects, one per group: the preset's, the geometry's and the given
// quantity's.
std::array<std::string_view, 3> SelectedOptions(const SharedForm& form);

// What opening a form needs of a front end besides the window: to select an option button as a
// click does, without running its handler.
class OptionSelector {
  public:
    virtual void select(std::string_view option) = 0;

  protected:
    ~OptionSelector() = default;
};

// Opens `form` in the window as a user filling it in would, and recalculates once: selects each
// of its option buttons and runs the button's handler, puts its texts into the boxes, gives Text1
// the focus with its text selected, as at start, and recalculates without moving the focus. The
// texts are read as typed text is.
void OpenSharedForm(const SharedForm& form, InputModes& modes, Window& window,
                    OptionSelector& selector);

}  // namespace dephlegmator
