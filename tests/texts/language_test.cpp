// Which language the desktop chooses from the user's preferred languages, and the languages' codes.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "language.h"

namespace dephlegmator {
namespace {

struct Choice {
    const char* name;
    std::vector<std::string> languages;
    Language expected;
};

TEST(Language, DesktopIsEnglishOnlyWhenTheFirstLanguageIs) {
    const Choice cases[] = {
        {"a BCP 47 tag", {"en-US", "en-Latn-US", "en"}, Language::English},
        {"a locale name", {"en_GB"}, Language::English},
        {"bare, upper case", {"EN"}, Language::English},
        {"English before Russian", {"en", "ru-RU"}, Language::English},
        {"Russian", {"ru-RU", "ru-Cyrl-RU", "ru"}, Language::Russian},
        {"Russian before English", {"ru", "en-US"}, Language::Russian},
        {"German before English", {"de-DE", "en-US"}, Language::Russian},
        {"the C locale", {"C"}, Language::Russian},
        {"no language at all", {}, Language::Russian},
        {"a language that begins like English", {"eno"}, Language::Russian},
    };
    for (const Choice& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DesktopLanguage(c.languages), c.expected);
    }
}

TEST(Language, CodesNameTheLanguagesBothWays) {
    for (const Language language : {Language::English, Language::Russian}) {
        EXPECT_EQ(LanguageNamed(LanguageCode(language)), language);
    }
    for (const char* unknown : {"", "EN", "en-US", "uk", "ru "}) {
        EXPECT_EQ(LanguageNamed(unknown), std::nullopt) << unknown;
    }
}

TEST(Language, RussianUntilAFrontEndSetsAnother) {
    EXPECT_EQ(CurrentLanguage(), Language::Russian);
    SetLanguage(Language::English);
    EXPECT_EQ(CurrentLanguage(), Language::English);
    SetLanguage(Language::Russian);
    EXPECT_EQ(CurrentLanguage(), Language::Russian);
}

}  // namespace
}  // namespace dephlegmator
