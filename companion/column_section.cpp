#include "column_section.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "heat_exchanger.h"
#include "number_text.h"
#include "panel_texts.h"
#include "tank_chart.h"
#include "texts.h"

namespace dephlegmator {
namespace {

// The section's boxes with what each needs, in the order of the page.
struct NumberBox {
    std::string_view id;
    Text problem;
};
constexpr NumberBox kPower{kPanelPower, Text::ColumnEnterPower};
constexpr NumberBox kFlow{kTapFlow, Text::ColumnEnterTapFlow};
constexpr NumberBox kHours{kRunHours, Text::ColumnEnterRunHours};
constexpr NumberBox kVolume{kTankVolume, Text::ColumnEnterTankVolume};
constexpr NumberBox kStart{kTankStart, Text::ColumnEnterTankStart};
constexpr NumberBox kPump{kPumpFlow, Text::ColumnEnterPumpFlow};
constexpr std::array<NumberBox, 6> kNumberBoxes{kPower, kFlow, kHours, kVolume, kStart, kPump};

constexpr double kSecondsPerMinute = 60;
constexpr double kMinutesPerHour = 60;

}  // namespace

std::string HoursAndMinutes(double seconds) {
    const double minutes = RoundDecimals(seconds / kSecondsPerMinute, 0);
    const double hours = std::floor(minutes / kMinutesPerHour);
    const double rest = minutes - hours * kMinutesPerHour;
    std::string h = WithUnit(FormatNumber(hours, "."), Text::UnitHours);
    std::string m = WithUnit(FormatNumber(rest, "."), Text::UnitMinutes);
    if (hours == 0) return m;
    return rest == 0 ? h : h + " " + m;
}

const std::string& ColumnSection::separator() {
    if (!separator_) separator_ = controls_.decimalSeparator();
    return *separator_;
}

ColumnSection::Reading ColumnSection::Read(std::string_view id, std::string_view problem,
                                           bool mark) {
    const std::string text = controls_.value(id);
    const std::optional<double> number =
        text.empty() ? std::nullopt : ReadPositive(text, separator());
    if (mark) controls_.setMark(id, (number || text.empty()) ? std::string_view() : problem);
    return {number, number ? std::string_view() : problem};
}

void ColumnSection::Restore() {
    for (const NumberBox& box : kNumberBoxes) {
        const std::string stored = controls_.value(box.id);
        const std::optional<double> number =
            stored.empty() ? std::nullopt : ReadPositive(stored, separator());
        controls_.setValue(box.id, number ? FormatNumber(*number, separator()) : std::string());
        if (box.id == kTankStart) tankStartFollowsInlet_ = !number;
    }
    controls_.setValue(kTankReflux, RefluxHeading(RefluxRatioHeaded(controls_.value(kTankReflux))));
}

void ColumnSection::Recalculated(const FormInputs& inputs, bool calculationFailed) {
    // Only numbers in range are copied, written as the window writes numbers: never a text
    // the calculation could not take.
    const Input& inlet = inputs[Box::Text2];
    inletText_ = inlet.inRange() ? FormatNumber(inlet.number, separator()) : std::string();
    const Input& load = inputs[Box::Text6];
    if (inputs.modes.given == Given::HeatLoad && load.inRange() && !calculationFailed) {
        copiedPower_ = FormatNumber(load.number, separator());
        controls_.setValue(kPanelPower, copiedPower_);
    }
    if (tankStartFollowsInlet_) controls_.setValue(kTankStart, inletText_);
}

void ColumnSection::PowerTyped() {
    copiedPower_.clear();
}

void ColumnSection::TankStartTyped() {
    tankStartFollowsInlet_ = controls_.value(kTankStart).empty();
    if (tankStartFollowsInlet_) controls_.setValue(kTankStart, inletText_);
}

std::optional<double> ColumnSection::tapFlow() {
    const std::string text = controls_.value(kTapFlow);
    return text.empty() ? std::nullopt : ReadPositive(text, separator());
}

std::optional<double> ColumnSection::heaterPower() {
    const std::string text = controls_.value(kPanelPower);
    return text.empty() ? std::nullopt : ReadPositive(text, separator());
}

std::vector<std::pair<std::string_view, std::string>> ColumnSection::Stored() const {
    std::vector<std::pair<std::string_view, std::string>> stored;
    for (const NumberBox& box : kNumberBoxes) {
        if (box.id == kTankStart && tankStartFollowsInlet_) continue;
        std::string text = controls_.value(box.id);
        if (!text.empty()) stored.emplace_back(box.id, std::move(text));
    }
    std::string reflux = controls_.value(kTankReflux);
    if (!RefluxRatioHeaded(reflux).number.empty()) {
        stored.emplace_back(kTankReflux, std::move(reflux));
    }
    return stored;
}

void ColumnSection::Show(const PanelBasis& basis) {
    controls_.setContent(kPanelPowerSource, copiedPower_.empty() ? std::string()
                                                                 : Fill(Text::ColumnPowerFromWindow,
                                                                        {{"power", copiedPower_}}));
    const Reading power = Read(kPower.id, Tr(kPower.problem), true);
    const Reading flow = Read(kFlow.id, Tr(kFlow.problem), true);
    const Reading hours = Read(kHours.id, Tr(kHours.problem), true);
    ShowTap(basis, power, flow);
    ShowRun(flow, hours);
    ShowTank(basis, power);
}

void ColumnSection::ShowTap(const PanelBasis& basis, const Reading& power, const Reading& flow) {
    const std::string_view reason = !basis.condenser ? std::string_view(basis.reason)
                                    : !power.number  ? power.problem
                                                     : flow.problem;
    if (!reason.empty()) {
        for (const std::string_view id : {kTapLoad, kTapOutlet, kTapReflux}) {
            controls_.setContent(id, kNoNumber);
        }
        controls_.setContent(kTapReason, reason);
        return;
    }
    const Condenser& condenser = *basis.condenser;
    const double p = *power.number;
    const double g = *flow.number;
    const double condensable = condenser.loadAtFlow(g);
    const double load = std::min(condensable, p);
    const double outlet = condenser.inletTemp + load / CapacityRate(g, condenser.specificHeatC);
    controls_.setContent(kTapLoad, FormatRounded(load, 0, separator()));
    controls_.setContent(kTapOutlet, FormatRounded(outlet, 1, separator()));
    controls_.setContent(kTapReflux,
                         condensable >= p
                             ? std::string(Tr(Text::FullReflux))
                             : FormatRounded(condensable / (p - condensable), 1, separator()));
    controls_.setContent(kTapReason, {});
}

void ColumnSection::ShowRun(const Reading& flow, const Reading& hours) {
    const std::string_view reason = !flow.number ? flow.problem : hours.problem;
    if (!reason.empty()) {
        controls_.setContent(kRunWater, kNoNumber);
        controls_.setContent(kRunReason, reason);
        return;
    }
    const double litres = *flow.number * kMinutesPerHour * *hours.number;
    // A flow and a time whose product no double holds have no number to show.
    if (!std::isfinite(litres)) {
        controls_.setContent(kRunWater, kNoNumber);
        controls_.setContent(kRunReason, Tr(Text::ColumnTooLarge));
        return;
    }
    controls_.setContent(kRunWater, FormatRounded(litres, 0, separator()));
    controls_.setContent(kRunReason, {});
}

void ColumnSection::ShowTank(const PanelBasis& basis, const Reading& power) {
    const Reading volume = Read(kVolume.id, Tr(kVolume.problem), true);
    const Reading start = Read(kStart.id, Tr(kStart.problem), true);
    const Reading pump = Read(kPump.id, Tr(kPump.problem), true);
    std::string reason = !basis.condenser ? basis.reason : std::string();
    for (const Reading* reading : {&power, &volume, &start, &pump}) {
        if (reason.empty() && !reading->number) reason = reading->problem;
    }
    const auto fail = [this](std::string_view limit, std::string_view time, std::string_view why) {
        controls_.setContent(kTankLimitTemp, limit);
        controls_.setContent(kTankTime, time);
        controls_.setDrawing(kTankChart, std::nullopt, Fill(Text::ColumnNoChart, {{"why", why}}));
        controls_.setContent(kTankReason, why);
    };
    if (!reason.empty()) return fail(kNoNumber, kNoNumber, reason);

    const Condenser& condenser = *basis.condenser;
    const RefluxRatio& ratio = RefluxRatioHeaded(controls_.value(kTankReflux));
    const double needed = RefluxLoad(*power.number, ratio.ratio);
    const double limit = condenser.inletTempForLoad(*pump.number, needed);
    const std::string& sep = separator();
    if (!(limit > *start.number)) {
        const std::string limitText =
            std::isfinite(limit) ? FormatRounded(limit, 1, sep) : std::string(kNoNumber);
        return fail(limitText, Tr(Text::ColumnTankFailsAtOnce),
                    Fill(Text::ColumnTankTooWarm, {{"start", FormatNumber(*start.number, sep)},
                                                   {"pump", FormatNumber(*pump.number, sep)},
                                                   {"load", FormatRounded(needed, 0, sep)}}));
    }
    const double seconds = TankHoldSeconds(limit, *start.number, *volume.number,
                                           condenser.specificHeatC, *power.number);
    const std::string limitText = FormatRounded(limit, 1, sep);
    // A tank so large that its time overflows a double has no time, and no chart, to show.
    if (!std::isfinite(seconds)) return fail(limitText, kNoNumber, Tr(Text::ColumnTooLarge));
    const std::string time = HoursAndMinutes(seconds);
    controls_.setContent(kTankLimitTemp, limitText);
    controls_.setContent(kTankTime, time);
    controls_.setDrawing(
        kTankChart, TankChart(*start.number, limit, seconds, sep),
        Fill(Text::ColumnTankChart,
             {{"start", FormatNumber(*start.number, sep)}, {"limit", limitText}, {"time", time}}));
    controls_.setContent(kTankReason, {});
}

}  // namespace dephlegmator
