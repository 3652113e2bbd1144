#include "language.h"

#include <algorithm>
#include <string_view>

namespace dephlegmator {
namespace {

// One process, one window, one thread: the language is a plain variable.
Language current = Language::Russian;

}  // namespace

void SetLanguage(Language language) {
    current = language;
}

Language CurrentLanguage() {
    return current;
}

Language DesktopLanguage(std::span<const std::string> uiLanguages) {
    if (uiLanguages.empty()) return Language::Russian;
    for (std::size_t i = 0; i < kLanguageCodes.size(); ++i) {
        if (HasPrimarySubtag(uiLanguages.front(), kLanguageCodes.at(i))) {
            return static_cast<Language>(i);
        }
    }
    return Language::Russian;
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
    const auto* found = std::find(kLanguageCodes.begin(), kLanguageCodes.end(), code);
    if (found == kLanguageCodes.end()) return std::nullopt;
    return static_cast<Language>(found - kLanguageCodes.begin());
}

std::string_view LanguageCode(Language language) {
    return kLanguageCodes.at(static_cast<std::size_t>(language));
}

}  // namespace dephlegmator
