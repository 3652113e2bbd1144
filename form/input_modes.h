#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "form_inputs.h"
#include "form_state.h"
#include "typing_limit.h"
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
    // Moves the focus to the next input of the Enter cycle, then recalculates (Recalculate).
    void Command1_Click();
    // Recalculates where the focus is, as the recalculate command does after its focus move. A
    // failed calculation first gives the focus to the box it is about (ErrorBox), its whole text
    // selected, with the Enter cycle going on from there as after a click, then goes to
    // Window::reportError; where it is about no box, the focus stays. Example: heat load 20000 W
    // on 40 × 5.2 cm → the focus in Text6, the next Enter goes to Text1.
    void Recalculate();
    // Text1's text has changed: when it no longer holds the value of the preset selected («СР»
    // 78, «СС» 88), «другая» (Option3) is selected without its handler, so the focus and the Enter
    // cycle stay; when it holds that preset's value again, before the user chose another button,
    // the preset is selected again. Examples, «СР» selected: "80" → Option3; "78,0" → «СР» stays;
    // "7" → Option3, then "78" → «СР».
    void Text1_Change();
    // The user has changed the text of an input box within its typing limit (typed, deleted,
    // pasted): a mark of a cut text on it goes; for Text1, Text1_Change.
    void TextChanged(Box box);
    // The user typed or pasted more than the box's typing limit (TypingLimit) leaves room for: the
    // box keeps KeptWithinLimit and is marked with what happened (Text::MarkTypingCut), until its
    // next edit or the next recalculation. Keystrokes refused one after another at the end of the
    // box add to the text the mark says was wanted: "12" full, then ',' and '5' → «Не больше 2
    // знаков: «12,5» сокращено до «12».». Returns the text the box now holds; the caret belongs
    // before `insertion.tail`.
    std::string TextCut(Box box, const Insertion& insertion);
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
    // kInputBoxes order; "" for a box without a mark. A box cut at its limit shows that instead
    // until its next edit.
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
    // Writes the mark box `i` (in kInputBoxes order) is to show, if it changed: its cut, else its
    // mark of the last calculation.
    void ShowMark(std::size_t i);
    // The text of the mark of a cut.
    struct Cut {
        std::string wanted;
        std::string kept;
    };
    static std::string CutMark(Box box, const Cut& cut);
    // Tells a screen reader which result boxes show no result.
    void NameResults();

    Window& window_;
    FormState state_;
    std::int16_t EnterStep = 0;
    FormInputs lastInputs_;
    bool lastFailed_ = false;
    Marks marks_;
    std::array<std::optional<Cut>, kInputBoxes.size()> cuts_;
    Marks shownMarks_;  // as the window shows them
    // The preset button selected, an index into modes::kPresetCondensationTemp; none for Option3.
    std::optional<std::size_t> preset_;
    // The preset selected until Text1 left its value, while no button has been clicked since.
    std::optional<std::size_t> leftPreset_;
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
