// The window's behaviour for the page: a Window whose controls are the page's elements, reached
// through a JavaScript object, and the handlers the page calls on its events.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "design_panel.h"
#include "error_messages.h"
#include "input_modes.h"

namespace dephlegmator {
namespace {

using emscripten::val;

// Forwards every control operation to the page object's method of the same purpose; controls are
// the page's elements with the control names as ids.
class PageWindow final : public Window {
  public:
    explicit PageWindow(val page) : page_(std::move(page)) {}

    std::string text(Box box) const override {
        return page_.call<std::string>("text", Name(BoxName(box)));
    }
    void setText(Box box, const std::string& text) override {
        page_.call<void>("setText", Name(BoxName(box)), text);
    }
    bool isSelected(Option option) const override {
        return page_.call<bool>("isChecked", Name(OptionName(option)));
    }
    // Asked of the page once, when a number is first read or written: a browser sets up its
    // number formats on first use, which is better not done while the page loads.
    std::string decimalSeparator() const override {
        if (!separator_) separator_ = page_.call<std::string>("decimalSeparator");
        return *separator_;
    }

    void focus(std::string_view control) override { page_.call<void>("focus", Name(control)); }
    void selectAll(std::string_view box) override { page_.call<void>("selectAll", Name(box)); }
    void setVisible(std::string_view control, bool visible) override {
        page_.call<void>("setVisible", Name(control), visible);
    }
    void setAccessibleName(std::string_view control, std::string_view name) override {
        page_.call<void>("setAccessibleName", Name(control), std::string(name));
    }
    void reportError(const CalcError& error) override {
        errorReported_ = true;
        page_.call<void>("showError", std::string(kErrorTitle), ErrorMessage(error, *this));
    }

    // Whether an error has been reported since the last call; clears the mark.
    bool takeErrorReported() { return std::exchange(errorReported_, false); }

  private:
    static std::string Name(std::string_view control) { return std::string(control); }

    val page_;
    mutable std::optional<std::string> separator_;
    bool errorReported_ = false;
};

// What the page holds: its window and the handlers acting on it.
class Calculator {
  public:
    explicit Calculator(val page) : window_(std::move(page)), modes_(window_) {}

    void formLoad() { modes_.Form_Load(); }
    // The recalculate command; returns the design panel for the inputs it read, as JSON.
    std::string command1Click() {
        window_.takeErrorReported();
        modes_.Command1_Click();
        const bool failed = window_.takeErrorReported();
        return DesignPanelJson(BuildDesignPanel(window_, modes_.state(), failed));
    }
    // The handler of the option button with that control name; false for any other name.
    bool optionClick(const std::string& option) {
        if (!option.starts_with("Option")) return false;
        for (const auto& [name, run] : kClickHandlers) {
            if (name == option) {
                (modes_.*run)();
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
        .constructor<emscripten::val>()
        .function("formLoad", &dephlegmator::Calculator::formLoad)
        .function("command1Click", &dephlegmator::Calculator::command1Click)
        .function("optionClick", &dephlegmator::Calculator::optionClick)
        .function("enterStep", &dephlegmator::Calculator::enterStep);
}
