// The window's behaviour for the page: a Window whose controls are the page's elements, reached
// through the page object the page puts on the module (Module.page), and the handlers the page
// calls on its events, exported as plain C functions. Strings cross as UTF-8 bytes and a length.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <optional>
#include <string>
#include <string_view>

#include "design_panel.h"
#include "error_messages.h"
#include "input_modes.h"
#include "panel_json.h"

// The page object's operations. A string the page returns is written into the caller's buffer of
// `capacity` bytes (and a terminating zero) when it fits; the result is its length in bytes.
// clang-format off
EM_JS(int, page_text, (const char* box, int box_length, char* out, int capacity), {
  var text = Module.page.text(UTF8ToString(box, box_length));
  var length = lengthBytesUTF8(text);
  if (length <= capacity) stringToUTF8(text, out, capacity + 1);
  return length;
});
EM_JS(int, page_decimal_separator, (char* out, int capacity), {
  var text = Module.page.decimalSeparator();
  var length = lengthBytesUTF8(text);
  if (length <= capacity) stringToUTF8(text, out, capacity + 1);
  return length;
});
EM_JS(void, page_set_text, (const char* box, int box_length, const char* text, int length), {
  Module.page.setText(UTF8ToString(box, box_length), UTF8ToString(text, length));
});
EM_JS(int, page_is_checked, (const char* option, int length), {
  return Module.page.isChecked(UTF8ToString(option, length)) ? 1 : 0;
});
EM_JS(void, page_focus, (const char* control, int length), {
  Module.page.focus(UTF8ToString(control, length));
});
EM_JS(void, page_select_all, (const char* box, int length), {
  Module.page.selectAll(UTF8ToString(box, length));
});
EM_JS(void, page_set_visible, (const char* control, int length, int visible), {
  Module.page.setVisible(UTF8ToString(control, length), visible !== 0);
});
EM_JS(void, page_set_mark, (const char* box, int box_length, const char* problem,
                            int problem_length), {
  Module.page.setMark(UTF8ToString(box, box_length), UTF8ToString(problem, problem_length));
});
EM_JS(void, page_set_accessible_name, (const char* control, int length, const char* name,
                                       int name_length), {
  Module.page.setAccessibleName(UTF8ToString(control, length), UTF8ToString(name, name_length));
});
EM_JS(void, page_show_error, (const char* title, int title_length, const char* message,
                              int message_length), {
  Module.page.showError(UTF8ToString(title, title_length), UTF8ToString(message, message_length));
});
// clang-format on

namespace dephlegmator {
namespace {

int Length(std::string_view text) {
    return static_cast<int>(text.size());
}

// A string from the page: read into a small buffer, and again into a larger one if it did not fit.
template <typename Read>
std::string PageString(Read read) {
    std::string text(64, '\0');
    const int length = read(text.data(), Length(text));
    if (length > Length(text)) {
        text.resize(static_cast<std::size_t>(length));
        read(text.data(), length);
    }
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Forwards every control operation to the page object's method of the same purpose; controls are
// the page's elements with the control names as ids.
class PageWindow final : public Window {
  public:
    std::string text(Box box) const override {
        const std::string_view name = BoxName(box);
        return PageString([name](char* out, int capacity) {
            return page_text(name.data(), Length(name), out, capacity);
        });
    }
    void setText(Box box, const std::string& text) override {
        const std::string_view name = BoxName(box);
        page_set_text(name.data(), Length(name), text.data(), Length(text));
    }
    bool isSelected(Option option) const override {
        const std::string_view name = OptionName(option);
        return page_is_checked(name.data(), Length(name)) != 0;
    }
    // Asked of the page once, when a number is first read or written: a browser sets up its
    // number formats on first use, which is better not done while the page loads.
    std::string decimalSeparator() const override {
        if (!separator_) separator_ = PageString(page_decimal_separator);
        return *separator_;
    }

    void focus(std::string_view control) override { page_focus(control.data(), Length(control)); }
    void selectAll(std::string_view box) override { page_select_all(box.data(), Length(box)); }
    void setVisible(std::string_view control, bool visible) override {
        page_set_visible(control.data(), Length(control), visible ? 1 : 0);
    }
    void setMark(std::string_view box, std::string_view problem) override {
        page_set_mark(box.data(), Length(box), problem.data(), Length(problem));
    }
    void setAccessibleName(std::string_view control, std::string_view name) override {
        page_set_accessible_name(control.data(), Length(control), name.data(), Length(name));
    }
    void reportError(const CalcError& /*error*/, const std::string& message) override {
        const std::string_view title = kErrorTitle;
        page_show_error(title.data(), Length(title), message.data(), Length(message));
    }

  private:
    mutable std::optional<std::string> separator_;
};

// What the page holds: its window and the handlers acting on it.
class Calculator {
  public:
    Calculator() : modes_(window_) {}

    void formLoad() { modes_.Form_Load(); }
    // The recalculate command; returns the design panel for the inputs it read, as JSON.
    const std::string& command1Click() {
        modes_.Command1_Click();
        panelJson_ = DesignPanelJson(BuildDesignPanel(modes_.lastInputs(), window_, modes_.state(),
                                                      modes_.lastCalculationFailed()));
        return panelJson_;
    }
    // The handler of the option button named Option<number>; false when there is none.
    bool optionClick(int number) {
        const std::string option = "Option" + std::to_string(number);
        for (const auto& [name, run] : kClickHandlers) {
            if (name == option) {
                (modes_.*run)();
                return true;
            }
        }
        return false;
    }

    // The user has put the focus into the box named Text<number>.
    void boxFocused(int number) { modes_.BoxFocused("Text" + std::to_string(number)); }

  private:
    PageWindow window_;
    InputModes modes_;
    std::string panelJson_;
};

// The page has one window; it is made on the first call, after the page object is in place.
Calculator& TheCalculator() {
    static Calculator calculator;
    return calculator;
}

}  // namespace
}  // namespace dephlegmator

extern "C" {

EMSCRIPTEN_KEEPALIVE void calculator_form_load() {
    dephlegmator::TheCalculator().formLoad();
}

// The design panel's JSON, zero-terminated UTF-8, valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* calculator_command1_click() {
    return dephlegmator::TheCalculator().command1Click().c_str();
}

// The handler of the option button Option<number>; returns 0 when there is no such button.
EMSCRIPTEN_KEEPALIVE int calculator_option_click(int number) {
    return dephlegmator::TheCalculator().optionClick(number) ? 1 : 0;
}

// The box Text<number> has received the focus. The page reports every focus, the handlers' own
// moves too, which give the step the handler leaves.
EMSCRIPTEN_KEEPALIVE void calculator_box_focused(int number) {
    dephlegmator::TheCalculator().boxFocused(number);
}

}  // extern "C"
