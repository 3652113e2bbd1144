// The load handler, the option handlers and the Enter cycles, against a fake window.
#include <set>
#include <string>
#include <vector>

#include "form_driver.h"

namespace dephlegmator {
namespace {

using testing::FormDriver;

// Texts longer than the old fixed selections, so that a partial selection would show.
void TypeLongTexts(testing::FakeWindow& window) {
    window.boxes.set(Box::Text1, "78.35").set(Box::Text2, "15").set(Box::Text3, "100");
    window.boxes.set(Box::Text4, "125").set(Box::Text5, "1500").set(Box::Text6, "40.125");
}

// After one event: where the focus is (its whole text selected) and the step that follows.
struct Focus {
    const char* box;
    int step;
};

class InputModes : public ::testing::Test, public FormDriver {
  protected:
    InputModes() { TypeLongTexts(window); }

    void ExpectFocus(const Focus& expected) {
        EXPECT_EQ(window.focused, expected.box);
        EXPECT_EQ(window.selected, expected.box);
        EXPECT_EQ(modes.enterStep(), expected.step);
    }

    void Walk(const std::vector<Focus>& steps) {
        for (const Focus& step : steps) {
            SCOPED_TRACE(step.box);
            Enter();
            ExpectFocus(step);
        }
        EXPECT_TRUE(window.focusedWhileHidden.empty());
    }

