#include "language.h"

#include <algorithm>
#include <string_view>

namespace dephlegmator {
namespace {

// One process, one window, one thread: the language is a plain variable.
Language current = Language::Russian;

bool IsEnglish(std::string_view tag) {
    return HasPrimarySubtag(tag, "en");
}

}  // namespace

void SetLanguage(Language language) {
    current = language;
}

Language CurrentLanguage() {
    return current;
}

Language DesktopLanguage(std::span<const std::string> uiLanguages) {
    return !uiLanguages.empty() && IsEnglish(uiLanguages.front()) ? Language::English
                                                                  : Language::Russian;
}

bool HasPrimarySubtag(std::string_view tag, std::string_view primary) {
    const std::size_t end = std::min(tag.find_first_of("-_.@"), tag.size());
    if (end != primary.size()) return false;
    for (std::size_t i = 0; i < end; ++i) {
        const char c = tag[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != primary[i]) {
            return false;
        }
    }
    return true;
}

std::optional<Language> LanguageNamed(std::string_view code) {
    if (code == "en") return Language::English;
    if (code == "ru") return Language::Russian;
    return std::nullopt;
}

std::string_view LanguageCode(Language language) {
    return language == Language::English ? "en" : "ru";
}

}  // namespace dephlegmator
