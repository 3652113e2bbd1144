#include "characteristic.h"

#include <cmath>
#include <limits>

namespace dephlegmator {
namespace {

// Every root below settles in well under this many Newton steps; the cap only guarantees an end.
constexpr int kMaxNewtonSteps = 200;

// The x > 0 with (1 − e^(−x)) / x = share, for 0 < share < 1. In x = KA / C the load is
// Q = MaxLoad × (1 − e^(−x)) / x, so this x gives the flow at which Q is `share` of MaxLoad.
//
// g(x) = −expm1(−x) − share × x is concave with g(0) = 0 and g′(0) = 1 − share > 0, so its other
// root lies to the right. From x = 1 / share, where g < 0 and g′ < 0, Newton's method falls
// monotonically onto it; once rounding stops the fall, x is as close as doubles get.
double ConductanceRatioForShare(double share) {
    double x = 1 / share;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const double g = -std::expm1(-x) - share * x;
        const double slope = std::exp(-x) - share;
        if (!(g < 0 && slope < 0)) break;
        const double next = x - g / slope;
        if (!(next < x)) break;
        x = next;
    }
    return x;
}

}  // namespace

bool Condenser::usable() const {
    return condensationTemp > 0 && inletTemp > 0 && areaM2 > 0 && heatTransferK > 0 &&
           specificHeatC > 0 && condensationTemp > inletTemp;
}

double Condenser::maxLoad() const {
    return heatTransferK * areaM2 * (condensationTemp - inletTemp);
}

double Condenser::loadAtFlow(double flow) const {
    if (!(flow > 0)) return 0;
    const double capacityRate = flow * specificHeatC / 60;
    const double x = heatTransferK * areaM2 / capacityRate;
    return -capacityRate * (condensationTemp - inletTemp) * std::expm1(-x);
}

double Condenser::outletTempAtFlow(double flow) const {
    if (!(flow > 0)) return condensationTemp;
    return inletTemp + loadAtFlow(flow) / (flow * specificHeatC / 60);
}

double Condenser::flowForLoad(double load) const {
    if (!(load > 0)) return 0;
    const double share = load / maxLoad();
    if (!(share < 1)) return std::numeric_limits<double>::infinity();
    const double x = ConductanceRatioForShare(share);
    return heatTransferK * areaM2 / x * 60 / specificHeatC;
}

double AreaForLoad(double load, double tc, double tin, double rise, double heatTransferK) {
    const double span = tc - tin;
    if (!(span > rise)) return std::numeric_limits<double>::quiet_NaN();
    const double logMeanDT = rise / std::log(span / (span - rise));
    return load / (heatTransferK * logMeanDT);
}

double MinimumAreaForLoad(double load, double tc, double tin, double heatTransferK) {
    return load / (heatTransferK * (tc - tin));
}

}  // namespace dephlegmator
