// The chart's axes, ticks, labels and samples, and the control curve's chart on the heater example,
// in its own terms and in the one shape of every chart.
#include "chart_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "design_panel.h"

namespace dephlegmator {
namespace {

TEST(ChartGeometry, TickStepIsRound) {
    struct Case {
        double span;
        double step;
    };
    // Exact powers of ten, where log10 decides the magnitude, and each side of 1.5, 3 and 7.
    const Case cases[] = {{68, 10},  {6102, 1000}, {0.8, 0.2}, {3, 0.5},   {5, 1},
                          {50, 10},  {5e-3, 1e-3}, {5e6, 1e6}, {7.4, 1},   {7.6, 2},
                          {14.9, 2}, {15.1, 5},    {34.9, 5},  {35.1, 10}, {1e-9, 2e-10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.span);
        EXPECT_DOUBLE_EQ(TickStep(c.span), c.step);
    }
}

TEST(ChartGeometry, AxisFromZeroEndsOnARoundValue) {
    struct Case {
        double top;
        double max;
        std::vector<double> ticks;
    };
    const Case cases[] = {
        {6102, 7000, {0, 1000, 2000, 3000, 4000, 5000, 6000, 7000}},
        {0.71, 0.8, {0, 0.2, 0.4, 0.6, 0.8}},
        {2000, 2000, {0, 500, 1000, 1500, 2000}},  // a round top stays
        {14.5, 16, {0, 5, 10, 15}},                // the ticks' step may not reach the end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.top);
        const Axis axis = AxisFromZero(c.top);
        EXPECT_EQ(axis.min, 0);
        EXPECT_DOUBLE_EQ(axis.max, c.max);
        ASSERT_EQ(axis.ticks.size(), c.ticks.size());
        for (std::size_t i = 0; i < c.ticks.size(); ++i)
            EXPECT_DOUBLE_EQ(axis.ticks[i], c.ticks[i]);
    }
}

// Over eleven decades: the axis covers the top with little room to spare, and its ticks start at
// 0, stay on it and are evenly spaced.
TEST(ChartGeometry, AxisFromZeroOverManyDecades) {
    for (int k = 0; k < 697; ++k) {  // from 1e-4 up to 1e7 in steps of 3.7 %
        const double top = 1e-4 * std::pow(1.037, k);
        SCOPED_TRACE(top);
        const Axis axis = AxisFromZero(top);
        EXPECT_GE(axis.max, top);
        EXPECT_LT(axis.max, 1.4 * top);
        ASSERT_GE(axis.ticks.size(), 3u);
        EXPECT_LE(axis.ticks.size(), 11u);
        EXPECT_EQ(axis.ticks.front(), 0);
        EXPECT_LE(axis.ticks.back(), axis.max * (1 + 1e-12));
        const double step = axis.ticks[1] - axis.ticks[0];
        for (std::size_t i = 1; i < axis.ticks.size(); ++i) {
            EXPECT_NEAR(axis.ticks[i] - axis.ticks[i - 1], step, step * 1e-9);
        }
    }
}

// Spans outside the contracts give an axis of at most one tick, never a runaway loop or a
// conversion out of range.
TEST(ChartGeometry, DegenerateSpansGiveNoTicks) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const double top : {0.0, inf, std::nan("")}) {
        SCOPED_TRACE(top);
        EXPECT_LE(AxisFromZero(top).ticks.size(), 1u);
    }
    EXPECT_TRUE(AxisBetween(20, inf).ticks.empty());
    EXPECT_LE(AxisBetween(1e300, 1.5e300).ticks.size(), 11u);  // beyond every integer type
}

TEST(ChartGeometry, AxisBetweenKeepsItsEnds) {
    const Axis axis = AxisBetween(20, 88);
    EXPECT_EQ(axis.min, 20);
    EXPECT_EQ(axis.max, 88);
    EXPECT_EQ(axis.ticks, (std::vector<double>{20, 30, 40, 50, 60, 70, 80}));
    const Axis narrow = AxisBetween(15.3, 15.9);
    ASSERT_FALSE(narrow.ticks.empty());
    EXPECT_GE(narrow.ticks.front(), 15.3);
    EXPECT_LE(narrow.ticks.back(), 15.9);
}

