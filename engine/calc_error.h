#pragma once

#include <stdexcept>

namespace dephlegmator {

// A failure that stops the calculation at the failing formula: what went wrong (Kind) and what
// the calculation was computing at the time (Stage).
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
        // A result read back to compute the next one shows «< 1» or «< 0,01»: above 0 but below
        // its last decimal, which is no number to compute with.
        ShownBelowItsDecimals,
    };

    // The result the calculation was computing, in the order the cases reach them; each case
    // passes only some of them.
    enum class Stage {
        None,              // outside a calculation, e.g. ParseNumber called on its own
        Area,              // the surface area: in m² from the geometry boxes, in cm² for Text10
        InputTest,         // reading the input boxes for the input test
        MeanDifference,    // heat load given: the mean temperature difference the load needs
        OutletTemp,        // the outlet water temperature of external cooling
        ExternalLoad,      // the heat load of external cooling
        ExternalFlow,      // the water flow of external cooling
        AutonomousColumn,  // the results of autonomous cooling
    };

    // maxHeatLoad is carried only by HeatLoadBeyondSurface; every other kind carries 0. The stage
    // is None until at() marks it.
    explicit CalcError(Kind kind, double maxHeatLoad = 0);

    // The same error, raised while computing `stage`. Example:
    // CalcError(Kind::DivisionByZero).at(Stage::ExternalLoad).stage() == Stage::ExternalLoad.
    CalcError at(Stage stage) const;

    Kind kind() const { return kind_; }
    Stage stage() const { return stage_; }

    // For HeatLoadBeyondSurface: the most heat in W the surface passes at these temperatures with
    // unlimited water, HeatTransferK × AreaM2 × (Tc − Tin); 0 or less when Tc ≤ Tin.
    double maxHeatLoad() const { return maxHeatLoad_; }

  private:
    Kind kind_;
    double maxHeatLoad_;
    Stage stage_ = Stage::None;
};

}  // namespace dephlegmator
