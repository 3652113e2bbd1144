// The catalogue of texts: every entry complete and in order, patterns filled as written, and the
// window's texts in English after a change of language and in Russian again after another.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "error_messages.h"
#include "form_driver.h"
#include "in_language.h"
#include "outcome.h"
#include "texts.h"
#include "window_layout.h"
#include "window_texts.h"

namespace dephlegmator {
namespace {

using testing::FakeWindow;
using testing::FormDriver;
using testing::InLanguage;

// Cyrillic letters, U+0400 to U+04FF, begin with the bytes D0 to D3 in UTF-8.
bool HasCyrillic(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0xD0 && byte <= 0xD3;
    });
}

TEST(Texts, TheCatalogueHasNoFaults) {
    EXPECT_EQ(CatalogueFaults(Catalogue()), std::vector<std::string>{});
}

TEST(Texts, FaultsOfACatalogueAreFound) {
    const struct {
        const char* name;
        std::vector<TextEntry> entries;
        std::vector<std::string> faults;
    } cases[] = {
        {"complete", {{Text(0), "a", "а", "a"}, {Text(1), "b", "б", "b"}}, {}},
        {"no English", {{Text(0), "a", "а", ""}}, {"a: no English text"}},
        {"no Russian", {{Text(0), "a", "", "a"}}, {"a: no Russian text"}},
        {"a key twice",
         {{Text(0), "a", "а", "a"}, {Text(1), "a", "б", "b"}},
         {"a: the key is used twice"}},
        {"no key", {{Text(0), "", "а", "a"}}, {"#0: no key"}},
        {"out of order", {{Text(1), "a", "а", "a"}}, {"a: out of order"}},
        {"a placeholder missing",
         {{Text(0), "a", "{max} Вт", "W"}},
         {"a: the languages have different placeholders"}},
        {"placeholders in another order", {{Text(0), "a", "{a} {b}", "{b} {a}"}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CatalogueFaults(c.entries), c.faults);
    }
}

TEST(Texts, EnglishTextsHaveNoCyrillicLetter) {
    for (const TextEntry& entry : Catalogue()) {
        EXPECT_FALSE(HasCyrillic(entry.english)) << entry.key << ": " << entry.english;
    }
}

// The page names its texts by key, from either list: one key names one text, and every page text
// has both languages, the English without a Cyrillic letter and the Russian in Russian.
// A number or a placeholder and the unit after it never part at the end of a line: the blank
// between them is a no-break space, and «л/мин» holds a word joiner after its slash.
TEST(Texts, ANumberAndItsUnitStayTogether) {
    const std::string units[] = {"Вт", "W", "°С", "°C", "л/",  "l/",  "см²", "cm²", "К",
                                 "K",  "%", "ч",  "h",  "мин", "min", "л",   "l"};
    std::vector<std::string_view> texts;
    for (const TextEntry& entry : Catalogue())
        texts.insert(texts.end(), {entry.russian, entry.english});
    for (const PageTextEntry& entry : PageTexts())
        texts.insert(texts.end(), {entry.russian, entry.english});
    for (const std::string_view text : texts) {
        for (std::size_t at = text.find(' '); at != std::string_view::npos;
             at = text.find(' ', at + 1)) {
            const char before = at == 0 ? ' ' : text[at - 1];
            if (!((before >= '0' && before <= '9') || before == '}')) continue;
            const std::string_view after = text.substr(at + 1);
            for (const std::string& unit : units) {
                if (!after.starts_with(unit)) continue;
                const std::string_view rest = after.substr(unit.size());
                // A unit ends where no letter follows ("10 K", not "10 Kelvin"); any byte of a
                // Cyrillic letter counts as a letter.
                const auto first = rest.empty() ? 0 : static_cast<unsigned char>(rest[0]);
                const bool whole =
                    unit.ends_with('/') || first == 0 || (first < 0x80 && std::isalpha(first) == 0);
                EXPECT_FALSE(whole) << "a plain space before its unit in: " << text;
            }
        }
        EXPECT_EQ(text.find("\u00A0л/мин"), std::string_view::npos) << text;
        EXPECT_EQ(text.find("\u00A0l/min"), std::string_view::npos) << text;
    }
}

TEST(Texts, ThePageTextsAreCompleteAndTheirKeysUnique) {
    std::set<std::string_view> keys;
    for (const TextEntry& entry : Catalogue()) keys.insert(entry.key);
    for (const PageTextEntry& entry : PageTexts()) {
        SCOPED_TRACE(entry.key);
        EXPECT_TRUE(keys.insert(entry.key).second) << "the key is used twice";
        EXPECT_FALSE(entry.russian.empty());
        EXPECT_FALSE(entry.english.empty());
        EXPECT_FALSE(HasCyrillic(entry.english)) << entry.english;
        // Texts are written single-spaced, as the page shows them.
        EXPECT_EQ(entry.russian.find("  "), std::string_view::npos);
        EXPECT_EQ(entry.english.find("  "), std::string_view::npos);
    }
    for (const char* key : {"page.lang", "page.title", "page.guide", "page.manifest"}) {
        EXPECT_EQ(keys.count(key), 1u) << key;
    }
}

TEST(Texts, FillReplacesEachPlaceholderOnceAndNothingElse) {
    // OutcomeEmptyBox is "Нет результата: не заполнено поле «{name}».", ErrorAutonomousBelowRise
    // has {rise} twice.
    EXPECT_EQ(Fill(Text::OutcomeEmptyBox, {{"name", "{name}"}}),
              "Нет результата: не заполнено поле «{name}».");
    EXPECT_EQ(Fill(Text::OutcomeEmptyBox, {{"other", "x"}}),
              "Нет результата: не заполнено поле «{name}».");
    const std::string twice = Fill(Text::ErrorAutonomousBelowRise, {{"rise", "10\u00A0°С"}});
    EXPECT_NE(
        twice.find("нагревается на 10\u00A0°С, а температура конденсации меньше чем на 10\u00A0°С"),
        std::string::npos)
        << twice;
    EXPECT_EQ(WithUnit("10", Text::UnitDegrees), "10\u00A0°С");
}

TEST(Texts, TrGivesTheLanguageAskedFor) {
    EXPECT_EQ(Tr(Text::Frame1Caption), "Т конденсации");
    EXPECT_EQ(Tr(Text::Frame1Caption, Language::English), "Condensation temperature");
    const InLanguage english(Language::English);
    EXPECT_EQ(Tr(Text::Frame1Caption), "Condensation temperature");
    EXPECT_EQ(Tr(Text::Frame1Caption, Language::Russian), "Т конденсации");
}

const layout::ControlRow& Row(std::string_view name) {
    return *std::find_if(layout::kControls.begin(), layout::kControls.end(),
                         [name](const layout::ControlRow& row) { return row.name == name; });
}

// The Russian captions that are easy to get wrong: a Latin "c" in «cм», «ENTER» in Latin letters,
// the full stops after «см кв» that only some carry, and the Cyrillic «С» of «°С».
TEST(Texts, RussianCaptionsKeepTheirLettersAndStops) {
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

TEST(Texts, CaptionsAndToolTipsFollowTheLanguage) {
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

TEST(Texts, AnErrorMessageInEnglishWithItsNumber) {
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

TEST(Texts, AMarkAndTheOutcomeInEnglish) {
    const InLanguage english(Language::English);
    FormDriver form;
    form.window.boxes.separator(",");
    form.window.boxes.set(Box::Text1, "78").set(Box::Text2, "15").set(Box::Text3, "100");
    form.window.boxes.set(Box::Text4, "5").set(Box::Text6, "1,5 кВт");
    form.Click("Option8");
    form.modes.Recalculate();
    EXPECT_EQ(form.window.marks["Text6"], "Enter a number in litres per minute, for example 1,5.");
    EXPECT_EQ(OutcomeSentence(form.modes.lastInputs(), form.modes.marks(), form.window, false),
              "No result. Enter a number in litres per minute, for example 1,5.");

    form.window.boxes.separator(".");
    form.window.boxes.set(Box::Text6, "40");
    form.Click("Option6");
    form.modes.Recalculate();
    EXPECT_EQ(OutcomeSentence(form.modes.lastInputs(), form.modes.marks(), form.window, false),
              "Results: heat load 5282\u00A0W, water flow 3.37\u00A0l/\u2060min, outlet water "
              "temperature 40\u00A0°C, "
              "area 1571\u00A0cm².");
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
TEST(Texts, ALanguageChangeWritesTheWindowsTextsAgain) {
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