TEST(ChartGeometry, TickLabelsWriteEachTickWithTheSeparator) {
    EXPECT_EQ(TickLabels(AxisFromZeroNear(1.501), ","),
              (std::vector<std::string>{"0", "0,5", "1", "1,5"}));
    EXPECT_EQ(
        TickLabels(AxisFromZero(6102), "."),
        (std::vector<std::string>{"0", "1000", "2000", "3000", "4000", "5000", "6000", "7000"}));
}

TEST(ChartGeometry, EvenSamplesEndExactly) {
    EXPECT_EQ(EvenSamples(1, 5), (std::vector<double>{0, 0.25, 0.5, 0.75, 1}));
    const std::vector<double> samples = EvenSamples(0.3, kControlCurvePoints);
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(kControlCurvePoints));
    EXPECT_EQ(samples.front(), 0);
    EXPECT_EQ(samples.back(), 0.3);
}

Condenser ExampleCondenser() {  // 88 °C, 20 °C, 80 cm × 5 cm
    return {88, 20, LateralAreaM2(80.0, 5.0), kHeatTransferKAtLoad, kSpecificHeatCAtLoad};
}

// The heater example's curve: from no flow to 3 × the full-reflux flow, where the reflux flows
// and the result lie, the load rising and the outlet temperature falling along it, the result on
// its own flow and load.
TEST(ChartGeometry, ControlCurveOfTheHeaterExample) {
    const Condenser condenser = ExampleCondenser();
    const ControlCurveChart chart = ControlCurveGeometry(condenser, ShownResult{0.5, 2000}, 2000);
    EXPECT_EQ(chart.flow.max, 1.6);
    EXPECT_EQ(chart.flow.ticks, (std::vector<double>{0, 0.5, 1, 1.5}));
    EXPECT_NEAR(chart.reach, 13.18, 0.01);
    EXPECT_EQ(chart.load.max, 7000);
    EXPECT_EQ(chart.outletTemp.min, 20);
    EXPECT_EQ(chart.outletTemp.max, 88);
    EXPECT_EQ(chart.maxLoad, condenser.maxLoad());
    ASSERT_EQ(chart.points.size(), static_cast<std::size_t>(kControlCurvePoints));
    EXPECT_EQ(chart.points.front().load, 0);
    EXPECT_EQ(chart.points.front().outletTemp, 88);
    EXPECT_EQ(chart.points.back().flow, chart.flow.max);
    for (std::size_t i = 1; i < chart.points.size(); ++i) {
        EXPECT_GT(chart.points[i].load, chart.points[i - 1].load);
        // At a trickle the water leaves at Tc to the last digit.
        EXPECT_LE(chart.points[i].outletTemp, chart.points[i - 1].outletTemp);
    }
    EXPECT_LT(chart.points.back().outletTemp, 60);
    ASSERT_TRUE(chart.result);
    EXPECT_EQ(chart.result->flow, 0.5);
    EXPECT_EQ(chart.result->load, 2000);
    EXPECT_EQ(chart.result->outletTemp, condenser.outletTempAtFlow(0.5));
}

// The flow axis reaches the largest of its wanted flows, no further than 95 % of the limit
// unless a marked flow lies beyond; the load axis makes room for a heater beyond the limit.
TEST(ChartGeometry, FlowAxisShowsWhereTheUserWorks) {
    const Condenser condenser = ExampleCondenser();
    struct Case {
        std::optional<ShownResult> result;
        std::optional<double> heater, tap;
        double flowMax;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, std::nullopt, 13.2},  // nothing marked: to the reach
        {ShownResult{0.5, 1991}, std::nullopt, std::nullopt, 0.76},
        {ShownResult{0.5, 2000}, 2000, 2.0, 3},                   // the tap's flow is the largest
        {std::nullopt, 9000, std::nullopt, 13.2},                 // beyond the limit: to the reach
        {ShownResult{20, 5800}, std::nullopt, std::nullopt, 22},  // a result beyond the reach
        {std::nullopt, 2000, 1e308, 13.2},  // a tap flow no axis can hold: to the reach
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flowMax);
        const ControlCurveChart chart = ControlCurveGeometry(condenser, c.result, c.heater, c.tap);
        EXPECT_EQ(chart.flow.max, c.flowMax);
        EXPECT_EQ(chart.points.back().flow, chart.flow.max);
        EXPECT_GE(chart.load.max, 1.05 * std::max(condenser.maxLoad(), c.heater.value_or(0)));
    }
}

