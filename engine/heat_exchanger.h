#pragma once

// The dephlegmator as a heat exchanger: the vapour side stays at the condensation temperature Tc
// while the cooling water warms from Tin along the surface. Every relation that the window's
// cases and the design panel use is written here once.
//
// The relations are templates over the number type T. The cases instantiate them with Checked,
// so that every operation goes through the floating-point check, in the order written here, which
// is the order of the cases' formulas; the panel instantiates them with plain double. Writing
// them once over T (rather than the cases calling plain-double steps and checking afterwards)
// keeps each case's operations, checks and error kinds exactly as they are, and leaves no second
// copy for the panel to drift from.
//
// Units as in the window: temperatures °C (differences K), flows l/min, loads W, areas m²,
// heatTransferK (U) W/(m²·K), specificHeatC (c) J/(l·K).

#include <cmath>
#include <limits>

#include "checked.h"
#include "form_state.h"

namespace dephlegmator {

// The plain-double counterparts of Checked's functions, so that one template serves both.
inline double Value(double x) {
    return x;
}
inline double Value(Checked x) {
    return x.value();
}
inline double Exp(double x) {
    return std::exp(x);
}
inline double Ln(double x) {
    return std::log(x);
}

// The lateral surface of a cylinder in m², from its height and diameter in cm, with π taken as
// kAreaFormulaPi: height × 3.1415 / 100 × diameter / 100. Example: 100 cm × 5 cm → 0.157075.
template <class T>
T LateralAreaM2(T heightCm, T diameterCm) {
    return heightCm * kAreaFormulaPi / 100 * diameterCm / 100;
}

// A surface typed in cm², in m².
template <class T>
T AreaM2FromCm2(T areaCm2) {
    return areaCm2 / 10000;
}

// A surface in m², in cm²: 0.0433 → 433.
template <class T>
T AreaCm2FromM2(T areaM2) {
    return areaM2 * 10000;
}

// The water's heat capacity rate C in W/K at a flow in l/min: flow × c / 60.
template <class T>
T CapacityRate(T flow, T specificHeatC) {
    return flow * specificHeatC / 60;
}

// The exponent −U·A/C of the water's approach to Tc, with C = flow × c / 60 the water's heat
// capacity rate in W/K; formed as −A × U × 60 / flow / c.
template <class T>
T FlowExponent(T areaM2, T heatTransferK, T flow, T specificHeatC) {
    return -areaM2 * heatTransferK * 60 / flow / specificHeatC;
}

// The outlet water temperature at that exponent: Tc − (Tc − Tin) × exp(exponent).
template <class T>
T OutletTempAtExponent(T tc, T tin, T exponent) {
    const T factor = Exp(exponent);
    return tc - (tc - tin) * factor;
}

// The log-mean temperature difference of water warming from Tin to Tout against vapour at Tc:
// (Tout − Tin) / ln((Tc − Tin) / (Tc − Tout)). Example: 78, 15, 40 → 25 / ln(63 / 38) ≈ 49.4.
template <class T>
T LogMeanDifference(T tc, T tin, T tout) {
    const T ratio = (tc - tin) / (tc - tout);
    return (tout - tin) / Ln(ratio);
}

// The same difference for water that warms by `rise` K, with the outlet side formed as
// Tc − Tin − rise: rise / ln((Tc − Tin) / (Tc − Tin − rise)).
template <class T>
T RiseLogMeanDifference(T tc, T tin, T rise) {
    const T ratio = (tc - tin) / (tc - tin - rise);
    return rise / Ln(ratio);
}

// The heat the surface passes at a mean temperature difference: U × A × ΔT.
template <class T>
T HeatLoad(T heatTransferK, T areaM2, T logMeanDT) {
    return heatTransferK * areaM2 * logMeanDT;
}

// The most the surface passes, with unlimited water: U × A × (Tc − Tin).
template <class T>
T MaxLoad(T heatTransferK, T areaM2, T span) {
    return HeatLoad(heatTransferK, areaM2, span);
}

// The mean temperature difference a load needs: load / A / U.
template <class T>
T LogMeanDTForLoad(T load, T areaM2, T heatTransferK) {
    return load / areaM2 / heatTransferK;
}

// The water flow that carries a load while warming by `rise` K: load × 60 / c / rise.
template <class T>
T FlowForLoadAndRise(T load, T specificHeatC, T rise) {
    return load * 60 / specificHeatC / rise;
}

// The heat-transfer coefficient a steady run shows, from the heat balance and the log-mean
// difference: flow × c / 60 / A × ln((Tc − Tin) / (Tc − Tout)). The heater's power drops out.
// Requires Tin < Tout < Tc. Example: 1 l/min, 3760, 0.157075 m², 78, 15, 50 → 323.53…
template <class T>
T HeatTransferFromRun(T flow, T specificHeatC, T areaM2, T tc, T tin, T tout) {
    return flow * specificHeatC / 60 / areaM2 * Ln((tc - tin) / (tc - tout));
}

// Every Newton iteration here settles in well under this many steps; the cap only guarantees an
// end.
inline constexpr int kMaxNewtonSteps = 200;

// The heat-load root: the warming u = Tout − Tin at which the log-mean difference of water
// warming by u against span = Tc − Tin equals logMeanDT, for 0 < logMeanDT < span. Example:
// span 63, logMeanDT 49.45 → u ≈ 25.
//
// The relation Tout = Tc − span × exp(−u / logMeanDT) reads g(u) = u + span × expm1(−u / L) = 0.
// g is convex with g(0) = 0 (no warming solves it trivially) and g′(0) = 1 − span / L < 0, so its
// other root u* lies in (0, span), and g(span) > 0. Newton's method from u = span therefore falls
// monotonically onto u*; once rounding stops it from falling, u is as close as doubles get.
// Working in u with expm1 keeps the small terms exact where u* is small (L just below span).
template <class T>
T WarmingForLogMeanDT(T span, double logMeanDT) {
    T u = span;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const double decayMinusOne = std::expm1(-Value(u) / logMeanDT);  // in [−1, 0]
        const T g = u + span * decayMinusOne;
        const T slope = T(1) - span * (1 + decayMinusOne) / logMeanDT;
        if (!(Value(g) > 0 && Value(slope) > 0)) break;
        const T next = u - g / slope;
        if (!(Value(next) < Value(u))) break;
        u = next;
    }
    return u;
}

