// The window's behaviour for the page: a window whose controls are the page's elements, reached
// through the page object the page puts on the module (Module.page), and the handlers the page
// calls on its events and for a share link, exported as plain C functions. A handler's operations
// reach the page in one call at its end (BatchedWindow). Strings cross as UTF-8 bytes and a length.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batched_window.h"
#include "column_section.h"
#include "design_panel.h"
#include "hand_over.h"
#include "input_modes.h"
#include "outcome.h"
#include "page_language.h"
#include "panel_settings.h"
#include "share_link.h"
#include "texts.h"

// The page object's operations. A string the page returns is written into the caller's buffer of
// `capacity` bytes (and a terminating zero) when it fits; the result is its length in bytes.
// clang-format off
EM_JS(int, page_text, (const char* box, int box_length, char* out, int capacity), {
  var text = Module.page.text(UTF8ToString(box, box_length));
  var length = lengthBytesUTF8(text);
  if (length <= capacity) stringToUTF8(text, out, capacity + 1);
  return length;
});
// The page's decimal separator (0), the fragment of its address, with its '#' or "" (1), the
// language the reader chose on the page before, "" for none (2), or the reader's preferred
// languages, comma-separated (3).
EM_JS(int, page_string, (int which, char* out, int capacity), {
  var page = Module.page;
  var text = [page.decimalSeparator, page.linkFragment, page.storedLanguage,
              page.preferredLanguages][which]();
  var length = lengthBytesUTF8(text);
  if (length <= capacity) stringToUTF8(text, out, capacity + 1);
  return length;
});
// The parts of the insertion the page is asking about (Module.page.insertion): the text before
// it (0), the text inserted (1) and the text after it (2).
EM_JS(int, page_insertion, (int part, char* out, int capacity), {
  var text = Module.page.insertion[part];
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
                 'showError', 'announce', 'setContent', 'check', 'setCaption', 'setToolTip'];
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

// The page's string `which`, as page_string numbers them.
std::string PageString(int which) {
    return PageString(
        [which](char* out, int capacity) { return page_string(which, out, capacity); });
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
    std::string decimalSeparator() override { return PageString(0); }
    void apply(const std::vector<PageOperation>& operations) override {
        static_assert(static_cast<int>(PageOperation::Kind::SetToolTip) == 12,
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

// What the page holds: its window, the design panel's sections, and the handlers acting on them.
class Calculator {
  public:
    Calculator()
        : window_(page_), modes_(window_), panel_(window_), settings_(panel_), column_(panel_) {}

    void formLoad() {
        modes_.Form_Load();
        settings_.Restore();
        column_.Restore();
        column_.Show({std::nullopt, ColumnBeforeFirstRecalculation()});
        window_.flush();
    }
    // The recalculate command; returns the design panel for the inputs it read, as HandOver
    // lays it out. The page receives the window's operations, and what the live region says of
    // the outcome, before it draws the panel.
    const double* command1Click() {
        modes_.Command1_Click();
        return afterRecalculation();
    }

    // Opens the calculation the page's address carries in its fragment (ShareLinkFragment), if
    // any: returns the design panel when it opened one, nothing to show when the address carries
    // none, and a null pointer when the fragment is malformed, which the live region then says.
    const double* openLink() {
        const ShareLinkReading& link = linkReading();
        if (!link.problem.empty()) {
            window_.announce(link.problem);
            window_.flush();
            return nullptr;
        }
        if (!link.form) return panelHandOver_.WriteNothing();
        OpenSharedPanel(*link.form, panel_, settings_, column_);
        OpenSharedForm(*link.form, modes_, window_, selector_);
        return afterRecalculation();
    }

    // The page's language, from the share link's lang, the stored choice and the reader's
    // languages (PageLanguage), set for the module's texts.
    Language chooseLanguage() {
        const Language language =
            PageLanguage(linkReading().language, PageString(2), PageString(3));
        SetLanguage(language);
        return language;
    }

    // Switches the texts the module writes to `language`: the window's captions, tooltips,
    // accessible names and marks and the live region's sentence at once, and the panel's sections
    // shown again; returns the
    // design panel as panelEvent does. The page's own texts are the page's to switch.
    const double* setLanguage(Language language) {
        SetLanguage(language);
        modes_.LanguageChanged();
        settings_.LanguageChanged();
        // What the live region says of the last recalculation, in the new language.
        if (recalculated_) {
            window_.announce(OutcomeSentence(modes_.lastInputs(), modes_.marks(), window_,
                                             modes_.lastCalculationFailed()));
        }
        return refreshPanel();
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
        SetSharedPanel(form, panelTexts());
        fragment_ = ShareLinkFragment(form, CurrentLanguage());
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

    // The user has edited the input box named Text<number> within its typing limit.
    void textChanged(int number) {
        if (const std::optional<Box> box = InputBox(number)) modes_.TextChanged(*box);
        window_.flush();
    }
    // The user typed or pasted into the input box named Text<number> more than its typing limit
    // leaves room for; the page's insertion holds what and where.
    void textCut(int number) {
        const std::optional<Box> box = InputBox(number);
        if (!box) return;
        const auto part = [](int which) {
            return PageString(
                [which](char* out, int capacity) { return page_insertion(which, out, capacity); });
        };
        modes_.TextCut(*box, {part(0), part(1), part(2)});
        window_.flush();
    }

    // The events of the panel's sections.
    enum class PanelEvent {
        DeviceType,
        HeatTransfer,
        SpecificHeat,
        Calibrate,
        AcceptCalibration,
        UndoCalibration,
        CalibrationEdited,
        Reset,
        Column,
        PanelPower,
        TankStart,
        TakeLosses
    };
    // The handler of a panel event, then the section «У колонны» shown again and the panel built
    // again with the coefficients and tap flow they leave, for the last recalculation's inputs;
    // returns the panel, or nothing to show before the first recalculation.
    const double* panelEvent(PanelEvent event);

    // What the panel's sections keep on this device: texts by element id.
    const double* storedTexts() {
        const double* texts = storedHandOver_.WriteTexts(panelTexts());
        window_.flush();
        return texts;
    }

  private:
    // The texts of both sections that differ from their defaults, by element id.
    std::vector<std::pair<std::string_view, std::string>> panelTexts() const {
        std::vector<std::pair<std::string_view, std::string>> texts = settings_.Stored();
        const auto column = column_.Stored();
        texts.insert(texts.end(), column.begin(), column.end());
        return texts;
    }

    static std::optional<Box> InputBox(int number) {
        const std::string name = "Text" + std::to_string(number);
        for (const Box box : kInputBoxes) {
            if (BoxName(box) == name) return box;
        }
        return std::nullopt;
    }

    // What the page's address carries, read once.
    const ShareLinkReading& linkReading() {
        if (!link_) link_ = ReadShareLink(PageString(1));
        return *link_;
    }

    // What the section «У колонны» says before there is a condenser to compute with.
    static std::string ColumnBeforeFirstRecalculation() {
        return std::string(Tr(Text::ColumnBeforeFirstRecalculation));
    }

    // What the page receives after a recalculation: the window's operations, then what the live
    // region says of the outcome, then the panel's sections shown again and the design panel for
    // the inputs it read.
    const double* afterRecalculation() {
        recalculated_ = true;
        window_.announce(OutcomeSentence(modes_.lastInputs(), modes_.marks(), window_,
                                         modes_.lastCalculationFailed()));
        column_.Recalculated(modes_.lastInputs(), modes_.lastCalculationFailed());
        return refreshPanel();
    }
    const double* refreshPanel();

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
    BatchedPanel panel_;
    DephlegmatorSettings settings_;
    ColumnSection column_;
    bool recalculated_ = false;
    HandOver panelHandOver_;
    HandOver storedHandOver_;
    std::string fragment_;
    std::optional<ShareLinkReading> link_;
};

// The page has one window; it is made on the first call, after the page object is in place.
Calculator& TheCalculator() {
    static Calculator calculator;
    return calculator;
}

const double* Calculator::panelEvent(PanelEvent event) {
    switch (event) {
        case PanelEvent::DeviceType:
            settings_.DeviceTypeChanged();
            break;
        case PanelEvent::HeatTransfer:
            settings_.HeatTransferTyped();
            break;
        case PanelEvent::SpecificHeat:
            settings_.SpecificHeatTyped();
            break;
        case PanelEvent::Calibrate:  // from the window's inputs and the heater's power as they
                                     // stand
            settings_.Calibrate(ReadFormInputs(window_), column_.heaterPower());
            break;
        case PanelEvent::TakeLosses:
            if (const std::optional<double> losses = settings_.calibratedLosses()) {
                column_.SetLosses(*losses);
            }
            break;
        case PanelEvent::AcceptCalibration:
            settings_.AcceptCalibration();
            break;
        case PanelEvent::UndoCalibration:
            settings_.UndoCalibration();
            break;
        case PanelEvent::CalibrationEdited:
            settings_.CalibrationEdited();
            break;
        case PanelEvent::Reset:
            settings_.Reset();
            break;
        case PanelEvent::Column:
            break;
        case PanelEvent::PanelPower:
            column_.PowerTyped();
            break;
        case PanelEvent::TankStart:
            column_.TankStartTyped();
            break;
    }
    return refreshPanel();
}

const double* Calculator::refreshPanel() {
    const double* panel = nullptr;
    if (recalculated_) {
        const FormInputs& inputs = modes_.lastInputs();
        const bool failed = modes_.lastCalculationFailed();
        const PanelBasis basis = PanelCondenser(
            inputs, modes_.state(), failed, settings_.coefficients(), window_.decimalSeparator());
        column_.Show(basis);
        panel = panelHandOver_.WritePanel(
            BuildDesignPanel(basis, inputs, window_, modes_.state(), settings_.coefficients(),
                             column_.tapFlow(), column_.heaterPower(), column_.losses()),
            panel_.drawing(kTankChart));
    } else {
        column_.Show({std::nullopt, ColumnBeforeFirstRecalculation()});
        panel = panelHandOver_.WriteNothing();
    }
    window_.flush();
    return panel;
}

const double* PanelEvent(Calculator::PanelEvent event) {
    return TheCalculator().panelEvent(event);
}

}  // namespace
}  // namespace dephlegmator

extern "C" {

EMSCRIPTEN_KEEPALIVE void calculator_form_load() {
    dephlegmator::TheCalculator().formLoad();
}

// The recalculate command: the design panel as HandOver lays it out (hand_over.h), valid until
// the next call.
EMSCRIPTEN_KEEPALIVE const double* calculator_command1_click() {
    return dephlegmator::TheCalculator().command1Click();
}

// Opens the calculation the page's address carries: the design panel when it opened one, nothing
// to show when the address carries none, a null pointer when its fragment is malformed (the live
// region says why). Valid until the next call.
EMSCRIPTEN_KEEPALIVE const double* calculator_open_link() {
    return dephlegmator::TheCalculator().openLink();
}

// The page's language, before the load handler, from a share link's lang, the reader's stored
// choice and their preferred languages (PageLanguage): sets it for the module's texts and returns
// 1 for English, 0 for Russian.
EMSCRIPTEN_KEEPALIVE int calculator_choose_language() {
    return dephlegmator::TheCalculator().chooseLanguage() == dephlegmator::Language::English ? 1
                                                                                             : 0;
}

// Switches the module's texts to English (1) or Russian (0) and writes the window's texts again;
// returns the design panel as the panel's handlers do.
EMSCRIPTEN_KEEPALIVE const double* calculator_set_language(int english) {
    return dephlegmator::TheCalculator().setLanguage(
        english != 0 ? dephlegmator::Language::English : dephlegmator::Language::Russian);
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

// The user has edited the input box Text<number> within its typing limit.
EMSCRIPTEN_KEEPALIVE void calculator_text_changed(int number) {
    dephlegmator::TheCalculator().textChanged(number);
}

// The user typed or pasted into the input box Text<number> more than its typing limit leaves room
// for: the page's `insertion` holds the text before the selection, the text inserted and the text
// after the selection. The module writes what the box keeps and marks it.
EMSCRIPTEN_KEEPALIVE void calculator_text_cut(int number) {
    dephlegmator::TheCalculator().textCut(number);
}

// The handlers of the design panel's settings. Each returns the panel built again with the
// coefficients it leaves (as HandOver lays it out, valid until the next call), or nothing to show
// before the first recalculation, when there is no panel to build.
using Event = dephlegmator::Calculator::PanelEvent;
using dephlegmator::PanelEvent;

EMSCRIPTEN_KEEPALIVE const double* calculator_device_type_changed() {
    return PanelEvent(Event::DeviceType);
}
EMSCRIPTEN_KEEPALIVE const double* calculator_heat_transfer_typed() {
    return PanelEvent(Event::HeatTransfer);
}
EMSCRIPTEN_KEEPALIVE const double* calculator_specific_heat_typed() {
    return PanelEvent(Event::SpecificHeat);
}
// «Рассчитать U», from the calibration boxes and the window's inputs as they stand.
EMSCRIPTEN_KEEPALIVE const double* calculator_calibrate() {
    return PanelEvent(Event::Calibrate);
}
// «Всё равно принять»: the unusual U the last calibration showed.
EMSCRIPTEN_KEEPALIVE const double* calculator_accept_calibration() {
    return PanelEvent(Event::AcceptCalibration);
}
// «Вернуть прежний U».
EMSCRIPTEN_KEEPALIVE const double* calculator_undo_calibration() {
    return PanelEvent(Event::UndoCalibration);
}
// A calibration box has changed.
EMSCRIPTEN_KEEPALIVE const double* calculator_calibration_edited() {
    return PanelEvent(Event::CalibrationEdited);
}
// «Сбросить».
EMSCRIPTEN_KEEPALIVE const double* calculator_panel_reset() {
    return PanelEvent(Event::Reset);
}
// A box or the reflux choice of «У колонны» has changed.
EMSCRIPTEN_KEEPALIVE const double* calculator_column_changed() {
    return PanelEvent(Event::Column);
}
// PanelPower has changed: the user's own power.
EMSCRIPTEN_KEEPALIVE const double* calculator_panel_power_typed() {
    return PanelEvent(Event::PanelPower);
}
// TankStart has changed.
EMSCRIPTEN_KEEPALIVE const double* calculator_tank_start_typed() {
    return PanelEvent(Event::TankStart);
}
// «Взять в потери»: the losses the last calibration gave into PanelLosses.
EMSCRIPTEN_KEEPALIVE const double* calculator_take_losses() {
    return PanelEvent(Event::TakeLosses);
}
// What the panel's sections keep on this device: texts by element id, as HandOver::WriteTexts
// lays them out, valid until the next call.
EMSCRIPTEN_KEEPALIVE const double* calculator_stored_settings() {
    return dephlegmator::TheCalculator().storedTexts();
}

}  // extern "C"
