#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "heat_exchanger.h"

namespace dephlegmator {

// Where a chart's lines and marks go, in the chart's own units (l/min, W, °C, s, …), for any
// front end that draws it: its axes with their ranges and round ticks, its curves as sampled
// points, its levels and marked points. A front end only maps these onto its drawing.

// A chart's size in the page's drawing units (its SVG viewBox), set here alone: the page
// generator writes it into the page, and the page reads it back from the chart element.
struct ChartSize {
    int width;
    int height;
};
inline constexpr ChartSize kChartSize{320, 200};

// An axis: the range it spans and the round values marked on it, ascending, within the range.
struct Axis {
    double min = 0;
    double max = 0;
    std::vector<double> ticks;
};

// The round step (1, 2 or 5 × 10^k) that cuts `span` into about five parts; span finite, > 0.
// Examples: 68 → 10, 6102 → 1000, 0.8 → 0.2, 3 → 0.5.
double TickStep(double span);

// An axis from 0 to the first multiple of TickStep(top) at or above `top` (finite, > 0), with
// ticks at the multiples of the step of that end. Examples: 6102 → 0 to 7000, ticks 0, 1000, …,
// 7000; 0.71 → 0 to 0.8, ticks 0, 0.2, 0.4, 0.6, 0.8.
Axis AxisFromZero(double top);

// An axis from 0 that ends close after `top` (finite, > 0): at the first multiple of a fifth of
// TickStep(top) at or above it, with ticks at the multiples of the step of that end. Examples:
// 1.5 → 0 to 1.5; 1.501 → 0 to 1.6, ticks 0, 0.5, 1, 1.5.
Axis AxisFromZeroNear(double top);

// An axis from `min` to `max` exactly (finite, min < max), with ticks at the multiples of
// TickStep(max − min) between them. Example: 20 to 88 → ticks 20, 30, …, 80.
Axis AxisBetween(double min, double max);

// `count` (≥ 2) values evenly spaced from 0 to `last`, both ends exact: (1, 5) → 0, 0.25, 0.5,
// 0.75, 1.
std::vector<double> EvenSamples(double last, int count);

// A chart as a front end receives it, the one shape of every chart the panel draws: its axes, each
// with the labels of its ticks, its curves, its levels and its marks, in the chart's own units,
// with the texts written in the current language and the regional separator. A front end maps
// the values onto its drawing; where a chart's kind gives a title or caption the front end
// writes itself, the text here is "".
struct ChartAxis {
    Axis range;
    std::vector<std::string> labels;  // one per tick of range
    std::string title;
};

// The axes of a chart, by their index in Chart::axes: the one along the bottom, the vertical
// one on the left, and the one on the right where the chart has one.
enum ChartAxisIndex : int { kBottomAxis = 0, kLeftAxis = 1, kRightAxis = 2 };

struct ChartPoint {
    double x;  // on the bottom axis
    double y;  // on the curve's or mark's vertical axis
};

// A curve, straight between its points, read on the vertical axis `axis`.
struct ChartCurve {
    int axis = kLeftAxis;
    std::vector<ChartPoint> points;
};

// A horizontal line across the plot at `value` of the left axis.
struct ChartLevel {
    double value;
    std::string caption;
};

// A marked point, read on the vertical axis `axis`; `label` "" for a point without one.
struct ChartMark {
    int axis = kLeftAxis;
    ChartPoint at;
    std::string label;
};

struct Chart {
    std::vector<ChartAxis> axes;     // by ChartAxisIndex: two or three
    std::vector<ChartCurve> curves;  // in drawing order
    std::vector<ChartLevel> levels;
    std::vector<ChartMark> marks;  // labelled ticks on a curve
    std::vector<ChartMark> dots;   // points drawn as dots, without a label
};

// The labels of `axis`'s ticks, each as the window writes numbers, with `separator`: 0 to 1.6
// with ticks 0, 0.5, 1, 1.5 and "," → "0", "0,5", "1", "1,5".
std::vector<std::string> TickLabels(const Axis& axis, std::string_view separator);

// The dephlegmator's control curve: the condensed heat load (left axis) and the outlet water
// temperature (right axis) against the water flow.
struct CurvePoint {
    double flow;        // l/min
    double load;        // W
    double outletTemp;  // °C
};

struct ControlCurveChart {
    Axis flow;                          // l/min, along the bottom, from 0
    double reach = 0;                   // l/min: where the load comes to 95 % of the limit
    Axis load;                          // W, on the left, from 0
    Axis outletTemp;                    // °C, on the right, from Tin to Tc
    std::vector<CurvePoint> points;     // kControlCurvePoints, from flow 0 to flow.max
    double maxLoad = 0;                 // W: the surface's limit, a level across the chart
    std::optional<double> heaterPower;  // W: the heater's power, a level across the chart
    std::optional<CurvePoint> result;   // the window's last result, a marked point
};

// 5 px apart on the page's chart, where a straight line between two points keeps within a tenth of
// a pixel of the curve.
inline constexpr int kControlCurvePoints = 61;

// The window's last result as its result boxes show it.
struct ShownResult {
    double flow;  // l/min, Text8
    double load;  // W, Text7
};

// The chart of `condenser` (usable, with a maxLoad() finite and above 0). The flow axis shows
// where the user works: it reaches the largest of 3 × the heater's full-reflux flow, 1.5 × the
// result's flow and 1.5 × the tap's flow, but not beyond `reach`, where the load comes to 95 % of
// the limit and more water hardly condenses more; with none of them, it reaches `reach`. A
// result or tap flow beyond that still fits, with room, unless the axis would end beyond what a
// double holds (a tap flow of 1E308): such a flow is left off. The load axis rises 5 % above the
// limit and the heater's power; the temperature axis spans Tin to Tc. The result is marked at its
// own flow and load, with the curve's outlet temperature at that flow. The flow axis ends close
// after the flow it reaches (AxisFromZeroNear). Example: Tc 88, Tin 20, 80 cm × 5 cm, result 0.5
// l/min and 2000 W, heater 2000 W → flow 0 to 1.6 l/min (3 × 0.5027 rounded up), reach ≈ 13.2
// l/min, load 0 to 7000 W, points from (0, 0, 88) to (1.6, ≈ 3910, ≈ 59.0), the result at (0.5,
// 2000, ≈ 83.6).
ControlCurveChart ControlCurveGeometry(const Condenser& condenser,
                                       std::optional<ShownResult> result,
                                       std::optional<double> heaterPower,
                                       std::optional<double> tapFlow = std::nullopt);

}  // namespace dephlegmator
