#include "chart_geometry.h"

#include <algorithm>
#include <cmath>

#include "exact_decimal.h"
#include "number_text.h"

namespace dephlegmator {
namespace {

constexpr int kTicksWanted = 5;
// More ticks than this on one axis can only come from a span the contracts exclude.
constexpr double kMaxTicks = 1000;
// The curve runs at least to the flow at which the load reaches this share of its limit.
constexpr double kCurveReach = 0.95;
// Room to the right of the result and the tap's flow: the flow axis reaches this multiple of
// them.
constexpr double kRoomBeyondResult = 1.5;
// Room to the right of the heater's full-reflux flow, for the reflux ratios below it and the
// flows a tap gives around it.
constexpr double kRoomBeyondFullReflux = 3;
// A flow beyond the curve's reach still fits, this far inside the axis.
constexpr double kRoomBeyondReach = 1.1;
// Room above the highest level: the load axis reaches this multiple of it.
constexpr double kRoomAboveLoad = 1.05;

// The k with 10^k ≤ x < 10^(k+1), for x finite and > 0; 0 for any other x. log10 may differ in
// its last bit from one C library to another; the comparison with the powers settles k the same
// way everywhere.
int DecimalExponent(double x) {
    if (!(x > 0 && std::isfinite(x))) return 0;
    int k = static_cast<int>(std::floor(std::log10(x)));
    if (PowerOfTen(k) > x) {
        --k;
    } else if (PowerOfTen(k + 1) <= x) {
        ++k;
    }
    return k;
}

// The multiples of `step` from `from` to `to`; none where that range is not a number.
std::vector<double> Ticks(double from, double to, double step) {
    const double first = std::ceil(from / step);
    const double last = std::floor(to / step * (1 + 1e-12));
    std::vector<double> ticks;
    if (!(last - first < kMaxTicks)) return ticks;
    const auto count = static_cast<int>(last - first);
    for (int k = 0; k <= count; ++k) ticks.push_back((first + k) * step);
    return ticks;
}

}  // namespace

double TickStep(double span) {
    const double raw = span / kTicksWanted;
    const double magnitude = PowerOfTen(DecimalExponent(raw));
    const double leading = raw / magnitude;
    const double nice = leading < 1.5 ? 1 : leading < 3 ? 2 : leading < 7 ? 5 : 10;
    return nice * magnitude;
}

Axis AxisFromZero(double top) {
    const double step = TickStep(top);
    Axis axis;
    axis.max = std::ceil(top / step * (1 - 1e-12)) * step;
    axis.ticks = Ticks(0, axis.max, TickStep(axis.max));
    return axis;
}

Axis AxisFromZeroNear(double top) {
    // Counted in fifths of the step and divided last, so that the end is the round number itself.
    constexpr double kFifths = 5;
    const double step = TickStep(top);
    Axis axis;
    axis.max = std::ceil(top * kFifths / step * (1 - 1e-12)) * step / kFifths;
    axis.ticks = Ticks(0, axis.max, TickStep(axis.max));
    return axis;
}

Axis AxisBetween(double min, double max) {
    return {min, max, Ticks(min, max, TickStep(max - min))};
}

std::vector<std::string> TickLabels(const Axis& axis, std::string_view separator) {
    std::vector<std::string> labels;
    labels.reserve(axis.ticks.size());
    for (const double tick : axis.ticks) labels.push_back(FormatNumber(tick, separator));
    return labels;
}

std::vector<double> EvenSamples(double last, int count) {
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) samples.push_back(last * i / (count - 1));
    return samples;
}

ControlCurveChart ControlCurveGeometry(const Condenser& condenser,
                                       std::optional<ShownResult> result,
                                       std::optional<double> heaterPower,
                                       std::optional<double> tapFlow) {
    ControlCurveChart chart;
    chart.maxLoad = condenser.maxLoad();
    chart.heaterPower = heaterPower;

    chart.reach = condenser.flowForLoad(kCurveReach * chart.maxLoad);
    double wanted = 0;
    double mustFit = 0;
    if (heaterPower) {
        const double fullReflux = condenser.flowForLoad(*heaterPower);
        wanted = std::isfinite(fullReflux) ? kRoomBeyondFullReflux * fullReflux : chart.reach;
    }
    const std::optional<double> resultFlow =
        result ? std::optional<double>(result->flow) : std::nullopt;
    for (const std::optional<double>& flow : {resultFlow, tapFlow}) {
        if (!flow) continue;
        wanted = std::max(wanted, kRoomBeyondResult * *flow);
        mustFit = std::max(mustFit, kRoomBeyondReach * *flow);
    }
    const double shown = wanted > 0 ? std::min(wanted, chart.reach) : chart.reach;
    chart.flow = AxisFromZeroNear(std::max(shown, mustFit));
    // A flow so large that the axis's round end lies beyond what a double holds is left off.
    if (!std::isfinite(chart.flow.max)) chart.flow = AxisFromZeroNear(shown);
    chart.load = AxisFromZero(kRoomAboveLoad * std::max(chart.maxLoad, heaterPower.value_or(0)));
    chart.outletTemp = AxisBetween(condenser.inletTemp, condenser.condensationTemp);

    chart.points.reserve(kControlCurvePoints);
    for (const double flow : EvenSamples(chart.flow.max, kControlCurvePoints)) {
        chart.points.push_back(
            {flow, condenser.loadAtFlow(flow), condenser.outletTempAtFlow(flow)});
    }
    if (result) {
        chart.result = {result->flow, result->load, condenser.outletTempAtFlow(result->flow)};
    }
    return chart;
}

}  // namespace dephlegmator
