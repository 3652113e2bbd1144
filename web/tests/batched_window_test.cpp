// The page's window keeps a handler's operations and hands them over at its end: the page must
// end up as a window that acts at once would leave it, and each handler must cost one call.
#include "batched_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "design_panel.h"
#include "fake_window.h"
#include "in_language.h"
#include "input_modes.h"
#include "panel_settings.h"
#include "share_link.h"
#include "window_layout.h"

namespace dephlegmator {
namespace {

using testing::FakeWindow;
using testing::InLanguage;

Box BoxNamed(std::string_view name) {
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        if (kBoxNames[i] == name) return static_cast<Box>(i);
    }
    ADD_FAILURE() << "no box " << name;
    return Box::Text1;
}

Option OptionNamed(std::string_view name) {
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        if (kOptionNames[i] == name) return static_cast<Option>(i);
    }
    ADD_FAILURE() << "no option " << name;
    return Option::Option4;
}

bool IsBox(std::string_view control) {
    return control.substr(0, 4) == "Text";
}

// A window that acts at once and, as the page does, reports each box that receives the focus, the
// handlers' own moves too, while the handler runs.
class ReportingWindow final : public FakeWindow {
  public:
    std::function<void(std::string_view)> reportFocus;

    void focus(std::string_view control) override {
        FakeWindow::focus(control);
        if (reportFocus && IsBox(control)) reportFocus(control);
    }
};

// A page that shows what it is told on a FakeWindow, counts what it is asked, and reports each
// box that receives the focus while it applies a handler's operations, as the page does.
class ModelPage final : public Page {
  public:
    FakeWindow shown;
    std::function<void(std::string_view)> reportFocus;
    std::vector<std::string> errorTitles;
    std::vector<std::string> announced;
    std::vector<std::string> checked;
    std::string geometry = "Option4";
    std::string given = "Option6";
    std::vector<std::vector<PageOperation>> batches;
    std::map<std::string, int, std::less<>> asked;
    std::map<std::string, std::string, std::less<>> panel;  // the design panel's elements

    std::string text(std::string_view box) override {
        ++asked[std::string(box)];
        return IsBox(box) ? shown.text(BoxNamed(box)) : panel[std::string(box)];
    }
    bool isChecked(std::string_view option) override {
        ++asked[std::string(option)];
        for (std::size_t i = 0; i < kOptionCount; ++i) {
            if (kOptionNames[i] == option) return shown.isSelected(static_cast<Option>(i));
        }
        ADD_FAILURE() << "no option " << option;
        return false;
    }
    std::string decimalSeparator() override { return shown.decimalSeparator(); }

    std::map<std::string, bool, std::less<>> panelShown;

    static bool IsWindowControl(std::string_view control) {
        return std::any_of(layout::kControls.begin(), layout::kControls.end(),
                           [control](const auto& row) { return row.name == control; });
    }

    void apply(const std::vector<PageOperation>& operations) override {
        batches.push_back(operations);
        using Kind = PageOperation::Kind;
        for (const auto& [kind, control, text] : operations) {
            switch (kind) {
                case Kind::SetText:
                    if (IsBox(control)) {
                        shown.setText(BoxNamed(control), text);
                    } else {
                        panel[control] = text;
                    }
                    break;
                case Kind::Focus:
                    shown.focus(control);
                    if (reportFocus && IsBox(control)) reportFocus(control);
                    break;
                case Kind::SelectAll:
                    shown.selectAll(control);
                    break;
                case Kind::Show:
                case Kind::Hide:
                    // The panel's elements are shown and hidden too; the window knows only its own.
                    if (IsWindowControl(control)) {
                        shown.setVisible(control, kind == Kind::Show);
                    } else {
                        panelShown[control] = kind == Kind::Show;
                    }
                    break;
                case Kind::SetMark:
                    shown.setMark(control, text);
                    break;
                case Kind::SetAccessibleName:
                    shown.setAccessibleName(control, text);
                    break;
                case Kind::ShowError:
                    errorTitles.push_back(control);
                    shown.messages.push_back(text);
                    break;
                case Kind::Announce:
                    announced.push_back(text);
                    break;
                case Kind::SetContent:
                    panel[control] = text;
                    break;
                case Kind::SetCaption:
                    shown.setCaption(control, text);
                    break;
                case Kind::SetToolTip:
                    shown.setToolTip(control, text);
                    break;
                case Kind::Check:
                    checked.push_back(control);
                    if (control == "Option4" || control == "Option5") geometry = control;
                    if (control >= "Option6") given = control;
                    shown.boxes.select(OptionNamed(geometry), OptionNamed(given));
                    break;
            }
        }
    }
};

// The same user actions on a window that acts at once and on the page's batched one.
class BatchedWindowTest : public ::testing::Test {
  protected:
    BatchedWindowTest() {
        directWindow.reportFocus = [this](std::string_view box) { direct.BoxFocused(box); };
        // As the page's focus report runs: the handler, then the window's flush.
        page.reportFocus = [this](std::string_view box) {
            batchedModes.BoxFocused(box);
            batched.flush();
        };
        direct.Form_Load();
        batchedModes.Form_Load();
        batched.flush();
    }

