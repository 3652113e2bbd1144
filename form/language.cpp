#include "language.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace dephlegmator {
namespace {

// One process, one window, one thread: the language is a plain variable.
Language current = Language::Russian;

// Whether the primary language subtag of a tag or locale name is `primary` (lower-case), in any
// case: "en" of "en-US", "EN_gb", "en.UTF-8" and "en@euro".
bool HasPrimary(std::string_view tag, std::string_view primary) {
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

bool IsEnglish(std::string_view tag) {
    return HasPrimary(tag, "en");
}

// BrowserLanguage over the tags that `forEachTag` passes to the function it is given, in order.
template <typename ForEachTag>
Language ChooseBrowserLanguage(ForEachTag forEachTag) {
    constexpr std::array<std::string_view, 4> kReadsRussian{"ru", "uk", "be", "kk"};
    bool any = false;
    bool readsRussian = false;
    forEachTag([&](std::string_view tag) {
        any = true;
        for (const std::string_view language : kReadsRussian) {
            if (HasPrimary(tag, language)) readsRussian = true;
        }
    });
    return any && !readsRussian ? Language::English : Language::Russian;
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

Language BrowserLanguage(std::span<const std::string> preferred) {
    return ChooseBrowserLanguage([preferred](auto visit) {
        for (const std::string& tag : preferred) visit(tag);
    });
}

std::optional<Language> LanguageNamed(std::string_view code) {
    if (code == "en") return Language::English;
    if (code == "ru") return Language::Russian;
    return std::nullopt;
}

std::string_view LanguageCode(Language language) {
    return language == Language::English ? "en" : "ru";
}

Language PageLanguage(std::optional<Language> linked, std::string_view stored,
                      std::string_view preferred) {
    if (linked) return *linked;
    if (const std::optional<Language> chosen = LanguageNamed(stored)) return *chosen;
    return ChooseBrowserLanguage([preferred](auto visit) {
        for (std::size_t start = 0; start < preferred.size();) {
            const std::size_t end = std::min(preferred.find(',', start), preferred.size());
            if (end > start) visit(preferred.substr(start, end - start));
            start = end + 1;
        }
    });
}

}  // namespace dephlegmator
