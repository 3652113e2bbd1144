#pragma once

#include <string>
#include <string_view>

#include "chart_geometry.h"

namespace dephlegmator {

// The cooling tank's chart in the panel's section «У колонны»: the tank's water temperature
// against time, rising in a straight line from its start to the temperature at which the pump's
// water no longer condenses the load, with that temperature as a dashed level.

// The drawing's size in its SVG viewBox.
inline constexpr ChartSize kTankChartSize{320, 160};

// The SVG elements of the chart for a tank that warms from startTemp to limitTemp (°C, start <
// limit) in `seconds` (finite, > 0): grid, round ticks labelled with `separator`, the axis titles,
// the warming line and the dashed level captioned «предел 55,9 °С». The time axis is in minutes
// for a run under two hours, in hours from two hours on. No label overlaps another or a title.
// Coordinates are written with '.' to a tenth of a unit, as SVG reads them. Examples: 15, 55.9,
// 15 380 s, "," → a time axis to 4.4 h with ticks 0, 1, 2, 3, 4 and a temperature axis to 70 °C;
// 15, 55.9, 2460 s → a time axis to 42 min («Время, мин») with ticks 0, 10, 20, 30, 40.
std::string TankChartMarkup(double startTemp, double limitTemp, double seconds,
                            std::string_view separator);

}  // namespace dephlegmator
