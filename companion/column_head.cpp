#include "column_head.h"

#include <algorithm>
#include <cmath>

namespace dephlegmator {
namespace {

constexpr double kSecondsPerHour = 3600;
constexpr double kMlPerCubicMetre = 1e6;
constexpr double kMlPerLitre = 1000;

HeadFault FromStrength(StrengthFault fault) {
    switch (fault) {
        case StrengthFault::AboveTable:
            return HeadFault::VapourAboveTable;
        case StrengthFault::TooWeak:
            return HeadFault::VapourTooWeak;
        case StrengthFault::None:
            break;
    }
    return HeadFault::None;
}

// kg of condensate per J of take-off heat, times m³ per kg: m³ per J.
double VolumePerJoule(const DewVapour& vapour) {
    return 1 / vapour.latentHeat / vapour.density;
}

// A result of type T that gives no number, only why.
template <class T>
T Refused(HeadFault fault) {
    T result;
    result.fault = fault;
    return result;
}

// What keeps the head from any balance: the losses it was given, or no vapour left.
HeadFault HeadProblem(const ColumnHead& head) {
    if (!(head.losses >= 0)) return HeadFault::NegativeLosses;
    if (!(head.vapourPower() > 0)) return HeadFault::NoVapour;
    return HeadFault::None;
}

// The same for a balance on the condenser's curve, which needs a usable condenser as well.
HeadFault CurveProblem(const ColumnHead& head) {
    if (!head.condenser.usable()) return HeadFault::NoCondenser;
    return HeadProblem(head);
}

}  // namespace

TakeOff TakeOffForHeat(double heat, double tc) {
    TakeOff takeOff;
    takeOff.heat = heat;
    takeOff.vapour = VapourAtDewPoint(tc);
    takeOff.fault = FromStrength(takeOff.vapour.fault);
    if (takeOff.fault == HeadFault::None) {
        takeOff.mlPerHour =
            heat * VolumePerJoule(takeOff.vapour) * kSecondsPerHour * kMlPerCubicMetre;
    }
    return takeOff;
}

TapBalance BalanceAtFlow(const ColumnHead& head, double flow) {
    const HeadFault problem = CurveProblem(head);
    if (problem != HeadFault::None) return Refused<TapBalance>(problem);
    if (!(flow > 0)) return Refused<TapBalance>(HeadFault::FlowNotPositive);
    const double vapour = head.vapourPower();
    const double condensable = head.condenser.loadAtFlow(flow);
    TapBalance balance;
    balance.load = std::min(condensable, vapour);
    balance.refluxRatio =
        condensable >= vapour ? kFullReflux : condensable / (vapour - condensable);
    balance.takeOff = TakeOffForHeat(vapour - balance.load, head.condenser.condensationTemp);
    return balance;
}

TakeOff TakeOffAtReflux(const ColumnHead& head, double refluxRatio) {
    const HeadFault problem = HeadProblem(head);
    if (problem != HeadFault::None) return Refused<TakeOff>(problem);
    if (!(refluxRatio >= 0)) return Refused<TakeOff>(HeadFault::RatioNegative);
    const double vapour = head.vapourPower();
    return TakeOffForHeat(vapour - RefluxLoad(vapour, refluxRatio),
                          head.condenser.condensationTemp);
}

MeasuredReflux RefluxFromTakeOff(const ColumnHead& head, double takeOffMlPerHour) {
    const HeadFault problem = CurveProblem(head);
    if (problem != HeadFault::None) return Refused<MeasuredReflux>(problem);
    const double vapourPower = head.vapourPower();
    if (!(takeOffMlPerHour > 0)) return Refused<MeasuredReflux>(HeadFault::TakeOffNotPositive);
    const DewVapour vapour = VapourAtDewPoint(head.condenser.condensationTemp);
    if (!vapour.known()) return Refused<MeasuredReflux>(FromStrength(vapour.fault));
    const double heat =
        takeOffMlPerHour / kMlPerCubicMetre / kSecondsPerHour / VolumePerJoule(vapour);
    if (heat > vapourPower) {
        auto refused = Refused<MeasuredReflux>(HeadFault::TakeOffAboveVapour);
        refused.takeOffHeat = heat;
        return refused;
    }
    MeasuredReflux measured;
    measured.takeOffHeat = heat;
    measured.vapour = vapour;
    measured.load = vapourPower - heat;
    measured.refluxRatio = measured.load / heat;
    const double flow = head.condenser.flowForLoad(measured.load);
    if (std::isfinite(flow)) {
        measured.flow = flow;
    } else {
        measured.flowFault = HeadFault::BeyondSurface;
    }
    return measured;
}

CollectionTime TimeToCollect(double volumeL, const TakeOff& takeOff) {
    if (takeOff.fault != HeadFault::None) return Refused<CollectionTime>(takeOff.fault);
    if (!(volumeL > 0)) return Refused<CollectionTime>(HeadFault::VolumeNotPositive);
    if (!(takeOff.mlPerHour > 0)) return Refused<CollectionTime>(HeadFault::NoTakeOff);
    CollectionTime time;
    time.seconds = volumeL * kMlPerLitre / takeOff.mlPerHour * kSecondsPerHour;
    return time;
}

ColumnLosses LossesFromFullRefluxRun(double heaterPower, double flow, double specificHeatC,
                                     double inletTemp, double outletTemp) {
    if (!(outletTemp > inletTemp)) return Refused<ColumnLosses>(HeadFault::OutletNotAboveInlet);
    const double carried = CapacityRate(flow, specificHeatC) * (outletTemp - inletTemp);
    const double losses = heaterPower - carried;
    if (!(losses >= 0)) return Refused<ColumnLosses>(HeadFault::NegativeLosses);
    ColumnLosses result;
    result.watts = losses;
    return result;
}

RefluxSensitivity SensitivityAtFlow(const ColumnHead& head, double flow) {
    const auto withInlet = [&](double shift) {
        ColumnHead shifted = head;
        shifted.condenser.inletTemp += shift;
        if (head.condenser.usable() && !shifted.condenser.usable()) {
            return Refused<TapBalance>(HeadFault::InletOutOfRange);
        }
        return BalanceAtFlow(shifted, flow);
    };
    return {
        .lowFlow = BalanceAtFlow(head, (1 - kFlowShare) * flow),
        .highFlow = BalanceAtFlow(head, (1 + kFlowShare) * flow),
        .colderInlet = withInlet(-kInletShiftK),
        .warmerInlet = withInlet(kInletShiftK),
    };
}

}  // namespace dephlegmator
