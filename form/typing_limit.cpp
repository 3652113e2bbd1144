#include "typing_limit.h"

#include <algorithm>

#include "window_layout.h"

namespace dephlegmator {
namespace {

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
}

// The first `count` characters of a UTF-8 text.
std::string_view FirstCharacters(std::string_view text, std::size_t count) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!StartsCharacter(text[at])) continue;
        if (count == 0) return text.substr(0, at);
        --count;
    }
    return text;
}

}  // namespace

std::size_t TypingLimit(Box box) {
    const auto* const row =
        std::find_if(layout::kControls.begin(), layout::kControls.end(),
                     [box](const layout::ControlRow& r) { return r.name == BoxName(box); });
    return row == layout::kControls.end() ? 0 : static_cast<std::size_t>(row->maxLength);
}

std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), StartsCharacter));
}

std::string KeptWithinLimit(const Insertion& insertion, std::size_t limit) {
    std::string_view inserted = insertion.inserted;
    if (limit > 0) {
        const std::size_t used = CharacterCount(insertion.head) + CharacterCount(insertion.tail);
        inserted = FirstCharacters(inserted, limit > used ? limit - used : 0);
    }
    std::string kept = insertion.head;
    kept += inserted;
    kept += insertion.tail;
    return kept;
}

}  // namespace dephlegmator
