#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dephlegmator {

// The language of every text the program shows. A front end sets it once at start, and may set
// it again later; the texts written after that are in the new language (InputModes::
// LanguageChanged writes those the window already shows).
enum class Language { Russian, English };

void SetLanguage(Language language);
// Russian until a front end sets another.
Language CurrentLanguage();

// The desktop's language from the system's user-interface languages, most preferred first, as
// BCP 47 tags or locale names ("en-US", "en_GB", "ru-RU", "C"). English when the first one is
// English, whatever its region or script; Russian otherwise, the C locale and an empty list
// included. Examples: {"en-US", "ru-RU"} → English; {"en"} → English; {"de-DE", "en-US"} →
// Russian; {"C"} → Russian; {} → Russian.
Language DesktopLanguage(std::span<const std::string> uiLanguages);

// The browser page's language from the reader's preferred languages, most preferred first
// (navigator.languages). English when none of them is Russian, Ukrainian, Belarusian or Kazakh
// (ru, uk, be, kk, with any region), since a reader who reads one of those reads Russian too and
// any other reader is better served in English; Russian for an empty list, which says nothing.
// Examples: {"en-US", "en"} → English; {"de-DE"} → English; {"fr-FR", "en-US"} → English;
// {"en-US", "uk-UA"} → Russian; {"de", "ru"} → Russian; {} → Russian.
Language BrowserLanguage(std::span<const std::string> preferred);

// The language a code names, as a share link and the page's stored choice write it: "en" or
// "ru"; none for any other text.
std::optional<Language> LanguageNamed(std::string_view code);
// The code of `language`: "en" or "ru".
std::string_view LanguageCode(Language language);

// The browser page's language: the one a share link names, else the one the reader chose on the
// page before (`stored`, a code, "" for none; an unknown code counts as none), else
// BrowserLanguage of `preferred`, a comma-separated list ("en-US,en").
Language PageLanguage(std::optional<Language> linked, std::string_view stored,
                      std::string_view preferred);

}  // namespace dephlegmator
