#include "checked.h"

#include <cmath>

namespace dephlegmator {
namespace {

// Operands are always finite (every earlier result went through this check), so a non-finite
// result of + - * means the operation overflowed, and NaN can only come from 0/0.
Checked Finite(double result) {
    if (std::isnan(result)) throw CalcError(CalcError::Kind::InvalidOperation);
    if (std::isinf(result)) throw CalcError(CalcError::Kind::Overflow);
    return Checked(result);
}

}  // namespace

Checked operator+(Checked a, Checked b) {
    return Finite(a.value_ + b.value_);
}
Checked operator-(Checked a, Checked b) {
    return Finite(a.value_ - b.value_);
}
Checked operator*(Checked a, Checked b) {
    return Finite(a.value_ * b.value_);
}

Checked operator/(Checked a, Checked b) {
    if (b.value_ == 0) {
        throw CalcError(a.value_ == 0 || std::isnan(a.value_) ? CalcError::Kind::InvalidOperation
                                                              : CalcError::Kind::DivisionByZero);
    }
    return Finite(a.value_ / b.value_);
}

Checked Exp(Checked x) {
    return Finite(std::exp(x.value()));
}

Checked Ln(Checked x) {
    if (!(x.value() > 0)) throw CalcError(CalcError::Kind::InvalidArgument);
    return Finite(std::log(x.value()));
}

}  // namespace dephlegmator
