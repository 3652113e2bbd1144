#pragma once

// The heat balance of the column's head, in plain doubles. The heater's power P, less what the
// column loses on the way up (P_loss), reaches the head as vapour, P_v = P − P_loss. The
// dephlegmator condenses Q of it and returns it as reflux; the rest, P_d = P_v − Q, leaves as
// vapour at its dew point Tc and is the take-off. So the reflux ratio is R = Q / P_d, and the
// take-off rate D = P_d / λ / ρ, with λ the vapour's latent heat and ρ its condensate's density
// at 20 °C (ethanol_water.h). The dephlegmator's load at a water flow is the engine's
// Condenser::loadAtFlow, and the flow for a load its flowForLoad.
//
// Units: W, °C, l/min for water, ml/h for the take-off, litres for a collected volume.

#include "ethanol_water.h"
#include "heat_exchanger.h"

namespace dephlegmator {

// Why a number of the head's balance cannot be given.
enum class HeadFault {
    None,
    NoCondenser,          // the condenser is not usable (Condenser::usable)
    NoVapour,             // the losses take the whole heater power (P_v ≤ 0)
    FlowNotPositive,      // a tap's water flow of 0 l/min or less (or not a number)
    RatioNegative,        // a reflux ratio below 0 (or not a number)
    VapourAboveTable,     // Tc above 100 °C: the vapour's make-up is unknown
    VapourTooWeak,        // the vapour holds under 0.5 % vol ethanol
    TakeOffNotPositive,   // a measured take-off of 0 ml/h or less (or not a number)
    TakeOffAboveVapour,   // a measured take-off that needs more heat than the vapour brings
    BeyondSurface,        // no water flow makes the surface condense the load
    NoTakeOff,            // full reflux: nothing is collected
    VolumeNotPositive,    // a volume to collect of 0 l or less
    OutletNotAboveInlet,  // a calibration run whose water did not warm
    NegativeLosses,       // losses below 0 W (or not a number): a calibration run whose water
                          // carried more than the heater gave, or a head given them
    InletOutOfRange,      // a shifted inlet temperature at or below 0 °C, or at or above Tc
};

// The column's losses per metre of its height at about 55 K above the room, W/m: what a user
// may expect before measuring them.
inline constexpr double kLossHintExcessK = 55;
inline constexpr double kInsulatedLossPerMetre = 15;    // with 25 mm of insulation
inline constexpr double kBareCopperLossPerMetre = 130;  // bare 2" copper

// The head: the panel's dephlegmator (its Tc is the vapour's dew point), the heater's power and
// the column's losses.
struct ColumnHead {
    Condenser condenser;
    double heaterPower = 0;  // P, W
    double losses = 0;       // P_loss, W
    // P_v = P − P_loss. Example: 2000 W less 150 W → 1850 W.
    double vapourPower() const { return heaterPower - losses; }
};

// What the take-off is: the heat it carries, its rate and the vapour it is made of. Where
// `fault` is not None, `mlPerHour` is 0 and no number of it may be shown.
struct TakeOff {
    HeadFault fault = HeadFault::None;
    double heat = 0;       // P_d, W
    double mlPerHour = 0;  // D, of condensate at 20 °C
    DewVapour vapour;
};

// The take-off that carries `heat` W (≥ 0) as vapour at dew point `tc`: D = heat / λ / ρ.
// Faults: VapourAboveTable, VapourTooWeak. Examples: 1000 W at 78 °C → 3600 / 910 989 J/kg
// / 802.52 kg/m³ ≈ 4924 ml/h; 1000 W at 88 °C → ≈ 2992 ml/h; 0 W → 0 ml/h.
TakeOff TakeOffForHeat(double heat, double tc);

// The balance at a tap's water flow G > 0: the load Q_tap = min(Q(G), P_v), R = Q_tap /
// (P_v − Q_tap), or kFullReflux where Q(G) ≥ P_v, and the take-off P_d = P_v − Q_tap.
// `fault`, with every number 0: NoCondenser, NegativeLosses, NoVapour (P_v ≤ 0),
// FlowNotPositive; the take-off's own fault says why its rate is missing. Example: 78 °C,
// 15 °C, 0.157075 m², 680, 3760, P 2000 W, no losses, 0.3 l/min → Q ≈ 1180 W, R ≈ 1.44,
// P_d ≈ 820 W, D ≈ 4036 ml/h; at 2 l/min, kFullReflux and 0 ml/h.
struct TapBalance {
    HeadFault fault = HeadFault::None;
    double load = 0;         // Q_tap, W
    double refluxRatio = 0;  // R, or kFullReflux
    TakeOff takeOff;
};
TapBalance BalanceAtFlow(const ColumnHead& head, double flow);

// The take-off that holds reflux ratio R ≥ 0 (kFullReflux allowed) at P_v: P_d = P_v −
// RefluxLoad(P_v, R) = P_v / (R + 1), for the rows of the reflux table. Faults: those of
// the head (NegativeLosses, NoVapour), RatioNegative, and the vapour's. Examples: 78 °C,
// P_v 2000 W, R 3 → P_d 500 W, ≈ 2462 ml/h; kFullReflux → 0 ml/h.
TakeOff TakeOffAtReflux(const ColumnHead& head, double refluxRatio);

// The head's balance from a measured take-off D_m (ml/h): P_d = D_m × ρ × λ, R = (P_v − P_d) /
// P_d, the dephlegmator's load Q = P_v − P_d, and the water flow that makes it condense Q.
// `fault` (every number then 0): NoCondenser, NegativeLosses, NoVapour, TakeOffNotPositive,
// VapourAboveTable, VapourTooWeak, TakeOffAboveVapour (P_d > P_v; P_d alone is given, to say how
// far above). `flowFault` is
// BeyondSurface, with no flow, where Q is at or above the surface's limit. Example: the
// condenser of BalanceAtFlow, P_v 2000 W, 2462.1 ml/h → P_d ≈ 500 W, R ≈ 3, Q ≈ 1500 W,
// ≈ 0.3845 l/min (Condenser::flowForLoad).
struct MeasuredReflux {
    HeadFault fault = HeadFault::None;
    double takeOffHeat = 0;  // P_d, W
    double refluxRatio = 0;  // R
    double load = 0;         // Q, W
    HeadFault flowFault = HeadFault::None;
    double flow = 0;  // l/min
    DewVapour vapour;
};
MeasuredReflux RefluxFromTakeOff(const ColumnHead& head, double takeOffMlPerHour);

// How long a take-off fills `volumeL` litres: V / D, in seconds (HoursAndMinutes writes it).
// Faults: the take-off's own, NoTakeOff where D is 0, VolumeNotPositive where V ≤ 0 (or not a
// number). Example: 3 l at 2462 ml/h → 3000 / 2462 h ≈ 4387 s, 1 h 13 min.
struct CollectionTime {
    HeadFault fault = HeadFault::None;
    double seconds = 0;
};
CollectionTime TimeToCollect(double volumeL, const TakeOff& takeOff);

// The column's losses from a run at full reflux with the heater at P: every watt of vapour then
// condenses in the dephlegmator, so P_loss = P − G × c / 60 × (Tout − Tin), the water's heat
// as the calibration of U takes it (c J/(l·K), G l/min). Faults: OutletNotAboveInlet where
// Tout ≤ Tin, NegativeLosses where the water carried more than P. Example: 2000 W, 1 l/min,
// 3760, 15 → 44 °C → 2000 − 62.67 × 29 ≈ 182.7 W.
struct ColumnLosses {
    HeadFault fault = HeadFault::None;
    double watts = 0;
};
ColumnLosses LossesFromFullRefluxRun(double heaterPower, double flow, double specificHeatC,
                                     double inletTemp, double outletTemp);

// How R at a tap's flow G moves with the flow and with the water's inlet temperature: the
// balance at 0.9 × G and 1.1 × G, and with Tin 5 K lower and higher, each computed afresh.
// A shifted Tin at or below 0 °C or at or above Tc gives InletOutOfRange.
inline constexpr double kFlowShare = 0.1;
inline constexpr double kInletShiftK = 5;
struct RefluxSensitivity {
    TapBalance lowFlow, highFlow, colderInlet, warmerInlet;
};
RefluxSensitivity SensitivityAtFlow(const ColumnHead& head, double flow);

}  // namespace dephlegmator
