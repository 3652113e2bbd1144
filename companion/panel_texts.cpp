#include "panel_texts.h"

#include <algorithm>

#include "input_marks.h"
#include "number_text.h"
#include "texts.h"

namespace dephlegmator {

std::string OutOfRangeReason(Box box, const FormInputs& inputs, std::string_view separator) {
    if (inputs[box].fault == InputFault::Empty) {
        return Fill(Text::PanelEnter, {{"quantity", QuantityToEnter(box, inputs.modes.given)}});
    }
    return InputMark(box, inputs, separator);
}

std::string ChartDescription(const ControlCurveChart& chart, std::string_view separator) {
    std::string text =
        Fill(Text::PanelChart, {{"flow", FormatNumber(chart.flow.max, separator)},
                                {"limit", FormatRounded(chart.maxLoad, 0, separator)}});
    if (chart.result) {
        text += " " + Fill(Text::PanelChartResult,
                           {{"flow", FormatRounded(chart.result->flow, 2, separator)},
                            {"load", FormatRounded(chart.result->load, 0, separator)}});
    }
    if (chart.heaterPower) {
        text += " " + Fill(Text::PanelChartHeater,
                           {{"power", FormatNumber(*chart.heaterPower, separator)}});
    }
    return text;
}

bool BeyondATap(double flow, int decimals) {
    return RoundDecimals(flow, decimals) > kPracticalTapFlow;
}

std::string FlowInSentence(double flow, int decimals, std::string_view separator) {
    return Fill(BeyondATap(flow, decimals) ? Text::PanelImpracticalFlowInSentence
                                           : Text::PanelFlowInSentence,
                {{"flow", FormatRounded(flow, decimals, separator)},
                 {"max", FormatNumber(kPracticalTapFlow, separator)}});
}

std::string BeyondTheChart(const ControlCurveChart& chart, std::string_view separator) {
    constexpr double kReachShare = 0.95;
    if (!(chart.flow.max < chart.reach)) return {};
    return Fill(Text::PanelBeyondTheChart,
                {{"flow", FlowInSentence(chart.reach, 1, separator)},
                 {"load", FormatRounded(kReachShare * chart.maxLoad, 0, separator)}});
}

std::string_view RefluxHeading(const RefluxRatio& row) {
    return row.number.empty() ? Tr(Text::FullReflux) : row.number;
}

const RefluxRatio& RefluxRatioHeaded(std::string_view heading) {
    const auto* found = std::find_if(
        kRefluxRatios.begin(), kRefluxRatios.end(),
        [heading](const RefluxRatio& row) { return !row.number.empty() && row.number == heading; });
    return found == kRefluxRatios.end() ? kRefluxRatios.back() : *found;
}

}  // namespace dephlegmator
