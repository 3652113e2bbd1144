#include "design_panel.h"

#include <cmath>
#include <optional>

#include "box_io.h"
#include "column_head.h"
#include "heat_exchanger.h"
#include "number_text.h"
#include "texts.h"

namespace dephlegmator {
namespace {

// «—» for every number, in the given modes, so that the page shows the rows those modes have.
DesignPanel Dashes(const Modes& modes) {
    DesignPanel panel;
    panel.heatLoadMode = modes.given == Given::HeatLoad;
    panel.heightDiameterMode = modes.geometry == Geometry::HeightDiameter;
    panel.maxLoad = kNoNumber;
    for (std::size_t i = 0; i < kRefluxRatios.size(); ++i) {
        const RefluxRatio& row = kRefluxRatios.at(i);
        panel.reflux.at(i) = {row.id, std::string(kNoNumber), false, row.takeOffId,
                              std::string(kNoNumber)};
    }
    panel.areaAt10K = panel.areaMin = panel.heightAt10K = panel.heightMin = kNoNumber;
    return panel;
}

DesignPanel Unavailable(const Modes& modes, std::string_view reason) {
    DesignPanel panel = Dashes(modes);
    panel.reason = reason;
    return panel;
}

// Why the inputs give no panel; empty when they give one. An outlet temperature can only lie
// between the inlet and condensation temperatures once the one is below the other, so that comes
// first.
std::string Problem(const FormInputs& inputs, std::string_view separator) {
    const std::optional<Box> box = inputs.firstOutOfRange();
    if (box && inputs[*box].fault != InputFault::OutletNotBetween) {
        return OutOfRangeReason(*box, inputs, separator);
    }
    if (!(inputs[Box::Text1].number > inputs[Box::Text2].number)) {
        return std::string(Tr(Text::PanelCondensationNotAboveInlet));
    }
    if (box) return OutOfRangeReason(*box, inputs, separator);
    return {};
}

std::optional<ShownResult> LastResult(const Controls& results) {
    try {
        const double flow = ReadInput(results, Box::Text8);
        const double load = ReadInput(results, Box::Text7);
        if (!(flow > 0 && load > 0)) return std::nullopt;
        return ShownResult{flow, load};
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

ControlCurve Curve(ControlCurveChart chart, std::string_view separator) {
    ControlCurve curve{std::move(chart), {}, {}, {}, {}, {}, {}};
    curve.beyond = BeyondTheChart(curve.chart, separator);
    curve.flowLabels = TickLabels(curve.chart.flow, separator);
    curve.loadLabels = TickLabels(curve.chart.load, separator);
    curve.tempLabels = TickLabels(curve.chart.outletTemp, separator);
    curve.description = ChartDescription(curve.chart, separator);
    return curve;
}

// A flow of 2 decimals as shown lies beyond a tap.
bool Impractical(double flow) {
    return BeyondATap(flow, 2);
}

// The verdict on a heater of `power` W less the column's `losses`, with the coefficients it rests
// on: the dephlegmator condenses the vapour that reaches it, as the reflux table counts it. None
// where the losses leave no vapour; the section at the column says why.
void FillVerdict(DesignPanel& panel, const Condenser& condenser, double power, double losses,
                 std::string_view separator) {
    const double vapour = ColumnHead{condenser, power, losses}.vapourPower();
    if (!(vapour > 0)) return;
    const std::string u = FormatNumber(condenser.heatTransferK, separator);
    const std::string c = FormatNumber(condenser.specificHeatC, separator);
    const std::string p = FormatNumber(vapour, separator);
    const double flow = condenser.flowForLoad(vapour);
    if (!std::isfinite(flow)) {
        panel.verdict = Fill(Text::PanelVerdictFails,
                             {{"power", p},
                              {"limit", FormatRounded(condenser.maxLoad(), 0, separator)},
                              {"u", u},
                              {"c", c}});
    } else {
        panel.holds = true;
        panel.verdict =
            Fill(Impractical(flow) ? Text::PanelVerdictHoldsImpractical : Text::PanelVerdictHolds,
                 {{"power", p},
                  {"flow", FormatRounded(flow, 2, separator)},
                  {"max", FormatNumber(kPracticalTapFlow, separator)},
                  {"u", u},
                  {"c", c}});
    }
    if (losses > 0) {
        panel.verdict += ' ';
        panel.verdict +=
            Fill(Text::PanelVerdictLosses, {{"heater", FormatNumber(power, separator)},
                                            {"losses", FormatNumber(losses, separator)}});
    }
}

// What the panel's coefficients give for the window's inputs, where they are not the window's.
std::string WindowNote(const FormInputs& inputs, const FormState& state, const Condenser& condenser,
                       std::string_view separator) {
    if (condenser.heatTransferK == state.HeatTransferK &&
        condenser.specificHeatC == state.SpecificHeatC) {
        return {};
    }
    const auto results = [separator](double load, const std::string& flow, double temp) {
        return Fill(Text::PanelWindowResults, {{"load", FormatRounded(load, 0, separator)},
                                               {"flow", flow},
                                               {"temp", FormatRounded(temp, 0, separator)}});
    };
    const double given = inputs[Box::Text6].number;
    std::string gives;
    switch (inputs.modes.given) {
        case Given::OutletTemp: {
            const double load =
                HeatLoad(condenser.heatTransferK, condenser.areaM2,
                         LogMeanDifference(condenser.condensationTemp, condenser.inletTemp, given));
            // The flow carries the load as shown, in whole watts, as the window's does.
            const double flow = FlowForLoadAndRise(RoundDecimals(load, 0), condenser.specificHeatC,
                                                   given - condenser.inletTemp);
            gives = results(load, FlowInSentence(flow, 2, separator), given);
            break;
        }
        case Given::HeatLoad: {
            const double flow = condenser.flowForLoad(given);
            gives = std::isfinite(flow)
                        ? results(given, FlowInSentence(flow, 2, separator),
                                  condenser.outletTempAtFlow(flow))
                        : Fill(Text::PanelWindowBeyond,
                               {{"load", FormatNumber(given, separator)},
                                {"limit", FormatRounded(condenser.maxLoad(), 0, separator)}});
            break;
        }
        case Given::WaterFlow:
            gives = results(condenser.loadAtFlow(given), FlowInSentence(given, 2, separator),
                            condenser.outletTempAtFlow(given));
            break;
    }
    return Fill(Text::PanelWindowNote, {{"windowU", FormatNumber(state.HeatTransferK, separator)},
                                        {"windowC", FormatNumber(state.SpecificHeatC, separator)},
                                        {"u", FormatNumber(condenser.heatTransferK, separator)},
                                        {"c", FormatNumber(condenser.specificHeatC, separator)},
                                        {"results", gives}});
}

// The reflux table at the vapour the heater's `power` less the column's `losses` brings; «—»
// throughout where there are no losses to take off or no vapour is left.
void FillRefluxTable(DesignPanel& panel, const Condenser& condenser, double power,
                     std::optional<double> losses, std::string_view separator) {
    const ColumnHead head{condenser, power, losses.value_or(0)};
    if (!losses || !(head.vapourPower() > 0)) return;
    const double vapour = head.vapourPower();
    for (std::size_t i = 0; i < kRefluxRatios.size(); ++i) {
        const RefluxRatio& row = kRefluxRatios.at(i);
        const double load = RefluxLoad(vapour, row.ratio);
        const double flow = condenser.flowForLoad(load);
        RefluxFlow& cells = panel.reflux.at(i);
        cells.flow = std::isfinite(flow) ? PanelFlowText(flow, separator)
                                         : std::string(Tr(Text::PanelFlowNotReached));
        cells.impractical = std::isfinite(flow) && Impractical(flow);
        const TakeOff takeOff = TakeOffAtReflux(head, row.ratio);
        if (takeOff.fault == HeadFault::None) {
            cells.takeOff = FormatRounded(takeOff.mlPerHour, 0, separator);
        }
        if (flow > 0 && flow <= panel.curve.chart.flow.max) {
            panel.curve.refluxMarks.push_back({flow, load, row.mark});
        }
    }
}

void FillHeaterSizing(DesignPanel& panel, const Condenser& condenser, double power, double diameter,
                      std::optional<double> losses, std::string_view separator) {
    FillRefluxTable(panel, condenser, power, losses, separator);
    const bool warms10K = condenser.span() > kAutonomousRiseK;
    const double at10K = AreaCm2FromM2(AreaForLoad(
        power, condenser.heatTransferK,
        RiseLogMeanDifference(condenser.condensationTemp, condenser.inletTemp, kAutonomousRiseK)));
    const double minimum =
        AreaCm2FromM2(AreaForLoad(power, condenser.heatTransferK, condenser.span()));
    panel.areaAt10K = warms10K ? FormatRounded(at10K, 0, separator) : std::string(kNoNumber);
    panel.areaMin = FormatRounded(minimum, 0, separator);
    if (panel.heightDiameterMode) {
        panel.heightAt10K = warms10K ? FormatRounded(HeightForArea(at10K, diameter), 1, separator)
                                     : std::string(kNoNumber);
        panel.heightMin = FormatRounded(HeightForArea(minimum, diameter), 1, separator);
    }
}

}  // namespace

Chart ControlCurveDrawing(const ControlCurve& curve) {
    const ControlCurveChart& chart = curve.chart;
    Chart drawing;
    drawing.axes = {{chart.flow, curve.flowLabels, {}},
                    {chart.load, curve.loadLabels, {}},
                    {chart.outletTemp, curve.tempLabels, {}}};
    ChartCurve temp{kRightAxis, {}};
    ChartCurve load{kLeftAxis, {}};
    temp.points.reserve(chart.points.size());
    load.points.reserve(chart.points.size());
    for (const CurvePoint& point : chart.points) {
        temp.points.push_back({point.flow, point.outletTemp});
        load.points.push_back({point.flow, point.load});
    }
    drawing.curves = {std::move(temp), std::move(load)};
    drawing.levels.push_back({chart.maxLoad, {}});
    if (chart.heaterPower) drawing.levels.push_back({*chart.heaterPower, {}});
    for (const RefluxMark& mark : curve.refluxMarks) {
        drawing.marks.push_back({kLeftAxis, {mark.flow, mark.load}, std::string(mark.label)});
    }
    if (chart.result) {
        drawing.dots.push_back({kRightAxis, {chart.result->flow, chart.result->outletTemp}, {}});
        drawing.dots.push_back({kLeftAxis, {chart.result->flow, chart.result->load}, {}});
    }
    return drawing;
}

std::string PanelFlowText(double flow, std::string_view separator) {
    std::string text = FormatRounded(flow, 2, separator);
    if (!Impractical(flow)) return text;
    return Fill(Text::PanelImpracticalFlow,
                {{"flow", text}, {"max", FormatNumber(kPracticalTapFlow, separator)}});
}

PanelBasis PanelCondenser(const FormInputs& inputs, const FormState& state, bool calculationFailed,
                          const PanelCoefficients& coefficients, std::string_view separator) {
    std::string problem = Problem(inputs, separator);
    if (!problem.empty()) return {std::nullopt, std::move(problem)};
    if (calculationFailed) return {std::nullopt, std::string(Tr(Text::PanelCalculationStopped))};
    if (!coefficients.problem.empty()) return {std::nullopt, coefficients.problem};
    const Condenser condenser{inputs[Box::Text1].number, inputs[Box::Text2].number, state.AreaM2,
                              coefficients.heatTransferK, coefficients.specificHeatC};
    const double maxLoad = condenser.maxLoad();
    if (!condenser.usable() || !(maxLoad > 0 && std::isfinite(maxLoad))) {
        return {std::nullopt, std::string(Tr(Text::PanelNoCharacteristic))};
    }
    return {condenser, {}};
}

DesignPanel BuildDesignPanel(const FormInputs& inputs, const Controls& results,
                             const FormState& state, bool calculationFailed,
                             const PanelCoefficients& coefficients, std::optional<double> tapFlow,
                             std::optional<double> heaterPower, std::optional<double> losses) {
    return BuildDesignPanel(
        PanelCondenser(inputs, state, calculationFailed, coefficients, results.decimalSeparator()),
        inputs, results, state, coefficients, tapFlow, heaterPower, losses);
}

DesignPanel BuildDesignPanel(const PanelBasis& basis, const FormInputs& inputs,
                             const Controls& results, const FormState& state,
                             const PanelCoefficients& coefficients, std::optional<double> tapFlow,
                             std::optional<double> heaterPower, std::optional<double> losses) {
    if (!basis.condenser) return Unavailable(inputs.modes, basis.reason);
    const std::string separator = results.decimalSeparator();
    const Condenser& condenser = *basis.condenser;
    const double maxLoad = condenser.maxLoad();

    DesignPanel panel = Dashes(inputs.modes);
    panel.available = true;
    panel.maxLoad = FormatRounded(maxLoad, 0, separator);
    const double given = inputs[Box::Text6].number;
    const std::optional<double> heater =
        panel.heatLoadMode ? std::optional<double>(given) : std::nullopt;
    // The window's result lies on the curve only when the panel computes with the window's own
    // U and c; on another curve it would mark a point that curve does not pass through.
    const bool windowsCurve = coefficients.heatTransferK == state.HeatTransferK &&
                              coefficients.specificHeatC == state.SpecificHeatC;
    const std::optional<ShownResult> result = windowsCurve ? LastResult(results) : std::nullopt;
    panel.curve = Curve(ControlCurveGeometry(condenser, result, heater, tapFlow), separator);
    if (panel.heatLoadMode) {
        FillHeaterSizing(panel, condenser, given, inputs[Box::Text4].number, losses, separator);
    }
    // Losses the section cannot read leave no verdict, as they leave the reflux table «—».
    if (const std::optional<double> power = heater ? heater : heaterPower; power && losses) {
        FillVerdict(panel, condenser, *power, *losses, separator);
    }
    panel.windowNote = WindowNote(inputs, state, condenser, separator);
    return panel;
}

}  // namespace dephlegmator