    void Type(Box box, const std::string& text) {
        directWindow.boxes.set(box, text);
        page.shown.boxes.set(box, text);
    }
    // The user puts the focus into a box, by mouse or Tab.
    void Focus(std::string_view box) {
        directWindow.focus(box);
        page.shown.focus(box);
        page.reportFocus(box);
    }
    void Click(std::string_view control) {
        if (control == "Option4" || control == "Option5") {
            geometry_ = control == "Option4" ? Option::Option4 : Option::Option5;
        }
        if (control == "Option6") given_ = Option::Option6;
        if (control == "Option7") given_ = Option::Option7;
        if (control == "Option8") given_ = Option::Option8;
        directWindow.boxes.select(geometry_, given_);
        page.shown.boxes.select(geometry_, given_);
        for (const auto& [name, run] : kClickHandlers) {
            if (name != control) continue;
            (direct.*run)();
            (batchedModes.*run)();
            batched.flush();
        }
    }

    void ExpectSamePage() {
        for (std::size_t i = 0; i < kBoxCount; ++i) {
            const Box box = static_cast<Box>(i);
            EXPECT_EQ(page.shown.text(box), directWindow.text(box)) << kBoxNames[i];
        }
        EXPECT_EQ(page.shown.focused, directWindow.focused);
        EXPECT_EQ(page.shown.selected, directWindow.selected);
        for (const auto& row : layout::kControls) {
            EXPECT_EQ(page.shown.visible(row.name), directWindow.visible(row.name)) << row.name;
        }
        EXPECT_EQ(page.shown.accessibleNames, directWindow.accessibleNames);
        EXPECT_EQ(page.shown.marks, directWindow.marks);
        EXPECT_EQ(page.shown.messages, directWindow.messages);
        EXPECT_EQ(batchedModes.enterStep(), direct.enterStep());
    }

    ReportingWindow directWindow;
    InputModes direct{directWindow};
    ModelPage page;
    BatchedWindow batched{page};
    InputModes batchedModes{batched};

  private:
    Option geometry_ = Option::Option4;
    Option given_ = Option::Option6;
};

TEST_F(BatchedWindowTest, LeavesThePageAsAWindowActingAtOnceWould) {
    ExpectSamePage();
    // The Enter cycle through the inputs, with results read back and a text typed between Enters.
    const std::pair<Box, const char*> typed[] = {{Box::Text1, "78"},
                                                 {Box::Text2, "15"},
                                                 {Box::Text3, "100"},
                                                 {Box::Text4, "5"},
                                                 {Box::Text6, "40"}};
    for (const auto& [box, text] : typed) {
        Type(box, text);
        Click("Command1");
        ExpectSamePage();
    }
    Type(Box::Text6, "41");
    Click("Command1");
    ExpectSamePage();
    // Enter goes on from the box the user put the focus into.
    Focus("Text3");
    ExpectSamePage();
    Click("Command1");
    ExpectSamePage();
    // The modes, presets and a calculation that fails after the heat load has been written.
    for (const char* control :
         {"Option7", "Option2", "Option5", "Option4", "Option8", "Option6", "Option3", "Option1"}) {
        Click(control);
        ExpectSamePage();
    }
    Type(Box::Text1, "78");
    Type(Box::Text2, "15");
    Type(Box::Text3, "200");
    Type(Box::Text4, "5");
    Type(Box::Text6, "15.000000000000002");
    Click("Command1");
    ExpectSamePage();
    ASSERT_EQ(page.shown.messages.size(), 1u);
    EXPECT_EQ(page.errorTitles, std::vector<std::string>{std::string(ErrorTitle())});
}

// The window's texts written again in English after a marked recalculation, in one call.
TEST_F(BatchedWindowTest, ALanguageChangeReachesThePageAsAWindowActingAtOnceWould) {
    Type(Box::Text1, "78");
    Type(Box::Text6, "abc");
    Click("Command1");
    const std::size_t batches = page.batches.size();
    const InLanguage english(Language::English);
    direct.LanguageChanged();
    batchedModes.LanguageChanged();
    batched.flush();
    EXPECT_EQ(page.batches.size(), batches + 1);
    ExpectSamePage();
    EXPECT_EQ(page.shown.captions, directWindow.captions);
    EXPECT_EQ(page.shown.toolTips, directWindow.toolTips);
    EXPECT_EQ(page.shown.captions["Frame1"], "Condensation temperature");
    EXPECT_EQ(page.shown.marks["Text6"], "Enter a number in degrees, for example 40.");
}

