#pragma once

#include <string_view>

#include "chart_geometry.h"

namespace dephlegmator {

// The cooling tank's chart in the panel's section «У колонны»: the tank's water temperature
// against time, rising in a straight line from its start to the temperature at which the pump's
// water no longer condenses the load, with that temperature as a level.

// The drawing's size in its SVG viewBox.
inline constexpr ChartSize kTankChartSize{320, 160};

// The chart for a tank that warms from startTemp to limitTemp (°C, start < limit) in `seconds`
// (finite, > 0), with its labels written with `separator`: along the bottom the time, in
// minutes for a run under two hours and in hours from two hours on, titled «Время, мин» or
// «Время, ч»; on the left the temperature from 0, titled «°С», reaching 10 % above the limit;
// one curve from (0, start) to (the run's end, limit); the limit as a level captioned
// «предел 55,9 °С». No right axis, marks or dots.
// Examples: 15, 55.9, 15 380 s, "," → time 0 to 4.4 h, ticks 0, 1, 2, 3, 4, temperature 0 to 70
// with ticks 0, 10, …, 70, the curve from (0, 15) to (≈ 4.27, 55.9); 15, 55.9, 2460 s → time 0
// to 42 min with ticks 0, 10, 20, 30, 40.
Chart TankChart(double startTemp, double limitTemp, double seconds, std::string_view separator);

}  // namespace dephlegmator
