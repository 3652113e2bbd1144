#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "language.h"

namespace dephlegmator {

// The browser page's language from the reader's preferred languages, most preferred first
// (navigator.languages). English when none of them is Russian, Ukrainian, Belarusian or Kazakh
// (ru, uk, be, kk, with any region), since a reader who reads one of those reads Russian too and
// any other reader is better served in English; Russian for an empty list, which says nothing.
// Examples: {"en-US", "en"} → English; {"de-DE"} → English; {"fr-FR", "en-US"} → English;
// {"en-US", "uk-UA"} → Russian; {"de", "ru"} → Russian; {} → Russian.
Language BrowserLanguage(std::span<const std::string> preferred);

// The browser page's language: the one a share link names, else the one the reader chose on the
// page before (`stored`, a code, "" for none; an unknown code counts as none), else
// BrowserLanguage of `preferred`, a comma-separated list ("en-US,en").
Language PageLanguage(std::optional<Language> linked, std::string_view stored,
                      std::string_view preferred);

}  // namespace dephlegmator
