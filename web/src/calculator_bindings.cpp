// The window's behaviour for the page: a Window whose controls are the page's elements, reached
// through a JavaScript object, and the handlers the page calls on its events.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "error_messages.h"
#include "input_modes.h"

namespace dephlegmator {
namespace {

using emscripten::val;

constexpr std::array<std::string_view, kOptionCount> kOptionNames = {
    "Option4", "Option5", "Option6", "Option7", "Option8"};

// Forwards every control operation to the page object's method of the same purpose; controls are
// the page's elements with the control names as ids.
class PageWindow final : public Window {
  public:
    PageWindow(val page, std::string decimalSeparator)
        : page_(std::move(page)), separator_(std::move(decimalSeparator)) {}

    std::string text(Box box) const override {
        return page_.call<std::string>("text", Name(BoxName(box)));
    }
    void setText(Box box, const std::string& text) override {
        page_.call<void>("setText", Name(BoxName(box)), text);
    }
    bool isSelected(Option option) const override {
        return page_.call<bool>("isChecked", Name(kOptionNames[static_cast<std::size_t>(option)]));
    }
    std::string decimalSeparator() const override { return separator_; }

    void focus(std::string_view control) override { page_.call<void>("focus", Name(control)); }
    void selectAll(std::string_view box) override { page_.call<void>("selectAll", Name(box)); }
    void setVisible(std::string_view control, bool visible) override {
        page_.call<void>("setVisible", Name(control), visible);
    }
    void setAccessibleName(std::string_view control, std::string_view name) override {
        page_.call<void>("setAccessibleName", Name(control), std::string(name));
    }
    void reportError(const CalcError& error) override {
        page_.call<void>("showError", std::string(kErrorTitle), ErrorMessage(error, *this));
    }

  private:
    static std::string Name(std::string_view control) { return std::string(control); }

    val page_;
    std::string separator_;
};

// What the page holds: its window and the handlers acting on it.
class Calculator {
  public:
    Calculator(val page, std::string decimalSeparator)
        : window_(std::move(page), std::move(decimalSeparator)), modes_(window_) {}

    void formLoad() { modes_.Form_Load(); }
    void command1Click() { modes_.Command1_Click(); }
    // The handler of the option button with that control name; false for any other name.
    bool optionClick(const std::string& option) {
        static constexpr std::array<std::pair<std::string_view, void (InputModes::*)()>, 8>
            kHandlers = {{{"Option1", &InputModes::Option1_Click},
                          {"Option2", &InputModes::Option2_Click},
                          {"Option3", &InputModes::Option3_Click},
                          {"Option4", &InputModes::Option4_Click},
                          {"Option5", &InputModes::Option5_Click},
                          {"Option6", &InputModes::Option6_Click},
                          {"Option7", &InputModes::Option7_Click},
                          {"Option8", &InputModes::Option8_Click}}};
        for (const auto& [name, handler] : kHandlers) {
            if (name == option) {
                (modes_.*handler)();
                return true;
            }
        }
        return false;
    }
    int enterStep() const { return modes_.enterStep(); }

  private:
    PageWindow window_;
    InputModes modes_;
};

}  // namespace
}  // namespace dephlegmator

EMSCRIPTEN_BINDINGS(calculator) {
    emscripten::class_<dephlegmator::Calculator>("Calculator")
        .constructor<emscripten::val, std::string>()
        .function("formLoad", &dephlegmator::Calculator::formLoad)
        .function("command1Click", &dephlegmator::Calculator::command1Click)
        .function("optionClick", &dephlegmator::Calculator::optionClick)
        .function("enterStep", &dephlegmator::Calculator::enterStep);
}
