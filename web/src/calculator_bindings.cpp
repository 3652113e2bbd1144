// The window's behaviour for the page: a window whose controls are the page's elements, reached
// through the page object the page puts on the module (Module.page), and the handlers the page
// calls on its events and for a share link, exported as plain C functions. A handler's operations
// reach the page in one call at its end (BatchedWindow). Strings cross as UTF-8 bytes and a length.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "batched_window.h"
#include "design_panel.h"
#include "input_modes.h"
#include "outcome.h"
#include "panel_json.h"
#include "share_link.h"

// The page object's operations. A string the page returns is written into the caller's buffer of
// `capacity` bytes (and a terminating zero) when it fits; the result is its length in bytes.
// clang-format off
EM_JS(int, page_text, (const char* box, int box_length, char* out, int capacity), {
  var text = Module.page.text(UTF8ToString(box, box_length));
  var length = lengthBytesUTF8(text);
  if (length <= capacity) stringToUTF8(text, out, capacity + 1);
  return length;
});
// The page's decimal separator (0) or the fragment of its address, with its '#' or "" (1).
EM_JS(int, page_string, (int which, char* out, int capacity), {
  var text = which ? Module.page.linkFragment() : Module.page.decimalSeparator();
  var length = lengthBytesUTF8(text);
  if (length <= capacity) stringToUTF8(text, out, capacity + 1);
  return length;
});
EM_JS(int, page_is_checked, (const char* option, int length), {
  return Module.page.isChecked(UTF8ToString(option, length)) ? 1 : 0;
});
// The operations of a handler, in order: `count` records of five ints each, the kind (the index of
// the page's method in `methods`, in the order of PageOperation::Kind), then the control's and
// the text's UTF-8 bytes as pointer and length. The page receives them as [method, control, text].
EM_JS(void, page_apply, (const int* records, int count), {
  var methods = ['setText', 'focus', 'selectAll', 'show', 'hide', 'setMark', 'setAccessibleName',
                 'showError', 'announce', 'check'];
  var operations = new Array(count);
  for (var i = 0; i < count; ++i) {
    var at = (records >> 2) + 5 * i;
    operations[i] = [methods[HEAP32[at]], UTF8ToString(HEAP32[at + 1], HEAP32[at + 2]),
                     UTF8ToString(HEAP32[at + 3], HEAP32[at + 4])];
  }
  Module.page.apply(operations);
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

// The page object's operations; controls are the page's elements with the control names as ids.
class EmscriptenPage final : public Page {
  public:
    std::string text(std::string_view box) override {
        return PageString([box](char* out, int capacity) {
            return page_text(box.data(), Length(box), out, capacity);
        });
    }
    bool isChecked(std::string_view option) override {
        return page_is_checked(option.data(), Length(option)) != 0;
    }
    std::string decimalSeparator() override {
        return PageString([](char* out, int capacity) { return page_string(0, out, capacity); });
    }
    void apply(const std::vector<PageOperation>& operations) override {
        static_assert(static_cast<int>(PageOperation::Kind::Check) == 9,
                      "page_apply names the page's methods in the order of the kinds");
        std::vector<int> records;
        records.reserve(operations.size() * 5);
        for (const PageOperation& operation : operations) {
            records.push_back(static_cast<int>(operation.kind));
            records.push_back(Address(operation.control));
            records.push_back(Length(operation.control));
            records.push_back(Address(operation.text));
            records.push_back(Length(operation.text));
        }
        page_apply(records.data(), static_cast<int>(operations.size()));
    }

  private:
    // A pointer into the module's memory as the page's code sees it: a 32-bit offset.
    static int Address(const std::string& text) {
        return static_cast<int>(reinterpret_cast<std::uintptr_t>(text.data()));
    }
};

// What the page holds: its window and the handlers acting on it.
class Calculator {
  public:
    Calculator() : window_(page_), modes_(window_) {}

    void formLoad() {
        modes_.Form_Load();
        window_.flush();
    }
    // The recalculate command; returns the design panel for the inputs it read, as JSON. The
    // page receives the window's operations, and what the live region says of the outcome,
    // before it draws the panel.
    const std::string& command1Click() {
        modes_.Command1_Click();
        return afterRecalculation();
    }

    // Opens the calculation the page's address carries in its fragment (ShareLinkFragment), if
    // any: returns the design panel's JSON when it opened one, "" when the address carries none,
    // and nothing when the fragment is malformed, which the live region then says.
    const std::string* openLink() {
        const ShareLinkReading link = ReadShareLink(
            PageString([](char* out, int capacity) { return page_string(1, out, capacity); }));
        if (!link.problem.empty()) {
            window_.announce(link.problem);
            window_.flush();
            return nullptr;
        }
        panelJson_.clear();
        if (!link.form) return &panelJson_;
        OpenSharedForm(*link.form, modes_, window_, selector_);
        return &afterRecalculation();
    }

    // The fragment of a link to the window's inputs and modes as they stand.
    const std::string& shareFragment() {
        SharedForm form;
        form.modes = ReadModes(window_);
        form.preset = page_.isChecked("Option2")   ? Preset::SS
                      : page_.isChecked("Option3") ? Preset::Other
                                                   : Preset::SR;
        for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
            form.texts[i] = window_.text(kInputBoxes[i]);
        }
        fragment_ = ShareLinkFragment(form);
        window_.flush();
        return fragment_;
    }
    // The handler of the option button named Option<number>; false when there is none.
    bool optionClick(int number) {
        const std::string option = "Option" + std::to_string(number);
        for (const auto& [name, run] : kClickHandlers) {
            if (name == option) {
                (modes_.*run)();
                window_.flush();
                return true;
            }
        }
        return false;
    }

    // The user has put the focus into the box named Text<number>. The page reports the handlers'
    // own focus moves too, while it applies their operations, so this may run inside flush().
    void boxFocused(int number) {
        modes_.BoxFocused("Text" + std::to_string(number));
        window_.flush();
    }

  private:
    // What the page receives after a recalculation: the window's operations, then what the live
    // region says of the outcome, then the design panel for the inputs it read, as JSON.
    const std::string& afterRecalculation() {
        const bool failed = modes_.lastCalculationFailed();
        window_.announce(OutcomeSentence(modes_.lastInputs(), modes_.marks(), window_, failed));
        panelJson_ =
            DesignPanelJson(BuildDesignPanel(modes_.lastInputs(), window_, modes_.state(), failed));
        window_.flush();
        return panelJson_;
    }

    // Selects a shared form's option buttons on the page.
    struct Selector final : OptionSelector {
        explicit Selector(BatchedWindow& window) : window(window) {}
        void select(std::string_view option) override { window.check(option); }
        BatchedWindow& window;
    };

    EmscriptenPage page_;
    BatchedWindow window_;
    Selector selector_{window_};
    InputModes modes_;
    std::string panelJson_;
    std::string fragment_;
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

// Opens the calculation the page's address carries: the design panel's JSON when it opened one,
// "" when the address carries none, a null pointer when its fragment is malformed (the live region
// says why). Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* calculator_open_link() {
    const std::string* json = dephlegmator::TheCalculator().openLink();
    return json ? json->c_str() : nullptr;
}

// The fragment, without '#', of a link to the window's inputs and modes; valid until the next
// call.
EMSCRIPTEN_KEEPALIVE const char* calculator_share_fragment() {
    return dephlegmator::TheCalculator().shareFragment().c_str();
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