TEST_F(BatchedWindowTest, EachHandlerReachesThePageInOneCallAtItsEnd) {
    ASSERT_EQ(page.batches.size(), 1u);  // the load handler's
    Type(Box::Text1, "78");
    Type(Box::Text2, "15");
    Type(Box::Text3, "100");
    Type(Box::Text4, "5");
    Type(Box::Text6, "40");
    for (int i = 0; i < 4; ++i) Click("Command1");
    const std::string before = page.shown.text(Box::Text7);
    batchedModes.Command1_Click();
    // Nothing reaches the page before the handler ends.
    EXPECT_EQ(page.batches.size(), 5u);
    EXPECT_EQ(page.shown.text(Box::Text7), before);
    batched.flush();
    ASSERT_EQ(page.batches.size(), 6u);
    EXPECT_EQ(page.shown.text(Box::Text7), "5282");
    // The focus moves before the results are written, as the handler did it.
    const auto& last = page.batches.back();
    const auto at = [&last](PageOperation::Kind kind) {
        for (std::size_t i = 0; i < last.size(); ++i) {
            if (last[i].kind == kind) return i;
        }
        return last.size();
    };
    EXPECT_LT(at(PageOperation::Kind::Focus), at(PageOperation::Kind::SetText));
    EXPECT_LT(at(PageOperation::Kind::SetText), last.size());
    // A handler with nothing to do calls nothing.
    batched.flush();
    EXPECT_EQ(page.batches.size(), 6u);
}

TEST_F(BatchedWindowTest, ReadsWhatItWroteAndAsksThePageOncePerHandler) {
    batched.setText(Box::Text7, "1234");
    EXPECT_EQ(batched.text(Box::Text7), "1234");
    EXPECT_EQ(page.asked.count("Text7"), 0u);
    batched.flush();

    Type(Box::Text1, "78");
    Type(Box::Text2, "15");
    Type(Box::Text3, "100");
    Type(Box::Text4, "5");
    Type(Box::Text6, "40");
    page.asked.clear();
    batchedModes.Command1_Click();
    (void)BuildDesignPanel(batchedModes.lastInputs(), batched, batchedModes.state(), false);
    for (const auto& [control, times] : page.asked) EXPECT_EQ(times, 1) << control;
    EXPECT_EQ(page.asked.count("Text7"), 0u) << "Text7 is written before it is read back";
    batched.flush();

    // What the user types between handlers is read afresh.
    Type(Box::Text6, "41");
    page.asked.clear();
    batchedModes.Command1_Click();
    batched.flush();
    EXPECT_EQ(page.asked["Text6"], 1);
    EXPECT_EQ(page.shown.text(Box::Text7), "5218");
}

// The panel's settings read what a handler wrote before it reaches the page: a device type's U
// is the U the panel is built with in the same handler.
TEST_F(BatchedWindowTest, PanelSettingsReadWhatTheHandlerWrote) {
    BatchedPanel panel(batched);
    DephlegmatorSettings settings(panel);
    settings.Restore();
    batched.flush();
    page.panel["DeviceType"] = "coil";
    settings.DeviceTypeChanged();
    EXPECT_EQ(settings.coefficients().heatTransferK, 1000);
    EXPECT_EQ(page.panel["PanelU"], "680") << "not yet on the page";
    batched.flush();
    EXPECT_EQ(page.panel["PanelU"], "1000");
    EXPECT_EQ(page.panel["DeviceRange"], "обычно 800–1250\u00A0Вт/(м²·К)");
}

// A share link's form selects its options through the page within one handler: the calculation
// must read them as selected before the page has seen them, and the page must end up as a window
// acting at once leaves it.
TEST_F(BatchedWindowTest, OpensASharedFormAsAWindowActingAtOnceWould) {
    const SharedForm form = *ReadShareLink("preset=ss&t2=20&a=1257&given=load&v=2000").form;
    // The window acting at once selects the buttons as a toolkit does.
    struct : OptionSelector {
        ReportingWindow* window = nullptr;
        std::string geometry = "Option4";
        std::string given = "Option6";
        void select(std::string_view option) override {
            if (option == "Option4" || option == "Option5") geometry = option;
            if (option >= "Option6") given = option;
            window->boxes.select(OptionNamed(geometry), OptionNamed(given));
        }
    } toolkit;
    toolkit.window = &directWindow;
    OpenSharedForm(form, direct, directWindow, toolkit);
    const std::size_t before = page.batches.size();
    struct : OptionSelector {
        BatchedWindow* window = nullptr;
        void select(std::string_view option) override { window->check(option); }
    } page_;
    page_.window = &batched;
    OpenSharedForm(form, batchedModes, batched, page_);
    EXPECT_TRUE(batched.isSelected(Option::Option5));
    EXPECT_FALSE(batched.isSelected(Option::Option4));
    batched.flush();
    EXPECT_EQ(page.batches.size(), before + 1);
    EXPECT_EQ(page.checked, (std::vector<std::string>{"Option2", "Option5", "Option7"}));
    EXPECT_EQ(page.shown.text(Box::Text7), "2000");
    ExpectSamePage();
}

}  // namespace
}  // namespace dephlegmator