    void ExpectShown(std::initializer_list<const char*> shown,
                     std::initializer_list<const char*> hidden) {
        for (const char* name : shown) EXPECT_TRUE(window.visible(name)) << name;
        for (const char* name : hidden) EXPECT_FALSE(window.visible(name)) << name;
    }
};

TEST(FormLoad, SetsTheConstantsAndSelectsThePreset) {
    testing::FakeWindow window;
    dephlegmator::InputModes modes(window);
    modes.Form_Load();
    EXPECT_EQ(modes.state().HeatTransferK, 680.0);
    EXPECT_EQ(modes.state().SpecificHeatC, 3760.0);
    EXPECT_EQ(modes.enterStep(), 0);
    EXPECT_EQ(window.text(Box::Text1), "78");
    EXPECT_EQ(window.selected, "Text1");
    EXPECT_EQ(window.focused, "");  // the front end gives Text1 the focus when it shows itself

    // 13 boxes, 8 option buttons and the push button, each with a name of its own.
    std::set<std::string> names;
    for (const auto& [control, name] : window.accessibleNames) {
        EXPECT_FALSE(name.empty()) << control;
        names.insert(name);
    }
    EXPECT_EQ(window.accessibleNames.size(), 22u);
    EXPECT_EQ(names.size(), 22u);
}

TEST_F(InputModes, EnterWalksTheHeightDiameterCycle) {
    Walk({{"Text2", 1}, {"Text3", 2}, {"Text4", 3}, {"Text6", 4}, {"Text1", 0}, {"Text2", 1}});
}

TEST_F(InputModes, EnterWalksTheAreaCycle) {
    Click("Option5");
    ExpectFocus({"Text5", 2});
    Walk({{"Text6", 3}, {"Text1", 0}, {"Text2", 1}, {"Text5", 2}, {"Text6", 3}});
}

TEST_F(InputModes, EveryEnterRecalculates) {
    window.boxes.set(Box::Text1, "78").set(Box::Text4, "5").set(Box::Text6, "40");
    Enter();
    EXPECT_EQ(window.text(Box::Text7), "5282");
    EXPECT_EQ(window.text(Box::Text8), "3.37");
    EXPECT_EQ(window.text(Box::Text10), "1571");
    window.boxes.set(Box::Text3, "200");
    Enter();
    EXPECT_EQ(window.text(Box::Text10), "3142");
    EXPECT_TRUE(window.errors.empty());
}

TEST(OptionHandlers, FocusTextAndNextStep) {
    struct Case {
        std::vector<const char*> clicks;
        Focus focus;  // box "": the focus stays on the option button
        const char* text1;
    };
    const Case cases[] = {
        {{"Option2"}, {"", 0}, "88"},
        {{"Option2", "Option1"}, {"", 0}, "78"},
        {{"Option3"}, {"Text1", 0}, "78.35"},
        {{"Option5"}, {"Text5", 2}, "78.35"},
        {{"Option5", "Option4"}, {"Text3", 2}, "78.35"},
        {{"Option7"}, {"Text6", 4}, "78.35"},
        {{"Option5", "Option8"}, {"Text6", 3}, "78.35"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clicks.back());
        FormDriver form;
        TypeLongTexts(form.window);
        form.Enter();  // leaves step 1, which every handler replaces
        form.window.focused.clear();
        form.window.selected.clear();
        for (const char* control : c.clicks) form.Click(control);
        EXPECT_EQ(form.window.focused, c.focus.box);
        if (*c.focus.box != '\0') {
            EXPECT_EQ(form.window.selected, c.focus.box);
        }
        EXPECT_EQ(form.modes.enterStep(), c.focus.step);
        EXPECT_EQ(form.window.text(Box::Text1), c.text1);
    }
}

// The user puts the focus into a box of the cycle (mouse, touch, Tab): the next Enter goes on to
// the box after it, whatever step the Enters before had reached.
TEST(BoxFocused, NextEnterGoesOnFromTheFocusedBox) {
    struct Case {
        bool area;
        const char* box;
        Focus next;  // where the next Enter goes, and the step after it
    };
    const Case cases[] = {
        {false, "Text1", {"Text2", 1}}, {false, "Text2", {"Text3", 2}},
        {false, "Text3", {"Text4", 3}}, {false, "Text4", {"Text6", 4}},
        {false, "Text6", {"Text1", 0}}, {true, "Text1", {"Text2", 1}},
        {true, "Text2", {"Text5", 2}},  {true, "Text5", {"Text6", 3}},
        {true, "Text6", {"Text1", 0}},
    };
    for (const Case& c : cases) {
        for (const int entersBefore : {0, 2}) {
            SCOPED_TRACE(std::string(c.area ? "area, " : "height and diameter, ") + c.box +
                         " after " + std::to_string(entersBefore) + " Enters");
            FormDriver form;
            TypeLongTexts(form.window);
            if (c.area) form.Click("Option5");
            for (int i = 0; i < entersBefore; ++i) form.Enter();
            form.window.focused = c.box;
            form.modes.BoxFocused(c.box);
            form.Enter();
            EXPECT_EQ(form.window.focused, c.next.box);
            EXPECT_EQ(form.window.selected, c.next.box);
            EXPECT_EQ(form.modes.enterStep(), c.next.step);
        }
    }
}

// Option buttons, the push button, result boxes and the boxes the mode hides are not in the
// cycle.
TEST(BoxFocused, ControlsOutsideTheCycleChangeNothing) {
    struct Case {
        bool area;
        const char* control;
    };
    const Case cases[] = {
        {false, "Option1"}, {false, "Option6"}, {false, "Command1"}, {false, "Text7"},
        {false, "Text5"},   {true, "Text3"},    {true, "Text4"},     {true, "Text10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        FormDriver form;
        if (c.area) form.Click("Option5");
        form.Enter();
        const int step = form.modes.enterStep();
        form.modes.BoxFocused(c.control);
        EXPECT_EQ(form.modes.enterStep(), step);
    }
}

// A front end that cannot tell the handlers' focus moves from the user's reports them all; the
// cycles and the option handlers then go exactly as without the reports.
TEST_F(InputModes, HandlersFocusMovesReportedBackChangeNothing) {
    window.onFocus = [this](std::string_view box) { modes.BoxFocused(box); };
    Walk({{"Text2", 1}, {"Text3", 2}, {"Text4", 3}, {"Text6", 4}, {"Text1", 0}});
    Click("Option3");
    ExpectFocus({"Text1", 0});
    Click("Option4");
    ExpectFocus({"Text3", 2});
    Click("Option7");
    ExpectFocus({"Text6", 4});
    Click("Option5");
    ExpectFocus({"Text5", 2});
    Walk({{"Text6", 3}, {"Text1", 0}, {"Text2", 1}, {"Text5", 2}});
    Click("Option8");
    ExpectFocus({"Text6", 3});
    Walk({{"Text1", 0}});
}

TEST_F(InputModes, GeometryModesSwapTheBoxesAndKeepTheirTexts) {
    Click("Option5");
    ExpectShown({"Text5", "Label6"}, {"Text3", "Text4", "Label4", "Label5"});
    Click("Option4");
    ExpectShown({"Text3", "Text4", "Label4", "Label5"}, {"Text5", "Label6"});
    EXPECT_EQ(window.text(Box::Text3), "100");
    EXPECT_EQ(window.text(Box::Text4), "125");
    EXPECT_EQ(window.text(Box::Text5), "1500");
    Enter();
    ExpectFocus({"Text4", 3});
}

TEST_F(InputModes, GivenQuantityShowsItsUnitAndName) {
    const struct {
        const char* option;
        const char* unit;
        const char* name;
    } cases[] = {
        {"Option7", "Label8", "Заданная тепловая нагрузка, Вт"},
        {"Option8", "Label9", "Заданный расход воды, л/мин"},
        {"Option6", "Label7", "Заданная температура воды на выходе, °С"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        Click(c.option);
        for (const char* label : {"Label7", "Label8", "Label9"}) {
            EXPECT_EQ(window.visible(label), std::string(label) == c.unit) << label;
        }
        EXPECT_EQ(window.accessibleNames["Text6"], c.name);
        EXPECT_EQ(window.text(Box::Text6), "40.125");
    }
}

// A failed calculation leaves the focus in the box its message is about, so that the next
// keystroke goes there, and the Enter cycle goes on from that box; where it is about none, the
// focus stays where the Enter cycle put it.
TEST_F(InputModes, FailedCalculationFocusesTheBoxItIsAbout) {
    struct Case {
        const char* name;
        const char* given;
        const char* text1;
        const char* text3;
        const char* text6;
        Focus focus;
    };
    const Case cases[] = {
        {"load beyond the surface", "Option7", "78", "40", "20000", {"Text6", 4}},
        {"condensation not above the inlet", "Option7", "15", "40", "2000", {"Text1", 0}},
        {"outlet barely above the inlet",
         "Option6",
         "78",
         "200",
         "15.000000000000002",
         {"Text6", 4}},
        {"a load beyond the double range: no box to point at",
         "Option6",
         "78",
         "1E305",
         "40",
         {"Text2", 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormDriver form;
        form.window.boxes.set(Box::Text2, "15").set(Box::Text4, "5.2");
        form.window.boxes.set(Box::Text1, c.text1).set(Box::Text3, c.text3);
        form.window.boxes.set(Box::Text6, c.text6);
        form.Click(c.given);
        form.Click("Option3");  // the next Enter goes to Text2
        std::string focusedAtReport;
        form.window.onFocus = [&](std::string_view) {
            if (form.window.errors.empty()) focusedAtReport = form.window.focused;
        };
        form.Enter();
        ASSERT_EQ(form.window.errors.size(), 1u);
        EXPECT_EQ(focusedAtReport, c.focus.box);  // before the message shows
        EXPECT_EQ(form.window.focused, c.focus.box);
        EXPECT_EQ(form.window.selected, c.focus.box);
        EXPECT_EQ(form.modes.enterStep(), c.focus.step);
    }
}

}  // namespace
}  // namespace dephlegmator
