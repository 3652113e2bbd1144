// The heat load is given: it fixes the mean temperature difference the surface needs, and the
// outlet water temperature that gives that difference is the root of the log-mean relation.
#include <cmath>

#include "box_io.h"
#include "cases.h"
#include "checked.h"
#include "number_text.h"

namespace dephlegmator {
namespace {

// Newton's method below settles within about 60 steps even when the two roots nearly meet; the
// cap only guarantees an end.
constexpr int kMaxNewtonSteps = 200;

// The outlet temperature T in (Tin, Tc) with LogMeanDT = (T − Tin) / ln((Tc − Tin) / (Tc − T)),
// that is T = Tc − D × exp((Tin − T) / L) with D = Tc − Tin, for 0 < L < D.
//
// In the warming u = T − Tin the relation reads g(u) = u + D × expm1(−u / L) = 0. g is convex
// with g(0) = 0 (the inlet temperature solves it trivially) and g′(0) = 1 − D / L < 0, so its other
// root u* lies in (0, D), and g(D) > 0. Newton's method from u = D therefore falls monotonically
// onto u*; once rounding stops it from falling, u is as close as doubles get. Working in u with
// expm1 keeps the small terms exact where u* is small (L just below D), which T − Tc + D × e would
// lose to cancellation.
double OutletTemperature(double tin, double d, double logMeanDT) {
    Checked u = d;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const double decayMinusOne = std::expm1(-u.value() / logMeanDT);  // in [−1, 0]
        const Checked g = u + Checked(d) * decayMinusOne;
        const Checked slope = Checked(1) - Checked(d) * (1 + decayMinusOne) / logMeanDT;
        if (!(g.value() > 0 && slope.value() > 0)) break;
        const Checked next = u - g / slope;
        if (!(next.value() < u.value())) break;
        u = next;
    }
    return (Checked(tin) + u).value();
}

}  // namespace

bool HeatLoadInputsValid(const Controls& controls, Geometry geometry) {
    return CommonInputsPositive(controls, geometry);
}

void HeatLoadBody(FormState& state, Controls& controls) {
    const double tc = ReadInput(controls, Box::Text1);
    const double tin = ReadInput(controls, Box::Text2);
    const double heatLoad = ReadInput(controls, Box::Text6);

    // The outlet temperature is found for the required difference as rounded to 2 decimals.
    const Checked requiredDT = Checked(heatLoad) / state.AreaM2 / state.HeatTransferK;
    state.LogMeanDT = RoundDecimals(requiredDT.value(), 2);
    WriteNumber(controls, Box::Text7, heatLoad);

    if (state.LogMeanDT == 0) throw CalcError(CalcError::Kind::DivisionByZero);
    // The mean difference can only approach Tc − Tin, as the water flow grows without bound.
    const Checked span = Checked(tc) - tin;
    if (!(span.value() > 0) || state.LogMeanDT >= span.value()) {
        const Checked maxHeatLoad = Checked(state.HeatTransferK) * state.AreaM2 * span;
        throw CalcError(CalcError::Kind::HeatLoadBeyondSurface, maxHeatLoad.value());
    }
    state.WaterOutTemp = OutletTemperature(tin, span.value(), state.LogMeanDT);
    WriteRounded(controls, Box::Text9, state.WaterOutTemp, 0);

    // Both flows carry the heat load as displayed; the external one warms by the unrounded rise.
    const Checked flow = Checked(ReadInput(controls, Box::Text7)) * 60 / state.SpecificHeatC /
                         (Checked(state.WaterOutTemp) - tin);
    WriteRounded(controls, Box::Text8, flow.value(), 2);

    const Checked autonomousFlow =
        Checked(ReadInput(controls, Box::Text7)) * 60 / state.SpecificHeatC / kAutonomousRiseK;
    WriteRounded(controls, Box::Text81, autonomousFlow.value(), 2);

    WriteNumber(controls, Box::Text91, (Checked(tin) + kAutonomousRiseK).value());
}

}  // namespace dephlegmator
