#include "column_section.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calc_error.h"
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
constexpr NumberBox kLosses{kPanelLosses, Text::ColumnEnterLosses};  // 0 or more
constexpr NumberBox kCollect{kCollectVolume, Text::ColumnEnterCollect};
constexpr NumberBox kMeasured{kMeasuredTakeOff, Text::ColumnEnterTakeOff};
constexpr std::array<NumberBox, 9> kNumberBoxes{kPower, kLosses, kFlow,  kCollect, kMeasured,
                                                kHours, kVolume, kStart, kPump};
// What PanelLosses holds until the user gives the column's losses.
constexpr std::string_view kNoLosses = "0";

// The tap's results, «—» together where the tap has none.
constexpr std::array<std::string_view, 10> kTapResults{
    kTapLoad,     kTapOutlet,        kTapReflux,         kTapTakeOff,         kTakeOffStrength,
    kCollectTime, kTapRefluxLowFlow, kTapRefluxHighFlow, kTapRefluxColdWater, kTapRefluxWarmWater};

// A number of 0 or more as the section's boxes read: ReadPositive, and zero.
std::optional<double> ReadNotNegative(std::string_view text, std::string_view separator) {
    if (const std::optional<double> positive = ReadPositive(text, separator)) return positive;
    try {
        const TypedNumber typed = ReadTypedNumber(text, separator);
        if (!typed.empty && typed.whole && typed.value == 0) return 0.0;
    } catch (const CalcError&) {  // beyond the range of doubles
    }
    return std::nullopt;
}

// The number a box of the section holds, none for an empty box: above 0, or 0 too where the box
// takes it (the losses).
std::optional<double> BoxNumber(std::string_view text, bool zeroAllowed,
                                std::string_view separator) {
    return zeroAllowed ? ReadNotNegative(text, separator) : ReadPositive(text, separator);
}

// The reflux ratio of a balance as the section shows it: 1 decimal, «полная флегма», or «—"
// where there is no balance or its ratio is beyond a double.
std::string RatioText(const TapBalance& balance, std::string_view separator) {
    if (balance.fault != HeadFault::None) return std::string(kNoNumber);
    if (balance.refluxRatio == kFullReflux) return std::string(Tr(Text::FullReflux));
    if (!std::isfinite(balance.refluxRatio)) return std::string(kNoNumber);
    return FormatRounded(balance.refluxRatio, 1, separator);
}

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

ColumnSection::Reading ColumnSection::Read(std::string_view id, std::string_view problem, bool mark,
                                           bool zeroAllowed) {
    const std::string text = controls_.value(id);
    const std::optional<double> number = BoxNumber(text, zeroAllowed, separator());
    if (mark) controls_.setMark(id, (number || text.empty()) ? std::string_view() : problem);
    return {number, number ? std::string_view() : problem};
}

