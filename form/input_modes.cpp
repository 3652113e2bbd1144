#include "input_modes.h"

#include <optional>
#include <utility>

#include "accessible_names.h"
#include "calculate.h"
#include "error_messages.h"
#include "input_marks.h"
#include "mode_tables.h"
#include "number_text.h"
#include "texts.h"
#include "window_texts.h"

namespace dephlegmator {
namespace {

using namespace modes;

void Apply(Window& window, const std::array<Visibility, 6>& set) {
    for (const auto& [control, shown] : set) window.setVisible(control, shown);
}

const EnterCycle& CycleFor(Geometry geometry) {
    return geometry == Geometry::SurfaceArea ? kAreaCycle : kHeightDiameterCycle;
}

// The step after `step`: the next one, or 0 after the cycle's last.
std::int16_t StepAfter(const EnterCycle& cycle, std::int16_t step) {
    return step < cycle.lastStep ? static_cast<std::int16_t>(step + 1) : std::int16_t{0};
}

// The presets are whole numbers, whose text has no decimal separator; so the window's regional
// settings need not be consulted at load, which a browser makes costly on first use.
std::string PresetText(double condensationTemp) {
    return FormatNumber(condensationTemp, ".");
}

}  // namespace

void InputModes::ShowMarks() {
    const std::string separator = window_.decimalSeparator();
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        marks_[i] = InputMark(kInputBoxes[i], lastInputs_, separator);
        cuts_[i].reset();
        ShowMark(i);
    }
}

std::string InputModes::CutMark(Box box, const Cut& cut) {
    const std::string limit = std::to_string(TypingLimit(box));
    return Fill(Text::MarkTypingCut,
                {{"limit", limit}, {"wanted", cut.wanted}, {"kept", cut.kept}});
}

void InputModes::ShowMark(std::size_t i) {
    const Box box = kInputBoxes[i];
    std::string mark = cuts_[i] ? CutMark(box, *cuts_[i]) : marks_[i];
    if (mark == shownMarks_[i]) return;
    window_.setMark(BoxName(box), mark);
    shownMarks_[i] = std::move(mark);
}

void InputModes::NameResults() {
    for (std::size_t i = 0; i < kResultBoxes.size(); ++i) {
        const bool noResult = window_.text(kResultBoxes[i]) == kNoResult;
        if (noResult == showsNoResult_[i]) continue;
        window_.setAccessibleName(BoxName(kResultBoxes[i]),
                                  ResultBoxName(kResultBoxes[i], noResult));
        showsNoResult_[i] = noResult;
    }
}

void InputModes::Form_Load() {
    state_ = LoadedFormState();
    EnterStep = 0;
    marks_ = {};
    cuts_ = {};
    shownMarks_ = {};
    preset_ = 0;  // Option1 is selected at start
    leftPreset_.reset();
    showsNoResult_.fill(true);
    NameControls(window_);
    window_.setText(Box::Text1, PresetText(kPresetCondensationTemp[0]));
    window_.selectAll("Text1");
}

void InputModes::FocusAndSelect(std::string_view box) {
    window_.focus(box);
    window_.selectAll(box);
}

// Condensation-temperature presets: the text changes, the focus stays on the option button.
void InputModes::SetPreset(double condensationTemp) {
    window_.setText(Box::Text1, PresetText(condensationTemp));
    EnterStep = kStepAfterPreset;
}

void InputModes::Option1_Click() {
    preset_ = 0;
    leftPreset_.reset();
    SetPreset(kPresetCondensationTemp[0]);
}
void InputModes::Option2_Click() {
    preset_ = 1;
    leftPreset_.reset();
    SetPreset(kPresetCondensationTemp[1]);
}
void InputModes::Option3_Click() {
    preset_.reset();
    leftPreset_.reset();
    FocusAndSelect("Text1");
    EnterStep = kStepAfterPreset;
}

void InputModes::Text1_Change() {
    // The preset the button shows, or the one it showed before the text left its value.
    const std::optional<std::size_t> preset = preset_ ? preset_ : leftPreset_;
    if (!preset) return;
    bool holdsPreset = false;
    try {
        const TypedNumber typed =
            ReadTypedNumber(window_.text(Box::Text1), window_.decimalSeparator());
        holdsPreset = typed.whole && typed.value == kPresetCondensationTemp.at(*preset);
    } catch (const CalcError&) {
        // Beyond the double range: no preset's value.
    }
    if (preset_ && !holdsPreset) {
        window_.check("Option3");
        leftPreset_ = std::exchange(preset_, std::nullopt);
    } else if (!preset_ && holdsPreset) {
        constexpr std::array<std::string_view, 2> kPresetOptions{"Option1", "Option2"};
        window_.check(kPresetOptions.at(*preset));
        preset_ = std::exchange(leftPreset_, std::nullopt);
    }
}

void InputModes::TextChanged(Box box) {
    const auto at = static_cast<std::size_t>(box);
    if (at < cuts_.size() && cuts_[at]) {
        cuts_[at].reset();
        ShowMark(at);
    }
    if (box == Box::Text1) Text1_Change();
}

