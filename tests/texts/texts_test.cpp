// The catalogue of texts: what the gettext files give, and patterns filled as written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "in_language.h"
#include "texts.h"

namespace dephlegmator {
namespace {

using testing::HasCyrillic;
using testing::InLanguage;

// The catalogue's entries, one per Text in Text order, each with a key and both texts, and the
// same placeholders in both, are checked where the catalogue is written (texts/make_catalogue.py,
// tested by po_refusals_test.py).
TEST(Texts, EachTextIsItsOwnEntry) {
    const auto catalogue = Catalogue();
    ASSERT_EQ(catalogue.size(), static_cast<std::size_t>(Text::LinkAreaAndHeight) + 1);
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(catalogue[i].id), i) << catalogue[i].key;
    }
    EXPECT_EQ(catalogue[static_cast<std::size_t>(Text::ErrorLoadBeyondSurface)].key,
              "error.loadBeyondSurface");
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

}  // namespace
}  // namespace dephlegmator
