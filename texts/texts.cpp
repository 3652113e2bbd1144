#include "texts.h"

#include <algorithm>

#include "text_table.h"

namespace dephlegmator {

// The tables written from the gettext files, in Text order.
using generated::kPageTexts;
using generated::kTexts;

std::span<const TextEntry> Catalogue() {
    return kTexts;
}

std::span<const PageTextEntry> PageTexts() {
    return kPageTexts;
}

std::string_view Tr(Text text, Language language) {
    return kTexts.at(static_cast<std::size_t>(text)).*
           kTextIn.at(static_cast<std::size_t>(language));
}

std::string_view Tr(Text text) {
    return Tr(text, CurrentLanguage());
}

std::string Fill(Text text, std::initializer_list<Filling> values) {
    const std::string_view pattern = Tr(text);
    std::string out;
    out.reserve(pattern.size());
    std::size_t done = 0;
    for (std::size_t open = pattern.find('{'); open != std::string_view::npos;
         open = pattern.find('{', open + 1)) {
        const std::size_t close = pattern.find('}', open);
        if (close == std::string_view::npos) break;
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const auto* value =
            std::find_if(values.begin(), values.end(),
                         [name](const Filling& filling) { return filling.first == name; });
        if (value == values.end()) continue;
        out.append(pattern.substr(done, open - done)).append(value->second);
        done = close + 1;
        open = close;
    }
    return out.append(pattern.substr(done));
}

std::string WithUnit(std::string_view number, Text unit) {
    std::string out(number);
    return out.append("\u00A0").append(Tr(unit));
}

}  // namespace dephlegmator
