// The window's captions, tooltips, names, marks and messages in the language the front end chose:
// English after a change of language, and Russian again, letter for letter, after another.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "error_messages.h"
#include "form_driver.h"
#include "in_language.h"
#include "texts.h"
#include "window_layout.h"
#include "window_texts.h"

namespace dephlegmator {
namespace {

using testing::FakeWindow;
using testing::FormDriver;
using testing::HasCyrillic;
using testing::InLanguage;

const layout::ControlRow& Row(std::string_view name) {
    return *std::find_if(layout::kControls.begin(), layout::kControls.end(),
                         [name](const layout::ControlRow& row) { return row.name == name; });
}

// The Russian captions that are easy to get wrong: a Latin "c" in «cм», «ENTER» in Latin letters,
// the full stops after «см кв» that only some carry, and the Cyrillic «С» of «°С».
TEST(WindowTexts, RussianCaptionsKeepTheirLettersAndStops) {
    const struct {
        const char* control;
        const char* caption;
    } cases[] = {
        {"Option4", "Высота, Диаметр [c\u043C]"},
        {"Option5", "Площадь поверхности [см кв]"},
        {"Command1", "Пересчет(ENTER)"},
        {"Label3", "[см кв.]"},
        {"Label6", "[см кв.]"},
        {"Label1", "[°\u0421]"},
        {"Label2", "[°\u0421]"},
        {"Label7", "[°\u0421]"},
        {"Label12", "[°\u0421]"},
        {"Option1", "СР"},
        {"Frame8", "Площадь поверхности"},
        {"Label14", "Результаты для автономного охлаждения"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(layout::Caption(Row(c.control)), c.caption) << c.control;
    }
}

TEST(WindowTexts, CaptionsAndToolTipsFollowTheLanguage) {
    EXPECT_EQ(layout::Caption(Row("Option4")), "Высота, Диаметр [cм]");
    EXPECT_EQ(layout::Caption(Row("Text7")), kNoResult);
    EXPECT_EQ(CaptionToolTip("Option6"), "") << "the Russian caption says it all";
    const InLanguage english(Language::English);
    EXPECT_EQ(layout::Caption(Row("Option4")), "Height, diameter [cm]");
    EXPECT_EQ(layout::Caption(Row("Label1")), "[°C]");
    EXPECT_EQ(layout::Caption(Row("Text7")), kNoResult);
    EXPECT_EQ(layout::Caption(Row("Text1")), "");
    EXPECT_EQ(CaptionToolTip("Option6"), "Outlet water temperature");
    EXPECT_EQ(CaptionToolTip("Frame1"), "");
}

// The heat load given beyond what 1000 cm² pass between 78 and 15 °C.
void TypeLoadBeyondTheSurface(FormDriver& form) {
    form.Click("Option5");
    form.window.boxes.set(Box::Text1, "78").set(Box::Text2, "15").set(Box::Text5, "1000");
    form.window.boxes.set(Box::Text6, "5000");
    form.Click("Option7");
    form.modes.Recalculate();
}

TEST(WindowTexts, AnErrorMessageInEnglishWithItsNumber) {
    const InLanguage english(Language::English);
    FormDriver form;
    TypeLoadBeyondTheSurface(form);
    ASSERT_EQ(form.window.messages.size(), 1u);
    EXPECT_EQ(form.window.messages[0],
              "Calculation error: heat load above the surface's limit.\n\nCould not calculate "
              "the water flow: at these temperatures this surface can transfer no more than "
              "4284\u00A0W, even "
              "at a very large water flow. Lower the heat load or increase the surface.");
    EXPECT_EQ(ErrorTitle(), "Error");
}

// The heat load given, with results in every box but Text71, which the heat-load mode leaves.
void LeaveResults(FormDriver& form) {
    form.window.boxes.set(Box::Text1, "78").set(Box::Text2, "15").set(Box::Text3, "100");
    form.window.boxes.set(Box::Text4, "5").set(Box::Text6, "2000");
    form.Click("Option7");
    form.modes.Recalculate();
}

// The same with a negative diameter: Text4 marked, no results.
void LeaveMarked(FormDriver& form) {
    LeaveResults(form);
    form.window.boxes.set(Box::Text4, "-5");
    form.modes.Recalculate();
}

void ExpectNoCyrillic(const FakeWindow& window) {
    for (const auto* texts :
         {&window.captions, &window.toolTips, &window.accessibleNames, &window.marks}) {
        for (const auto& [control, text] : *texts) {
            EXPECT_FALSE(HasCyrillic(text)) << control << ": " << text;
        }
    }
}

// Changes to English and back: English captions, tooltips, names and marks, then the Russian
// ones exactly as a window that stayed Russian has them.
TEST(WindowTexts, ALanguageChangeWritesTheWindowsTextsAgain) {
    for (const auto leave : {&LeaveResults, &LeaveMarked}) {
        const bool marked = leave == &LeaveMarked;
        SCOPED_TRACE(marked ? "marked" : "results");
        FormDriver russian;
        leave(russian);
        FormDriver form;
        leave(form);
        {
            const InLanguage english(Language::English);
            form.modes.LanguageChanged();
            EXPECT_EQ(form.window.captions["Frame3"], "Reflux condenser");
            EXPECT_EQ(form.window.captions["Label7"], "[°C]");
            EXPECT_EQ(form.window.toolTips["Option1"], Tr(Text::Option1About));
            EXPECT_EQ(form.window.toolTips["Option6"], "Outlet water temperature");
            EXPECT_EQ(form.window.accessibleNames["Text6"], "Given heat load, W");
            EXPECT_EQ(form.window.accessibleNames["Text71"],
                      "Autonomous cooling: heat load, W, no result");
            if (marked) {
                EXPECT_EQ(form.window.marks["Text4"],
                          "Enter a diameter above zero, for example 5.");
            } else {
                EXPECT_EQ(form.window.accessibleNames["Text7"], "External cooling: heat load, W");
            }
            const auto captioned = std::count_if(
                layout::kControls.begin(), layout::kControls.end(),
                [](const layout::ControlRow& row) { return row.caption.has_value(); });
            EXPECT_EQ(std::ssize(form.window.captions), captioned);
            ExpectNoCyrillic(form.window);
        }
        form.modes.LanguageChanged();
        EXPECT_EQ(form.window.accessibleNames, russian.window.accessibleNames);
        EXPECT_EQ(form.window.marks, russian.window.marks);
        EXPECT_EQ(form.window.marks.size(), marked ? 1u : 0u);
        for (const layout::ControlRow& row : layout::kControls) {
            if (row.caption) {
                EXPECT_EQ(form.window.captions[std::string(row.name)], Tr(*row.caption));
            }
        }
        EXPECT_EQ(form.window.captions["Option4"], "Высота, Диаметр [cм]");
        EXPECT_EQ(form.window.toolTips["Option6"], "");
    }
}

}  // namespace
}  // namespace dephlegmator
