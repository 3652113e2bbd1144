#include "column_section.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "heat_exchanger.h"
#include "number_text.h"
#include "panel_texts.h"
#include "tank_chart.h"

namespace dephlegmator {
namespace {

// The section's boxes with what each needs, in the order of the page.
struct NumberBox {
    std::string_view id;
    std::string_view problem;
};
constexpr NumberBox kPower{kPanelPower, "Введите мощность нагрева, Вт — число больше нуля."};
constexpr NumberBox kFlow{kTapFlow, "Введите расход воды из крана, л/мин — число больше нуля."};
constexpr NumberBox kHours{kRunHours, "Введите время перегонки, ч — число больше нуля."};
constexpr NumberBox kVolume{kTankVolume, "Введите объём бака, л — число больше нуля."};
constexpr NumberBox kStart{kTankStart,
                           "Введите температуру воды в баке в начале, °С — число больше нуля."};
constexpr NumberBox kPump{kPumpFlow, "Введите расход насоса, л/мин — число больше нуля."};
constexpr std::array<NumberBox, 6> kNumberBoxes{kPower, kFlow, kHours, kVolume, kStart, kPump};

constexpr double kSecondsPerMinute = 60;
constexpr double kMinutesPerHour = 60;

const RefluxRatio& TankRatio(std::string_view heading) {
    const auto* found =
        std::find_if(kRefluxRatios.begin(), kRefluxRatios.end(),
                     [heading](const RefluxRatio& row) { return row.heading == heading; });
    return found == kRefluxRatios.end() ? kRefluxRatios.back() : *found;
}

}  // namespace

std::string HoursAndMinutes(double seconds) {
    const double minutes = RoundDecimals(seconds / kSecondsPerMinute, 0);
    const double hours = std::floor(minutes / kMinutesPerHour);
    const double rest = minutes - hours * kMinutesPerHour;
    std::string h = FormatNumber(hours, ".") + " ч";
    std::string m = FormatNumber(rest, ".") + " мин";
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
    controls_.setValue(kTankReflux, TankRatio(controls_.value(kTankReflux)).heading);
}

void ColumnSection::Recalculated(const FormInputs& inputs) {
    // Only numbers in range are copied, written as the window writes numbers: never a text
    // the calculation could not take.
    const Input& inlet = inputs[Box::Text2];
    inletText_ = inlet.inRange() ? FormatNumber(inlet.number, separator()) : std::string();
    const Input& load = inputs[Box::Text6];
    if (inputs.modes.given == Given::HeatLoad && load.inRange()) {
        controls_.setValue(kPanelPower, FormatNumber(load.number, separator()));
    }
    if (tankStartFollowsInlet_) controls_.setValue(kTankStart, inletText_);
}

void ColumnSection::TankStartTyped() {
    tankStartFollowsInlet_ = controls_.value(kTankStart).empty();
    if (tankStartFollowsInlet_) controls_.setValue(kTankStart, inletText_);
}

std::optional<double> ColumnSection::tapFlow() {
    const std::string text = controls_.value(kTapFlow);
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
    if (reflux != kRefluxRatios.back().heading) stored.emplace_back(kTankReflux, std::move(reflux));
    return stored;
}

void ColumnSection::Show(const PanelBasis& basis) {
    const Reading power = Read(kPower.id, kPower.problem, true);
    const Reading flow = Read(kFlow.id, kFlow.problem, true);
    const Reading hours = Read(kHours.id, kHours.problem, true);
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
                             ? std::string(kAllReflux)
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
    controls_.setContent(kRunWater, FormatRounded(litres, 0, separator()));
    controls_.setContent(kRunReason, {});
}

void ColumnSection::ShowTank(const PanelBasis& basis, const Reading& power) {
    const Reading volume = Read(kVolume.id, kVolume.problem, true);
    const Reading start = Read(kStart.id, kStart.problem, true);
    const Reading pump = Read(kPump.id, kPump.problem, true);
    std::string reason = !basis.condenser ? basis.reason : std::string();
    for (const Reading* reading : {&power, &volume, &start, &pump}) {
        if (reason.empty() && !reading->number) reason = reading->problem;
    }
    const auto fail = [this](std::string_view limit, std::string_view time, std::string_view why) {
        controls_.setContent(kTankLimitTemp, limit);
        controls_.setContent(kTankTime, time);
        controls_.setDrawing(kTankChart, {}, "График не построен. " + std::string(why));
        controls_.setContent(kTankReason, why);
    };
    if (!reason.empty()) return fail(kNoNumber, kNoNumber, reason);

    const Condenser& condenser = *basis.condenser;
    const RefluxRatio& ratio = TankRatio(controls_.value(kTankReflux));
    const double needed = RefluxLoad(*power.number, ratio.ratio);
    const double limit = condenser.inletTempForLoad(*pump.number, needed);
    const std::string& sep = separator();
    if (!(limit > *start.number)) {
        const std::string limitText =
            std::isfinite(limit) ? FormatRounded(limit, 1, sep) : std::string(kNoNumber);
        return fail(limitText, kTankFailsAtOnce,
                    "Уже при " + FormatNumber(*start.number, sep) + " °С насос на " +
                        FormatNumber(*pump.number, sep) +
                        " л/мин не даёт дефлегматору "
                        "сконденсировать нужные " +
                        FormatRounded(needed, 0, sep) +
                        " Вт. Увеличьте расход насоса или поверхность дефлегматора, или "
                        "уменьшите мощность нагрева.");
    }
    const double seconds = TankHoldSeconds(limit, *start.number, *volume.number,
                                           condenser.specificHeatC, *power.number);
    const std::string limitText = FormatRounded(limit, 1, sep);
    const std::string time = HoursAndMinutes(seconds);
    controls_.setContent(kTankLimitTemp, limitText);
    controls_.setContent(kTankTime, time);
    controls_.setDrawing(kTankChart, TankChartMarkup(*start.number, limit, seconds, sep),
                         "График: температура воды в баке растёт от " +
                             FormatNumber(*start.number, sep) + " °С до предела " + limitText +
                             " °С за " + time + ".");
    controls_.setContent(kTankReason, {});
}

}  // namespace dephlegmator