std::string InputModes::TextCut(Box box, const Insertion& insertion) {
    const auto at = static_cast<std::size_t>(box);
    std::string kept = KeptWithinLimit(insertion, TypingLimit(box));
    if (at >= cuts_.size()) return kept;
    Cut cut{insertion.head + insertion.inserted + insertion.tail, kept};
    // A keystroke refused right after a cut, at the end of the box, adds to what was wanted.
    if (cuts_[at] && insertion.tail.empty() && insertion.head == cuts_[at]->kept) {
        cut.wanted = cuts_[at]->wanted + insertion.inserted;
    }
    if (window_.text(box) != kept) window_.setText(box, kept);
    cuts_[at] = std::move(cut);
    ShowMark(at);
    if (box == Box::Text1) Text1_Change();
    return kept;
}

// Geometry modes: the hidden boxes keep their texts for when the mode is switched back.
void InputModes::SelectGeometry(bool area) {
    Apply(window_, area ? kAreaSet : kHeightDiameterSet);
    FocusAndSelect(area ? "Text5" : "Text3");
    EnterStep = kStepAfterGeometry;
}

void InputModes::Option4_Click() {
    SelectGeometry(false);
}
void InputModes::Option5_Click() {
    SelectGeometry(true);
}

// The quantity Text6 holds: its unit label and name, then the focus into Text6, whose text stays.
void InputModes::SelectGivenQuantity(Option given) {
    for (const auto& [option, unitLabel] : kGivenQuantities) {
        window_.setVisible(unitLabel, option == given);
    }
    window_.setAccessibleName("Text6", GivenQuantityName(given));
    FocusAndSelect("Text6");
    EnterStep = ReadModes(window_).geometry == Geometry::SurfaceArea
                    ? kStepAfterGivenArea
                    : kStepAfterGivenHeightDiameter;
}

void InputModes::Option6_Click() {
    SelectGivenQuantity(Option::Option6);
}
void InputModes::Option7_Click() {
    SelectGivenQuantity(Option::Option7);
}
void InputModes::Option8_Click() {
    SelectGivenQuantity(Option::Option8);
}

void InputModes::Command1_Click() {
    const EnterCycle& cycle = CycleFor(ReadModes(window_).geometry);
    Apply(window_, cycle.visibility);
    const std::string_view target = cycle.focusAtStep[static_cast<std::size_t>(EnterStep)];
    // The step moves on before the focus does, so that a front end reporting this focus move
    // to BoxFocused sets the same step rather than a second one.
    EnterStep = StepAfter(cycle, EnterStep);
    if (!target.empty()) FocusAndSelect(target);
    Recalculate();
}

void InputModes::Recalculate() {
    lastInputs_ = ReadFormInputs(window_);
    std::optional<CalcError> failure;
    try {
        Calculate(state_, lastInputs_, window_);
    } catch (const CalcError& error) {
        failure = error;
    }
    lastFailed_ = failure.has_value();
    // The boxes say what they hold before a message, which a toolkit may show modally, appears.
    ShowMarks();
    NameResults();
    if (failure) {
        // Where the message points, so that the next keystroke goes there and not into the box
        // the Enter cycle reached; the toolkit gives the focus back there once the message closes.
        if (const std::optional<Box> box = ErrorBox(*failure, lastInputs_, state_)) {
            FocusAndSelect(BoxName(*box));
            BoxFocused(BoxName(*box));
        }
        window_.reportError(
            *failure, ErrorMessage(*failure, lastInputs_, state_, window_.decimalSeparator()));
    }
}

void InputModes::LanguageChanged() {
    WriteCaptions(window_);
    NameControls(window_);
    for (std::size_t i = 0; i < kResultBoxes.size(); ++i) {
        if (!showsNoResult_[i]) {
            window_.setAccessibleName(BoxName(kResultBoxes[i]),
                                      ResultBoxName(kResultBoxes[i], false));
        }
    }
    constexpr std::array<Option, 3> kGivenOptions{Option::Option6, Option::Option7,
                                                  Option::Option8};
    window_.setAccessibleName(
        "Text6",
        GivenQuantityName(kGivenOptions.at(static_cast<std::size_t>(ReadModes(window_).given))));
    // Only a marked box asks for the separator, which a browser sets up slowly on first use.
    std::optional<std::string> separator;
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        if (!marks_[i].empty()) {
            if (!separator) separator = window_.decimalSeparator();
            marks_[i] = InputMark(kInputBoxes[i], lastInputs_, *separator);
        }
        if (shownMarks_[i].empty()) continue;
        shownMarks_[i] = cuts_[i] ? CutMark(kInputBoxes[i], *cuts_[i]) : marks_[i];
        window_.setMark(BoxName(kInputBoxes[i]), shownMarks_[i]);
    }
}

void InputModes::BoxFocused(std::string_view box) {
    const EnterCycle& cycle = CycleFor(ReadModes(window_).geometry);
    for (std::int16_t step = 0; step <= cycle.lastStep; ++step) {
        if (cycle.focusAtStep[static_cast<std::size_t>(step)] == box) {
            EnterStep = StepAfter(cycle, step);
            return;
        }
    }
}

}  // namespace dephlegmator