void ColumnSection::Restore() {
    for (const NumberBox& box : kNumberBoxes) {
        const bool losses = box.id == kPanelLosses;
        const std::string stored = controls_.value(box.id);
        const std::optional<double> number = BoxNumber(stored, losses, separator());
        controls_.setValue(box.id, number   ? FormatNumber(*number, separator())
                                   : losses ? std::string(kNoLosses)
                                            : std::string());
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

std::optional<double> ColumnSection::losses() {
    return BoxNumber(controls_.value(kPanelLosses), true, separator());
}

void ColumnSection::SetLosses(double watts) {
    controls_.setValue(kPanelLosses, FormatRounded(watts, 0, separator()));
}

std::vector<std::pair<std::string_view, std::string>> ColumnSection::Stored() const {
    std::vector<std::pair<std::string_view, std::string>> stored;
    for (const NumberBox& box : kNumberBoxes) {
        if (box.id == kTankStart && tankStartFollowsInlet_) continue;
        std::string text = controls_.value(box.id);
        if (box.id == kPanelLosses && text == kNoLosses) continue;
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
    // Whole numbers: written alike under every separator.
    controls_.setContent(
        kPanelLossesHint,
        Fill(Text::ColumnLossesHint, {{"insulated", FormatNumber(kInsulatedLossPerMetre, ".")},
                                      {"bare", FormatNumber(kBareCopperLossPerMetre, ".")},
                                      {"excess", FormatNumber(kLossHintExcessK, ".")}}));
    const Reading power = Read(kPower.id, Tr(kPower.problem), true);
    const Reading losses = Read(kLosses.id, Tr(kLosses.problem), true, true);
    const Reading flow = Read(kFlow.id, Tr(kFlow.problem), true);
    const Reading hours = Read(kHours.id, Tr(kHours.problem), true);
    Head head;
    if (!basis.condenser) {
        head.reason = basis.reason;
    } else if (!power.number) {
        head.reason = power.problem;
    } else if (!losses.number) {
        head.reason = losses.problem;
    } else if (const ColumnHead column{*basis.condenser, *power.number, *losses.number};
               !(column.vapourPower() > 0)) {
        head.reason =
            Fill(Text::ColumnNoVapour, {{"losses", FormatNumber(*losses.number, separator())},
                                        {"power", FormatNumber(*power.number, separator())}});
    } else {
        head.head = column;
    }
    ShowTap(head, flow);
    ShowRun(flow, hours);
    ShowMeasured(head);
    ShowTank(head);
}

std::string ColumnSection::VapourReason(HeadFault fault, double tc) {
    switch (fault) {
        case HeadFault::None:
            return {};
        case HeadFault::VapourAboveTable:
            return Fill(Text::ColumnVapourAboveTable, {{"tc", FormatNumber(tc, separator())}});
        case HeadFault::VapourTooWeak:
            return Fill(Text::ColumnVapourTooWeak,
                        {{"tc", FormatNumber(tc, separator())},
                         {"weakest", FormatNumber(kWeakestStrength, separator())}});
        default:  // the section checks the rest before it asks for a balance
            return std::string(Tr(Text::ColumnTooLarge));
    }
}

void ColumnSection::ShowTap(const Head& head, const Reading& flow) {
    const std::string reason = !head.head ? head.reason : std::string(flow.problem);
    // The volume to collect is marked whether or not the tap has a take-off.
    const Reading collect = Read(kCollect.id, Tr(kCollect.problem), true);
    if (!reason.empty()) {
        for (const std::string_view id : kTapResults) controls_.setContent(id, kNoNumber);
        controls_.setContent(kTapReason, reason);
        controls_.setContent(kTapSensitivity, {});
        controls_.setContent(kCollectReason, {});
        return;
    }
    const Condenser& condenser = head.head->condenser;
    const double g = *flow.number;
    const std::string& sep = separator();
    const TapBalance balance = BalanceAtFlow(*head.head, g);
    const double outlet =
        condenser.inletTemp + balance.load / CapacityRate(g, condenser.specificHeatC);
    controls_.setContent(kTapLoad, FormatRounded(balance.load, 0, sep));
    controls_.setContent(kTapOutlet, FormatRounded(outlet, 1, sep));
    controls_.setContent(kTapReflux, RatioText(balance, sep));
    const TakeOff& takeOff = balance.takeOff;
    const bool known = takeOff.fault == HeadFault::None && std::isfinite(takeOff.mlPerHour);
    controls_.setContent(kTapTakeOff,
                         known ? FormatRounded(takeOff.mlPerHour, 0, sep) : std::string(kNoNumber));
    controls_.setContent(kTakeOffStrength, takeOff.vapour.known()
                                               ? FormatRounded(takeOff.vapour.volumePercent, 1, sep)
                                               : std::string(kNoNumber));
    controls_.setContent(kTapReason, known || takeOff.fault != HeadFault::None
                                         ? VapourReason(takeOff.fault, condenser.condensationTemp)
                                         : std::string(Tr(Text::ColumnTooLarge)));
    if (known) {
        const CollectionTime time = collect.number ? TimeToCollect(*collect.number, takeOff)
                                                   : CollectionTime{HeadFault::VolumeNotPositive};
        const std::string why =
            !collect.number                      ? std::string(collect.problem)
            : time.fault == HeadFault::NoTakeOff ? std::string(Tr(Text::ColumnNoTakeOff))
            : !std::isfinite(time.seconds)       ? std::string(Tr(Text::ColumnTooLarge))
                                                 : std::string();
        controls_.setContent(kCollectTime,
                             why.empty() ? HoursAndMinutes(time.seconds) : std::string(kNoNumber));
        controls_.setContent(kCollectReason, why);
    } else {
        controls_.setContent(kCollectTime, kNoNumber);
        controls_.setContent(kCollectReason, {});
    }
    ShowSensitivity(*head.head, g);
}

void ColumnSection::ShowSensitivity(const ColumnHead& head, double flow) {
    const std::string& sep = separator();
    const RefluxSensitivity s = SensitivityAtFlow(head, flow);
    const std::array<std::pair<std::string_view, const TapBalance*>, 4> cells{{
        {kTapRefluxLowFlow, &s.lowFlow},
        {kTapRefluxHighFlow, &s.highFlow},
        {kTapRefluxColdWater, &s.colderInlet},
        {kTapRefluxWarmWater, &s.warmerInlet},
    }};
    std::array<std::string, 4> shown;
    bool numbers = true;  // every cell a ratio, but an inlet out of range
    for (std::size_t i = 0; i < cells.size(); ++i) {
        shown.at(i) = RatioText(*cells.at(i).second, sep);
        controls_.setContent(cells.at(i).first, shown.at(i));
        numbers &=
            shown.at(i) != kNoNumber || cells.at(i).second->fault == HeadFault::InletOutOfRange;
    }
    const std::string share = FormatNumber(kFlowShare * 100, sep);
    const std::string shift = FormatNumber(kInletShiftK, sep);
    const bool inletOut = s.colderInlet.fault == HeadFault::InletOutOfRange ||
                          s.warmerInlet.fault == HeadFault::InletOutOfRange;
    controls_.setContent(
        kTapSensitivity,
        !numbers ? std::string(Tr(Text::ColumnTooLarge))
        : inletOut
            ? Fill(Text::ColumnSensitivityInletOut,
                   {{"share", share}, {"low", shown[0]}, {"high", shown[1]}, {"shift", shift}})
            : Fill(Text::ColumnSensitivity, {{"share", share},
                                             {"low", shown[0]},
                                             {"high", shown[1]},
                                             {"shift", shift},
                                             {"cold", shown[2]},
                                             {"warm", shown[3]}}));
}

void ColumnSection::ShowMeasured(const Head& head) {
    const Reading measured = Read(kMeasured.id, Tr(kMeasured.problem), true);
    const auto fail = [this](std::string_view why) {
        for (const std::string_view id : {kMeasuredReflux, kMeasuredLoad, kMeasuredFlow}) {
            controls_.setContent(id, kNoNumber);
        }
        controls_.setContent(kMeasuredReason, why);
    };
    if (!head.head) return fail(head.reason);
    if (!measured.number) return fail(measured.problem);
    const std::string& sep = separator();
    const ColumnHead& column = *head.head;
    const double tc = column.condenser.condensationTemp;
    const double takeOff = *measured.number;
    const MeasuredReflux reflux = RefluxFromTakeOff(column, takeOff);
    if (reflux.fault == HeadFault::TakeOffAboveVapour) {
        return fail(Fill(Text::ColumnTakeOffAboveVapour,
                         {{"takeOff", FormatNumber(takeOff, sep)},
                          {"heat", FormatRounded(reflux.takeOffHeat, 0, sep)},
                          {"vapour", FormatRounded(column.vapourPower(), 0, sep)}}));
    }
    if (reflux.fault != HeadFault::None) return fail(VapourReason(reflux.fault, tc));
    if (!std::isfinite(reflux.refluxRatio)) return fail(Tr(Text::ColumnTooLarge));
    controls_.setContent(kMeasuredReflux, FormatRounded(reflux.refluxRatio, 1, sep));
    controls_.setContent(kMeasuredLoad, FormatRounded(reflux.load, 0, sep));
    if (reflux.flowFault == HeadFault::BeyondSurface) {
        controls_.setContent(kMeasuredFlow, kNoNumber);
        controls_.setContent(kMeasuredReason,
                             Fill(Text::ColumnBeyondSurface,
                                  {{"load", FormatRounded(reflux.load, 0, sep)},
                                   {"limit", FormatRounded(column.condenser.maxLoad(), 0, sep)}}));
        return;
    }
    controls_.setContent(kMeasuredFlow, PanelFlowText(reflux.flow, sep));
    controls_.setContent(kMeasuredReason, {});
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

void ColumnSection::ShowTank(const Head& head) {
    const Reading volume = Read(kVolume.id, Tr(kVolume.problem), true);
    const Reading start = Read(kStart.id, Tr(kStart.problem), true);
    const Reading pump = Read(kPump.id, Tr(kPump.problem), true);
    std::string reason = head.reason;
    for (const Reading* reading : {&volume, &start, &pump}) {
        if (reason.empty() && !reading->number) reason = reading->problem;
    }
    const auto fail = [this](std::string_view limit, std::string_view time, std::string_view why) {
        controls_.setContent(kTankLimitTemp, limit);
        controls_.setContent(kTankTime, time);
        controls_.setDrawing(kTankChart, std::nullopt, Fill(Text::ColumnNoChart, {{"why", why}}));
        controls_.setContent(kTankReason, why);
    };
    if (!reason.empty()) return fail(kNoNumber, kNoNumber, reason);

    // The tank takes the heat of the vapour; what the column loses goes to the room.
    const Condenser& condenser = head.head->condenser;
    const double vapour = head.head->vapourPower();
    const RefluxRatio& ratio = RefluxRatioHeaded(controls_.value(kTankReflux));
    const double needed = RefluxLoad(vapour, ratio.ratio);
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
    const double seconds =
        TankHoldSeconds(limit, *start.number, *volume.number, condenser.specificHeatC, vapour);
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
