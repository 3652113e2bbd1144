#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "languages.h"

namespace dephlegmator {

// The language of every text the program shows: enum class Language (languages.h, written at
// build time from the list of the catalogue's languages: Language::Russian, Language::English).
// A front end sets it once at start, and may set it again later; the texts written after that
// are in the new language (InputModes::LanguageChanged writes those the window already shows).

void SetLanguage(Language language);
// Russian until a front end sets another.
Language CurrentLanguage();

// The desktop's language from the system's user-interface languages, most preferred first, as
// BCP 47 tags or locale names ("en-US", "en_GB", "ru-RU", "C"). The first one's language when the
// catalogue has it (English for "en-US", whatever its region or script); Russian otherwise, the
// C locale and an empty list included. Examples: {"en-US", "ru-RU"} → English; {"en"} → English;
// {"de-DE", "en-US"} → Russian; {"C"} → Russian; {} → Russian.
Language DesktopLanguage(std::span<const std::string> uiLanguages);

// Whether the primary language subtag of a BCP 47 tag or locale name is `primary` (lower-case),
// in any case. Examples: ("en-US", "en") → true; ("EN_gb", "en") → true; ("en.UTF-8", "en") →
// true; ("eno", "en") → false.
bool HasPrimarySubtag(std::string_view tag, std::string_view primary);

// The language a code names, as a share link and the page's stored choice write it: "en" or
// "ru"; none for any other text, "EN" included.
std::optional<Language> LanguageNamed(std::string_view code);
// The code of `language`: "en" or "ru".
std::string_view LanguageCode(Language language);

}  // namespace dephlegmator