// The surface's characteristic in plain doubles, for the design panel: how the heat it condenses
// depends on the water flow G. With C = G × c / 60 and KA = U × A,
//   Q(G) = C × (Tc − Tin) × (1 − exp(−KA / C)),
// rising with G, concave, from 0 at G = 0 towards maxLoad() = KA × (Tc − Tin). It is the load
// that the water-flow case computes as U × A × LogMeanDifference(Tc, Tin, Tout(G)), in a form
// that stays exact where the water barely warms.
struct Condenser {
    double condensationTemp;  // Tc, °C
    double inletTemp;         // Tin, °C
    double areaM2;
    double heatTransferK;  // W/(m²·K)
    double specificHeatC;  // J/(l·K)

    // Every quantity above 0 and Tc above Tin; the functions below require it.
    bool usable() const;

    double span() const { return condensationTemp - inletTemp; }
    double maxLoad() const;
    // Q(G) for G ≥ 0; Q(0) = 0. Example: Tc 88, Tin 20, 0.12566 m², 680, 3760: Q(0.5) ≈ 1991 W.
    double loadAtFlow(double flow) const;
    // Q(G) per kelvin of Tc − Tin: C × (1 − exp(−U·A / C)), in W/K; 0 for G ≤ 0.
    double loadPerKelvin(double flow) const;
    // The inlet temperature at which flow G condenses exactly `load`, other things equal:
    // Tc − load / loadPerKelvin(G). Water entering warmer than this condenses less. Example: Tc
    // 78, 0.157075 m², 680, 3760, 5 l/min, 2000 W → ≈ 55.90 °C.
    double inletTempForLoad(double flow, double load) const;
    // The water's outlet temperature at flow G; Tc at G = 0.
    double outletTempAtFlow(double flow) const;
    // The flow G with Q(G) = load, to full precision, for 0 < load < maxLoad(); 0 for a load of
    // 0 or less, and +∞ for a load of maxLoad() or more, which no flow reaches.
    double flowForLoad(double load) const;
};

// The surface in m² that passes `load` W at a mean temperature difference: load / (U × ΔT).
// With ΔT = RiseLogMeanDifference(Tc, Tin, 10) it is the surface at which the water warms by
// 10 K; with ΔT = Tc − Tin, the smallest surface, with unlimited water.
double AreaForLoad(double load, double heatTransferK, double logMeanDT);

// The height in cm of a cylinder of the given diameter whose lateral surface is areaCm2.
double HeightForArea(double areaCm2, double diameterCm);

// How long a well-mixed tank of `volumeL` litres that takes the heater's whole power, and loses
// nothing, warms from startTemp to limitTemp: (limit − start) × V × c / P seconds. Example:
// 55.9032 °C from 15 °C, 200 l, 3760, 2000 W → ≈ 15 380 s.
double TankHoldSeconds(double limitTemp, double startTemp, double volumeL, double specificHeatC,
                       double heaterPower);

// The reflux ratio of full reflux: all the vapour returns to the column.
inline constexpr double kFullReflux = std::numeric_limits<double>::infinity();

// The heat the dephlegmator condenses when, of the vapour a heater of `heaterPower` W raises,
// the share R / (R + 1) returns to the column at reflux ratio R: power × R / (R + 1), and the
// whole power at kFullReflux. Examples: 2000 W at R = 3 → 1500 W; at kFullReflux → 2000 W.
double RefluxLoad(double heaterPower, double refluxRatio);

}  // namespace dephlegmator
