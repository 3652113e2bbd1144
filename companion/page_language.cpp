#include "page_language.h"

#include <algorithm>
#include <array>

namespace dephlegmator {
namespace {

// BrowserLanguage over the tags that `forEachTag` passes to the function it is given, in order.
template <typename ForEachTag>
Language ChooseBrowserLanguage(ForEachTag forEachTag) {
    constexpr std::array<std::string_view, 4> kReadsRussian{"ru", "uk", "be", "kk"};
    bool any = false;
    bool readsRussian = false;
    forEachTag([&](std::string_view tag) {
        any = true;
        for (const std::string_view language : kReadsRussian) {
            if (HasPrimarySubtag(tag, language)) readsRussian = true;
        }
    });
    return any && !readsRussian ? Language::English : Language::Russian;
}

}  // namespace

Language BrowserLanguage(std::span<const std::string> preferred) {
    return ChooseBrowserLanguage([preferred](auto visit) {
        for (const std::string& tag : preferred) visit(tag);
    });
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
