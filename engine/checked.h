#pragma once

#include "calc_error.h"

namespace dephlegmator {

// A double whose every arithmetic operation goes through the floating-point check: an operation
// that overflows, divides a non-zero number by zero or is invalid (0/0) raises CalcError of that
// kind. Underflow and inexact results are not errors. Formulas written with it read as they are
// written and evaluate left to right, so a × b / c / d is ((a × b) / c) / d.
class Checked {
  public:
    constexpr Checked(double value) : value_(value) {}  // NOLINT: implicit by design

    constexpr double value() const { return value_; }

    friend Checked operator+(Checked a, Checked b);
    friend Checked operator-(Checked a, Checked b);
    friend Checked operator*(Checked a, Checked b);
    friend Checked operator/(Checked a, Checked b);
    friend Checked operator-(Checked a) { return Checked(-a.value_); }

  private:
    double value_;
};

// Natural exponential: a result beyond the double range raises overflow, a result too small
// becomes 0 without error.
Checked Exp(Checked x);

// Natural logarithm: an argument of 0 or below raises CalcError (invalid argument).
Checked Ln(Checked x);

}  // namespace dephlegmator