// The control curve in the one shape of every chart: three axes, the outlet temperature's
// curve on the right axis under the load's on the left, the limit and then the heater's level,
// the reflux marks, and the result as two dots; no heater and no result, no level or dots.
TEST(ChartGeometry, ControlCurveInTheShapeOfEveryChart) {
    const Condenser condenser = ExampleCondenser();
    const auto curveOf = [](ControlCurveChart chart) {
        ControlCurve curve{std::move(chart), {}, {}, {}, {}, {}, {}};
        curve.flowLabels = TickLabels(curve.chart.flow, ",");
        curve.loadLabels = TickLabels(curve.chart.load, ",");
        curve.tempLabels = TickLabels(curve.chart.outletTemp, ",");
        return curve;
    };
    ControlCurve curve = curveOf(ControlCurveGeometry(condenser, ShownResult{0.5, 2000}, 2000));
    curve.refluxMarks = {{0.2427, 1000, "R 1"}, {0.5, 2000, "∞"}};
    const Chart chart = ControlCurveDrawing(curve);
    ASSERT_EQ(chart.axes.size(), 3U);
    EXPECT_EQ(chart.axes[kBottomAxis].range.max, 1.6);
    EXPECT_EQ(chart.axes[kBottomAxis].labels, (std::vector<std::string>{"0", "0,5", "1", "1,5"}));
    EXPECT_EQ(chart.axes[kLeftAxis].range.max, 7000);
    EXPECT_EQ(chart.axes[kRightAxis].range.min, 20);
    EXPECT_EQ(chart.axes[kRightAxis].labels, curve.tempLabels);
    for (const ChartAxis& axis : chart.axes) EXPECT_EQ(axis.title, "") << "the page's own";
    ASSERT_EQ(chart.curves.size(), 2U);
    EXPECT_EQ(chart.curves[0].axis, kRightAxis);
    EXPECT_EQ(chart.curves[1].axis, kLeftAxis);
    ASSERT_EQ(chart.curves[1].points.size(), curve.chart.points.size());
    for (std::size_t i = 0; i < curve.chart.points.size(); ++i) {
        const CurvePoint& point = curve.chart.points[i];
        EXPECT_EQ(chart.curves[0].points[i].x, point.flow);
        EXPECT_EQ(chart.curves[0].points[i].y, point.outletTemp);
        EXPECT_EQ(chart.curves[1].points[i].x, point.flow);
        EXPECT_EQ(chart.curves[1].points[i].y, point.load);
    }
    ASSERT_EQ(chart.levels.size(), 2U);
    EXPECT_EQ(chart.levels[0].value, condenser.maxLoad());
    EXPECT_EQ(chart.levels[1].value, 2000);
    ASSERT_EQ(chart.marks.size(), 2U);
    EXPECT_EQ(chart.marks[0].axis, kLeftAxis);
    EXPECT_EQ(chart.marks[0].at.x, 0.2427);
    EXPECT_EQ(chart.marks[0].at.y, 1000);
    EXPECT_EQ(chart.marks[0].label, "R 1");
    ASSERT_EQ(chart.dots.size(), 2U);
    EXPECT_EQ(chart.dots[0].axis, kRightAxis);
    EXPECT_EQ(chart.dots[0].at.y, condenser.outletTempAtFlow(0.5));
    EXPECT_EQ(chart.dots[1].axis, kLeftAxis);
    EXPECT_EQ(chart.dots[1].at.x, 0.5);
    EXPECT_EQ(chart.dots[1].at.y, 2000);

    const Chart bare =
        ControlCurveDrawing(curveOf(ControlCurveGeometry(condenser, std::nullopt, std::nullopt)));
    EXPECT_EQ(bare.levels.size(), 1U) << "the limit alone";
    EXPECT_TRUE(bare.marks.empty());
    EXPECT_TRUE(bare.dots.empty());
}

}  // namespace
}  // namespace dephlegmator
