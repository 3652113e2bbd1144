#pragma once

#include <algorithm>
#include <string_view>

#include "language.h"

namespace dephlegmator::testing {

// The catalogue's language for the life of a scope; the one before it after it.
class InLanguage {
  public:
    explicit InLanguage(Language language) : before_(CurrentLanguage()) { SetLanguage(language); }
    ~InLanguage() { SetLanguage(before_); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

  private:
    Language before_;
};

// Whether `text` holds a Cyrillic letter: U+0400 to U+04FF begin with the bytes D0 to D3 in UTF-8.
inline bool HasCyrillic(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0xD0 && byte <= 0xD3;
    });
}

}  // namespace dephlegmator::testing
