#pragma once

#include "language.h"

namespace dephlegmator::testing {

// The catalogue's language for the life of a scope; Russian, the program's default, after it.
class InLanguage {
  public:
    explicit InLanguage(Language language) { SetLanguage(language); }
    ~InLanguage() { SetLanguage(Language::Russian); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};

}  // namespace dephlegmator::testing
