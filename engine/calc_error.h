#pragma once

#include <stdexcept>

namespace dephlegmator {

// A failure that stops the calculation at the failing formula.
class CalcError : public std::runtime_error {
  public:
    enum class Kind {
        Overflow,
        DivisionByZero,
        InvalidOperation,
        InvalidArgument,  // the logarithm of 0 or less
        // The heat load given is more than the surface can pass at these temperatures with any
        // water flow; maxHeatLoad() tells how much it can.
        HeatLoadBeyondSurface,
    };

    // maxHeatLoad is carried only by HeatLoadBeyondSurface; every other kind carries 0.
    explicit CalcError(Kind kind, double maxHeatLoad = 0);

    Kind kind() const { return kind_; }

    // For HeatLoadBeyondSurface: the most heat in W the surface passes at these temperatures with
    // unlimited water, HeatTransferK × AreaM2 × (Tc − Tin); 0 or less when Tc ≤ Tin.
    double maxHeatLoad() const { return maxHeatLoad_; }

  private:
    Kind kind_;
    double maxHeatLoad_;
};

}  // namespace dephlegmator
