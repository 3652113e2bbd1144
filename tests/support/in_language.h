#pragma once

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

}  // namespace dephlegmator::testing
