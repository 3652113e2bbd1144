#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart_geometry.h"
#include "form_inputs.h"
#include "heat_exchanger.h"

namespace dephlegmator {

// The design panel's texts, in the current language: why it shows no numbers, what its chart
// shows to a screen reader, and the rows of its reflux table. Its fixed sentences are the
// catalogue's: Text::PanelFlowNotReached in place of a flow no flow reaches, the reasons
// PanelCondensationNotAboveInlet, PanelCalculationStopped and PanelNoCharacteristic, and the
// chart's name until the first recalculation, PanelChartBeforeFirstRecalculation.

// In place of a number that cannot be given.
inline constexpr std::string_view kNoNumber = "—";

// Why the panel has no numbers when `box`, read by the modes, is out of range: for an empty box
// «Введите …» with what it holds ("Введите высоту."), otherwise what the box's mark says
// (InputMark), numbers written with `separator`.
std::string OutOfRangeReason(Box box, const FormInputs& inputs, std::string_view separator);

// What the chart shows, for a screen reader, with numbers in `separator`: "График: тепловая
// нагрузка дефлегматора … от 0 до 14 л/мин, и температура воды на выходе. Предел поверхности
// 5811 Вт.", then " Результат расчёта: 0.5 л/мин, 2000 Вт." and " Мощность нагрева 2000 Вт." when
// the chart has them.
std::string ChartDescription(const ControlCurveChart& chart, std::string_view separator);

// A row of the reflux table: the id of the cell that shows its water flow, the row's number
// (none for full reflux), its reflux ratio R, and the id of the cell that shows the take-off at
// R. The panel computes the flows and take-offs of these rows and the page generator writes the
// table's rows from them.
struct RefluxRatio {
    std::string_view id;
    std::string_view number;  // "" for full reflux
    double ratio;
    std::string_view mark;  // its label on the chart's curve
    std::string_view takeOffId;
};
inline constexpr std::array<RefluxRatio, 6> kRefluxRatios{{
    {"RefluxFlow1", "1", 1, "R 1", "RefluxTakeOff1"},
    {"RefluxFlow2", "2", 2, "2", "RefluxTakeOff2"},
    {"RefluxFlow3", "3", 3, "3", "RefluxTakeOff3"},
    {"RefluxFlow5", "5", 5, "5", "RefluxTakeOff5"},
    {"RefluxFlow10", "10", 10, "10", "RefluxTakeOff10"},
    {"RefluxFlowFull", "", kFullReflux, "∞", "RefluxTakeOffFull"},
}};

// The row's heading: its number, or «полная флегма» ("full reflux") in the current language.
std::string_view RefluxHeading(const RefluxRatio& row);
// The row of the number `heading`; full reflux for any other text, its heading in any language
// included.
const RefluxRatio& RefluxRatioHeaded(std::string_view heading);

// The most water a household tap gives in practice, l/min. A flow the panel shows above it is
// marked as out of a tap's reach rather than given as a plain number.
inline constexpr double kPracticalTapFlow = 5;

// A flow rounded to `decimals` as it shows above kPracticalTapFlow.
bool BeyondATap(double flow, int decimals);

// A flow with its unit in a sentence, rounded to `decimals`, marked beyond a tap, numbers in
// `separator`: (0.814, 2) → "0.81 л/мин"; (13.24, 1) → "13.2 л/мин (больше 5 л/мин, кран не
// даст)".
std::string FlowInSentence(double flow, int decimals, std::string_view separator);

// What lies beyond a flow axis that stops short of the curve's reach: "Дальше кривая почти
// горизонтальна: при 13.2 л/мин (больше 5 л/мин, кран не даст) — 5520 Вт, 95 % предела.",
// numbers in `separator`.
std::string BeyondTheChart(const ControlCurveChart& chart, std::string_view separator);

}  // namespace dephlegmator
