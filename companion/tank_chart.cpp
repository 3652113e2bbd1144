#include "tank_chart.h"

#include <algorithm>
#include <string>

#include "number_text.h"
#include "texts.h"

namespace dephlegmator {
namespace {

constexpr double kSecondsPerHour = 3600;
constexpr double kSecondsPerMinute = 60;
// A run shorter than this is counted in minutes: 0,1…0,6 h says less than 6…36 min.
constexpr double kMinutesBelowSeconds = 2 * kSecondsPerHour;
// Room above the limit: the temperature axis reaches this multiple of it.
constexpr double kRoomAboveLimit = 1.1;

ChartAxis Labelled(Axis range, std::string_view separator, std::string_view title) {
    std::vector<std::string> labels = TickLabels(range, separator);
    return {std::move(range), std::move(labels), std::string(title)};
}

}  // namespace

Chart TankChart(double startTemp, double limitTemp, double seconds, std::string_view separator) {
    const bool inMinutes = seconds < kMinutesBelowSeconds;
    const double end = seconds / (inMinutes ? kSecondsPerMinute : kSecondsPerHour);
    Chart chart;
    chart.axes.push_back(
        Labelled(AxisFromZeroNear(end), separator,
                 Tr(inMinutes ? Text::TankChartTimeMinutes : Text::TankChartTime)));
    chart.axes.push_back(Labelled(AxisFromZero(kRoomAboveLimit * std::max(limitTemp, startTemp)),
                                  separator, Tr(Text::UnitDegrees)));
    chart.curves.push_back({kLeftAxis, {{0, startTemp}, {end, limitTemp}}});
    chart.levels.push_back({limitTemp, Fill(Text::TankChartLimit,
                                            {{"temp", FormatRounded(limitTemp, 1, separator)}})});
    return chart;
}

}  // namespace dephlegmator
