#pragma once

#include <stdexcept>

namespace dephlegmator {

// An arithmetic failure that stops the calculation at the failing formula.
class CalcError : public std::runtime_error {
  public:
    enum class Kind { Overflow, DivisionByZero, InvalidOperation, InvalidArgument };

    explicit CalcError(Kind kind);

    Kind kind() const { return kind_; }

  private:
    Kind kind_;
};

}  // namespace dephlegmator
