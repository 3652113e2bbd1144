// Which language the browser page chooses from a link, the reader's stored choice and the browser's
// preferred languages.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "page_language.h"

namespace dephlegmator {
namespace {

struct Choice {
    const char* name;
    std::vector<std::string> languages;
    Language expected;
};

TEST(Language, BrowserIsEnglishWithoutARussianReader) {
    const Choice cases[] = {
        {"English", {"en-US", "en"}, Language::English},
        {"English, then German", {"en-GB", "de"}, Language::English},
        {"bare English", {"en"}, Language::English},
        {"Ukrainian after English", {"en-US", "uk-UA"}, Language::Russian},
        {"Russian after English", {"en", "ru"}, Language::Russian},
        {"Belarusian after English", {"en", "be-BY"}, Language::Russian},
        {"Kazakh after English", {"en", "kk"}, Language::Russian},
        {"Russian first", {"ru-RU", "en"}, Language::Russian},
        {"German first", {"de", "en"}, Language::English},
        {"German alone", {"de-DE"}, Language::English},
        {"French, then English", {"fr-FR", "en-US"}, Language::English},
        {"Russian after German", {"de", "ru-RU"}, Language::Russian},
        {"no language at all", {}, Language::Russian},
        {"a language that begins like Russian", {"en", "rup"}, Language::English},
    };
    for (const Choice& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BrowserLanguage(c.languages), c.expected);
    }
}

TEST(Language, ThePageTakesTheLinksThenTheStoredThenTheBrowsers) {
    const std::optional<Language> none;
    const struct {
        const char* name;
        std::optional<Language> linked;
        const char* stored;
        const char* preferred;
        Language expected;
    } cases[] = {
        {"the browser's English", none, "", "en-US,en", Language::English},
        {"the browser's English with Russian", none, "", "en-US,ru", Language::Russian},
        {"the browser's Russian", none, "", "ru-RU", Language::Russian},
        {"no languages at all", none, "", "", Language::Russian},
        {"the browser's French and English", none, "", "fr-FR,en-US", Language::English},
        {"the browser's German and Kazakh", none, "", "de,kk-KZ", Language::Russian},
        {"an empty tag first", none, "", ",en", Language::English},
        {"a stored Russian over the browser's English", none, "ru", "en-US", Language::Russian},
        {"a stored English over the browser's Russian", none, "en", "ru-RU", Language::English},
        {"an unknown stored code", none, "de", "en-US", Language::English},
        {"a link's Russian over a stored English", Language::Russian, "en", "en",
         Language::Russian},
        {"a link's English over the browser's Russian", Language::English, "", "ru",
         Language::English},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PageLanguage(c.linked, c.stored, c.preferred), c.expected);
    }
}

}  // namespace
}  // namespace dephlegmator
