#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "form_inputs.h"
#include "form_state.h"
#include "window.h"

namespace dephlegmator {

// The window's behaviour, whatever toolkit draws it: the load handler, the option handlers that
// switch the input modes, and the recalculate command that walks the focus through the inputs
// and recalculates. A front end forwards its events here; the handlers act through `Window`.
//
// An option handler runs after the toolkit has selected its button. Every focus move selects
// the whole text of the box, so the user types the next value over the old one.
class InputModes {
  public:
    explicit InputModes(Window& window) : window_(window) {}
    InputModes(const InputModes&) = delete;
    InputModes& operator=(const InputModes&) = delete;

    // The window has been built: constants, control names, "78" in Text1 and selected.
    void Form_Load();
    void Option1_Click();  // preset 78 °C
    void Option2_Click();  // preset 88 °C
    void Option3_Click();  // another temperature: into Text1
    void Option4_Click();  // height and diameter
    void Option5_Click();  // surface area
    void Option6_Click();  // outlet water temperature given
    void Option7_Click();  // heat load given
    void Option8_Click();  // water flow given
    // Moves the focus to the next input of the Enter cycle, then recalculates. A failed
    // calculation goes to Window::reportError; the focus move and the new step stay.
    void Command1_Click();
    // Recalculates where the focus is, as the recalculate command does after its focus move.
    void Recalculate();
    // The user has put the focus into `box` (by mouse, touch or Tab): when the box is in the
    // Enter cycle of the current geometry, the next Enter goes on to the box after it in that
    // cycle. Examples, height and diameter: Text4 → the next Enter focuses Text6; Text6 → Text1.
    // Area: Text2 → Text5. Any other control (an option button, Command1, a result box, a box the
    // mode hides) changes nothing. For the box a handler has just focused it gives the step that
    // handler left, so a front end that cannot tell the user's focus from the handlers' may
    // report both.
    void BoxFocused(std::string_view box);
    // The language has changed (SetLanguage): writes again, in the new language, every caption
    // and its tooltip, every accessible name as the window's state has it, and the marks of the
    // last recalculate command. Texts, focus, selection and visibility stay; a message shown
    // stays as it was.
    void LanguageChanged();

    const FormState& state() const { return state_; }
    // The inputs the last recalculate command read, and whether its calculation failed.
    const FormInputs& lastInputs() const { return lastInputs_; }
    bool lastCalculationFailed() const { return lastFailed_; }
    // What the mark on each input box says since the last recalculate command (InputMark), in
    // kInputBoxes order; "" for a box without a mark.
    using Marks = std::array<std::string, kInputBoxes.size()>;
    const Marks& marks() const { return marks_; }
    // Which input the next recalculate command focuses, 0 to 4.
    std::int16_t enterStep() const { return EnterStep; }

  private:
    void FocusAndSelect(std::string_view box);
    void SetPreset(double condensationTemp);
    void SelectGeometry(bool area);
    void SelectGivenQuantity(Option given);
    // Marks the input boxes the last calculation could not take, and clears the other marks.
    void ShowMarks();
    // Tells a screen reader which result boxes show no result.
    void NameResults();

    Window& window_;
    FormState state_;
    std::int16_t EnterStep = 0;
    FormInputs lastInputs_;
    bool lastFailed_ = false;
    Marks marks_;
    std::array<bool, kResultBoxes.size()> showsNoResult_{};
};

// Which handler a click on a control runs (for an option button: after it has been selected).
struct ClickHandler {
    std::string_view control;
    void (InputModes::*run)();
};
inline constexpr std::array<ClickHandler, 9> kClickHandlers{{
    {"Option1", &InputModes::Option1_Click},
    {"Option2", &InputModes::Option2_Click},
    {"Option3", &InputModes::Option3_Click},
    {"Option4", &InputModes::Option4_Click},
    {"Option5", &InputModes::Option5_Click},
    {"Option6", &InputModes::Option6_Click},
    {"Option7", &InputModes::Option7_Click},
    {"Option8", &InputModes::Option8_Click},
    {"Command1", &InputModes::Command1_Click},
}};

}  // namespace dephlegmator
