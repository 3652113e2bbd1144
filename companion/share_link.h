#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "column_section.h"
#include "form_inputs.h"
#include "input_modes.h"
#include "language.h"
#include "panel_settings.h"

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
//
// The design panel's inputs follow, each only where it differs from its default, so that whoever
// opens the link sees the same panel: u (PanelU), c (PanelC), device (DeviceType: one of
// kDeviceTypes' ids), power (PanelPower), tap (TapFlow), hours (RunHours), tank (TankVolume),
// tankstart (TankStart, where the user typed one), pump (PumpFlow) and hold (TankReflux: 1, 2,
// 3, 5 or 10; full reflux is its default), losses (PanelLosses; 0 is its default), measured
// (MeasuredTakeOff) and collect (CollectVolume). Example: …&v=2000&u=350&device=jacket&tap=1,5

// A panel input a link carries: its key and the element it fills.
struct PanelKey {
    std::string_view key;
    std::string_view id;
};
inline constexpr std::array<PanelKey, 13> kPanelKeys{{
    {"u", kPanelU},
    {"c", kPanelC},
    {"device", kDeviceType},
    {"power", kPanelPower},
    {"tap", kTapFlow},
    {"hours", kRunHours},
    {"tank", kTankVolume},
    {"tankstart", kTankStart},
    {"pump", kPumpFlow},
    {"hold", kTankReflux},
    {"losses", kPanelLosses},
    {"measured", kMeasuredTakeOff},
    {"collect", kCollectVolume},
}};
// The most characters a panel input's text may have in a link.
inline constexpr std::size_t kPanelTextLimit = 20;

// The condensation-temperature preset selected: Option1 «СР», Option2 «СС», Option3 «другая».
enum class Preset { SR, SS, Other };

struct SharedForm {
    Preset preset = Preset::SR;
    Modes modes;
    // The texts the link gives the input boxes Text1 … Text6; none for a box it leaves as it is.
    std::array<std::optional<std::string>, kInputBoxes.size()> texts;
    // The texts of the panel's inputs, in kPanelKeys order; none for one at its default.
    std::array<std::optional<std::string>, kPanelKeys.size()> panel;
};

// Puts into `form` the panel's inputs among `stored` (texts by element id, as the sections'
// Stored() give them: those that differ from the defaults); other ids are not carried.
void SetSharedPanel(SharedForm& form,
                    const std::vector<std::pair<std::string_view, std::string>>& stored);

// The fragment (without '#') that carries `form`: every choice, the texts of the boxes the modes
// show that it has, the panel's inputs it has; and lang=en at its end when `language` is
// English.
std::string ShareLinkFragment(const SharedForm& form, Language language);

// What a fragment (with or without its '#') says. A fragment with no key of a calculation is no
// link to one (a plain visit, or an anchor): neither a form nor a problem. Unknown keys are
// ignored. A fragment is malformed, and `problem` says why in a sentence for the live
// region, when a known key has no '=', appears twice or has a value the key does not take
// (an unknown choice, a broken percent escape, text that is not UTF-8, a text longer than its
// box takes, or than kPanelTextLimit for a panel input), or when it gives both the area and the
// height or diameter. `language` is the one
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

// Puts the panel's inputs of `form` into the panel, every other at its default (U 680, c 3760,
// «как в окне», no losses, empty boxes, full reflux), and has both sections read them as they read
// what a device stored (Restore), before the link's recalculation.
void OpenSharedPanel(const SharedForm& form, PanelControls& panel, DephlegmatorSettings& settings,
                     ColumnSection& column);

}  // namespace dephlegmator
