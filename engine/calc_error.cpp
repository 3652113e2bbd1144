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
        case CalcError::Kind::HeatLoadBeyondSurface:
            return "heat load beyond what the surface can pass";
        case CalcError::Kind::ShownBelowItsDecimals:
            return "a result shown below its decimals read as a number";
    }
    return "calculation error";
}

}  // namespace

CalcError::CalcError(Kind kind, double maxHeatLoad)
    : std::runtime_error(Describe(kind)),
      kind_(kind),
      maxHeatLoad_(kind == Kind::HeatLoadBeyondSurface ? maxHeatLoad : 0) {}

CalcError CalcError::at(Stage stage) const {
    CalcError marked = *this;
    marked.stage_ = stage;
    return marked;
}

}  // namespace dephlegmator
