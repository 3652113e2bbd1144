#include "language.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace dephlegmator {
namespace {

// One process, one window, one thread: the language is a plain variable.
Language current = Language::Russian;

// The primary language subtag of a tag or locale name, lower-cased: "en" of "en-US", "EN_gb",
// "en.UTF-8" and "en@euro".
std::string PrimaryLanguage(std::string_view tag) {
    const std::size_t end = std::min(tag.find_first_of("-_.@"), tag.size());
    std::string primary(tag.substr(0, end));
    std::transform(primary.begin(), primary.end(), primary.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return primary;
}

bool IsEnglish(std::string_view tag) {
    return PrimaryLanguage(tag) == "en";
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
    constexpr std::array<std::string_view, 4> kReadsRussian{"ru", "uk", "be", "kk"};
    const bool readsRussian =
        std::any_of(preferred.begin(), preferred.end(), [&](const std::string& tag) {
            const std::string primary = PrimaryLanguage(tag);
            return std::find(kReadsRussian.begin(), kReadsRussian.end(), primary) !=
                   kReadsRussian.end();
        });
    return !readsRussian && !preferred.empty() && IsEnglish(preferred.front()) ? Language::English
                                                                               : Language::Russian;
}

}  // namespace dephlegmator
