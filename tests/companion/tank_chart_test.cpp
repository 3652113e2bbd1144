// The cooling tank's chart: its time unit and axes, its one curve and its level.
#include "tank_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language.h"

namespace dephlegmator {
namespace {

TEST(TankChart, TimeInMinutesUnderTwoHoursAndInHoursFromThen) {
    SetLanguage(Language::Russian);
    const struct {
        double start, limit, seconds;
        const char* title;
        double timeMax;
        std::vector<std::string> timeTicks;
    } cases[] = {
        {15, 55.9, 41 * 60, "Время, мин", 42, {"0", "10", "20", "30", "40"}},
        {15, 55.9, 5 * 60, "Время, мин", 5, {"0", "1", "2", "3", "4", "5"}},
        {20, 95, 119 * 60, "Время, мин", 120, {"0", "20", "40", "60", "80", "100", "120"}},
        {15, 55.9, 2 * 3600, "Время, ч", 2, {"0", "0,5", "1", "1,5", "2"}},
        {15, 55.9, 15380, "Время, ч", 4.4, {"0", "1", "2", "3", "4"}},
        {5, 99.5, 40 * 3600, "Время, ч", 40, {"0", "10", "20", "30", "40"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        const Chart chart = TankChart(c.start, c.limit, c.seconds, ",");
        ASSERT_EQ(chart.axes.size(), 2U) << "no right axis";
        const ChartAxis& time = chart.axes[kBottomAxis];
        EXPECT_EQ(time.title, c.title);
        EXPECT_EQ(time.range.min, 0);
        EXPECT_DOUBLE_EQ(time.range.max, c.timeMax);
        EXPECT_EQ(time.labels, c.timeTicks);
        ASSERT_EQ(chart.curves.size(), 1U);
        const ChartCurve& warming = chart.curves[0];
        EXPECT_EQ(warming.axis, kLeftAxis);
        ASSERT_EQ(warming.points.size(), 2U);
        EXPECT_EQ(warming.points[0].x, 0);
        EXPECT_EQ(warming.points[0].y, c.start);
        EXPECT_EQ(warming.points[1].y, c.limit);
        EXPECT_LE(warming.points[1].x, time.range.max) << "the run ends on the chart";
        EXPECT_GT(warming.points[1].x, time.range.max * 0.8) << "and near its right end";
    }
}

// The temperature reaches 10 % above the limit from 0, the level stands at the limit and says
// it with one decimal, and every tick has its label.
TEST(TankChart, TemperatureAxisAndTheLimitLevel) {
    SetLanguage(Language::Russian);
    const Chart chart = TankChart(15, 55.94, 15380, ",");
    const ChartAxis& temp = chart.axes[kLeftAxis];
    EXPECT_EQ(temp.title, "°С");
    EXPECT_EQ(temp.range.min, 0);
    EXPECT_EQ(temp.range.max, 70);
    EXPECT_EQ(temp.labels,
              (std::vector<std::string>{"0", "10", "20", "30", "40", "50", "60", "70"}));
    EXPECT_DOUBLE_EQ(chart.curves[0].points[1].x, 15380.0 / 3600);
    ASSERT_EQ(chart.levels.size(), 1U);
    EXPECT_EQ(chart.levels[0].value, 55.94);
    EXPECT_EQ(chart.levels[0].caption, "предел 55,9\u00A0°С");
    EXPECT_TRUE(chart.marks.empty());
    EXPECT_TRUE(chart.dots.empty());

    SetLanguage(Language::English);
    const Chart english = TankChart(15, 55.94, 600, ".");
    EXPECT_EQ(english.levels[0].caption.substr(0, 10), "limit 55.9");
    EXPECT_EQ(english.axes[kBottomAxis].labels.back(), "10");
    SetLanguage(Language::Russian);
}

}  // namespace
}  // namespace dephlegmator
