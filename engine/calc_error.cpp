#include "calc_error.h"

namespace dephlegmator {
namespace {

const char* Describe(CalcError::Kind kind) {
    switch (kind) {
        case CalcError::Kind::Overflow:
            return "overflow";
        case CalcError::Kind::DivisionByZero:
            return "division by zero";
        case CalcError::Kind::InvalidOperation:
            return "invalid floating-point operation";
        case CalcError::Kind::InvalidArgument:
            return "invalid argument";
    }
    return "calculation error";
}

}  // namespace

CalcError::CalcError(Kind kind) : std::runtime_error(Describe(kind)), kind_(kind) {}

}  // namespace dephlegmator
