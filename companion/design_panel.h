#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart_geometry.h"
#include "controls.h"
#include "form_inputs.h"
#include "form_state.h"
#include "panel_texts.h"

namespace dephlegmator {

// The design panel beside the browser edition's window: the control curve of the dephlegmator
// (condensed load against water flow), the flows that give common reflux ratios at the heater's
// power, and the surface the heater needs. It is built after each recalculation from the inputs
// that recalculation read. Its numbers come from heat_exchanger.h, its chart from
// chart_geometry.h and its texts from panel_texts.h; every number text is written as the window
// writes numbers, with its regional decimal separator.

// A reflux flow marked on the curve: the flow and load of the row, and what it is labelled.
struct RefluxMark {
    double flow;  // l/min
    double load;  // W
    std::string_view label;
};

struct ControlCurve {
    ControlCurveChart chart;
    // The reflux table's flows that lie on the drawn part of the curve, in the table's order.
    std::vector<RefluxMark> refluxMarks;
    // What lies beyond the flow axis, where it stops short of 95 % of the limit; "" otherwise.
    std::string beyond;
    // The labels of the ticks of chart.flow, chart.load and chart.outletTemp, one per tick.
    std::vector<std::string> flowLabels, loadLabels, tempLabels;
    std::string description;  // what the chart shows, for a screen reader
};

// The control curve in the shape every chart reaches a front end in: the flow along the bottom,
// the load on the left and the outlet temperature on the right, with their tick labels and no
// titles (the front end writes its own); the curves of the outlet temperature (right axis) and
// of the load (left axis), in that order; the levels of the surface's limit and, where there is
// one, the heater's power, both without captions (the front end writes its own); the reflux
// marks on the load curve, labelled «R 1» …; and the window's result, where there is one, as two
// dots, its outlet temperature (right axis) and its load (left axis).
Chart ControlCurveDrawing(const ControlCurve& curve);

// A flow the panel shows in a table, 2 decimals, with the mark beyond kPracticalTapFlow, numbers in
// `separator`: 0.857 → "0.86"; 29.09 → "29.09: больше 5 л/мин, кран не даст".
std::string PanelFlowText(double flow, std::string_view separator);

// The water flow in one row of the reflux table: the flow at which the dephlegmator condenses
// RefluxLoad(P_v, the row's ratio), with P_v the heater's power less the column's losses; and
// the take-off that ratio leaves (TakeOffAtReflux).
struct RefluxFlow {
    std::string_view id;  // the row's cell, as in kRefluxRatios
    std::string flow;  // l/min, as PanelFlowText; «не достичь» beyond the surface's limit
    bool impractical = false;    // above kPracticalTapFlow
    std::string_view takeOffId;  // the take-off's cell, as in kRefluxRatios
    std::string takeOff;         // ml/h, whole; «—» where the vapour's make-up is unknown
};

struct DesignPanel {
    bool available = false;  // false: every number shows «—» and `reason` says why
    std::string reason;
    // The one answer for the heater's power, naming the U and c used: "2000 Вт: дефлегматор
    // удержит полную флегму при расходе от 0,86 л/мин (U = 680, c = 3760)." or "2000 Вт: не
    // удержит — предел 1509 Вт при U = 350, c = 3760."; "" where the panel has no heater power.
    std::string verdict;
    bool holds = false;  // the verdict says the dephlegmator holds full reflux
    // Where the panel's U or c differ from the window's: what each uses and what the panel's
    // give for the window's inputs; "" otherwise.
    std::string windowNote;
    std::string maxLoad;  // W, whole
    ControlCurve curve;   // only when available

    bool heatLoadMode = false;  // the reflux table and the heater's surface apply
    std::array<RefluxFlow, kRefluxRatios.size()> reflux{};
    std::string areaAt10K, areaMin;  // cm², whole; «—» where the water cannot warm by 10 K
    bool heightDiameterMode = false;
    std::string heightAt10K, heightMin;  // cm, 1 decimal, at the typed diameter
};

// The coefficients the panel computes with, which the user may set apart from the window's; by
// default the window's own. `problem` says why there are none the panel can use ("" when there
// are).
struct PanelCoefficients {
    double heatTransferK = kHeatTransferKAtLoad;  // U, W/(m²·K)
    double specificHeatC = kSpecificHeatCAtLoad;  // c, J/(l·K)
    std::string problem;
};

// The dephlegmator the panel describes after a recalculation: the window's Tc and Tin as that
// recalculation read them, the surface it used, and the panel's coefficients; or, when it has
// none, why (the reasons BuildDesignPanel gives).
struct PanelBasis {
    std::optional<Condenser> condenser;
    std::string reason;
};
PanelBasis PanelCondenser(const FormInputs& inputs, const FormState& state, bool calculationFailed,
                          const PanelCoefficients& coefficients, std::string_view separator);

// The panel after a recalculation that read `inputs` and, unless `calculationFailed`, wrote its
// results into `results`: Text7 and Text8 give the result marked on the chart (when the panel has
// the window's U and c, whose curve it lies on), and numbers are
// written with results.decimalSeparator(). `state` holds the surface the calculation used;
// `coefficients` the U and c of every number of the panel. The panel has no numbers, and says
// why, when a box the modes read is out of range (its fault, in the order of the boxes), when the
// condensation temperature is not above the inlet's, when the calculation failed, or when the
// coefficients have a problem. Never throws.
// Example: 88, 20, 80 cm × 5 cm, heat load 2000 → maxLoad "5811", reflux flows "0.24" … "0.5",
// areaAt10K "468", heightMin "27.5"; with an empty Text3 → reason "Введите высоту больше нуля.";
// with U 1000 and c 4180 → maxLoad "8545". `tapFlow`, a flow the user sets at the column, is
// kept on the chart's flow axis. The verdict is for the given heat load in heat-load mode, and
// otherwise for `heaterPower`, the power the user gives at the column, when there is one.
// `losses`, the column's heat losses the user gives at the column (none where that box holds no
// number), are taken off the heat load for the reflux table: its flows and take-offs show «—»
// without them, or where they leave no vapour.
DesignPanel BuildDesignPanel(const FormInputs& inputs, const Controls& results,
                             const FormState& state, bool calculationFailed,
                             const PanelCoefficients& coefficients = {},
                             std::optional<double> tapFlow = std::nullopt,
                             std::optional<double> heaterPower = std::nullopt,
                             std::optional<double> losses = 0.0);
// The same from the basis PanelCondenser gave for those inputs, state and coefficients.
DesignPanel BuildDesignPanel(const PanelBasis& basis, const FormInputs& inputs,
                             const Controls& results, const FormState& state,
                             const PanelCoefficients& coefficients, std::optional<double> tapFlow,
                             std::optional<double> heaterPower = std::nullopt,
                             std::optional<double> losses = 0.0);

}  // namespace dephlegmator
