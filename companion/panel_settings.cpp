#include "panel_settings.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calc_error.h"
#include "calculate.h"
#include "column_head.h"
#include "heat_exchanger.h"
#include "number_text.h"
#include "panel_texts.h"
#include "texts.h"

namespace dephlegmator {
namespace {

// The calibration boxes in the order they are checked, with what each needs.
struct CalibrationBox {
    std::string_view id;
    Text problem;
};
constexpr std::array<CalibrationBox, 3> kCalibrationBoxes{{
    {kCalibFlow, Text::SettingsEnterCalibFlow},
    {kCalibTin, Text::SettingsEnterCalibTin},
    {kCalibTout, Text::SettingsEnterCalibTout},
}};

// CalibFullReflux's value when checked.
constexpr std::string_view kChecked = "1";

// Whole numbers are written alike under every separator, so writing them never asks for it.
std::string Whole(double x) {
    return FormatNumber(x, ".");
}

const DeviceType* FindDevice(std::string_view id) {
    const auto* found = std::find_if(kDeviceTypes.begin(), kDeviceTypes.end(),
                                     [id](const DeviceType& device) { return device.id == id; });
    return found == kDeviceTypes.end() ? nullptr : found;
}

const DeviceType& Own() {
    return *FindDevice(kOwnDevice);
}

std::string RangeText(const DeviceType& device) {
    if (device.lowU == 0) return {};
    return Fill(Text::SettingsUsualRange,
                {{"low", Whole(device.lowU)}, {"high", Whole(device.highU)}});
}

}  // namespace

std::optional<double> ReadPositive(std::string_view text, std::string_view separator) {
    try {
        const TypedNumber typed = ReadTypedNumber(text, separator);
        if (typed.empty || !typed.whole || !std::isfinite(typed.value) || !(typed.value > 0)) {
            return std::nullopt;
        }
        return typed.value;
    } catch (const CalcError&) {  // beyond the range of doubles
        return std::nullopt;
    }
}

const std::string& DephlegmatorSettings::separator() {
    if (!separator_) separator_ = controls_.decimalSeparator();
    return *separator_;
}

std::optional<double> DephlegmatorSettings::ReadBox(std::string_view id, std::string_view problem) {
    const std::string text = controls_.value(id);
    std::optional<double> number = text.empty() ? std::nullopt : ReadPositive(text, separator());
    controls_.setMark(id, number ? std::string_view() : problem);
    return number;
}

void DephlegmatorSettings::ShowDevice(const DeviceType& device) {
    controls_.setValue(kDeviceType, device.id);
    controls_.setContent(kDeviceRange, RangeText(device));
}

void DephlegmatorSettings::ReadCoefficients() {
    const std::string_view uProblem = Tr(Text::SettingsEnterU);
    const std::string_view cProblem = Tr(Text::SettingsEnterC);
    const std::optional<double> u = ReadBox(kPanelU, uProblem);
    const std::optional<double> c = ReadBox(kPanelC, cProblem);
    if (u) coefficients_.heatTransferK = *u;
    if (c) coefficients_.specificHeatC = *c;
    coefficients_.problem = !u ? uProblem : !c ? cProblem : std::string_view();
}

void DephlegmatorSettings::Restore() {
    const auto restore = [this](std::string_view id, std::string_view fallback) {
        const std::string stored = controls_.value(id);
        const std::optional<double> number =
            stored.empty() ? std::nullopt : ReadPositive(stored, separator());
        controls_.setValue(id, number ? FormatNumber(*number, separator()) : fallback);
        controls_.setMark(id, {});
        return number;
    };
    const double u = restore(kPanelU, Whole(kHeatTransferKAtLoad)).value_or(kHeatTransferKAtLoad);
    const double c = restore(kPanelC, Whole(kSpecificHeatCAtLoad)).value_or(kSpecificHeatCAtLoad);
    for (const CalibrationBox& box : kCalibrationBoxes) restore(box.id, {});
    coefficients_ = {u, c, {}};
    controls_.setValue(kCalibFullReflux, controls_.value(kCalibFullReflux) == kChecked
                                             ? kChecked
                                             : std::string_view());
    ClearLosses();

    const DeviceType* device = FindDevice(controls_.value(kDeviceType));
    if (device == nullptr || (device->typicalU != 0 && device->typicalU != u)) {
        device = u == kHeatTransferKAtLoad ? &kDeviceTypes.front() : &Own();
    }
    ShowDevice(*device);
    const std::optional<double> calibrated = ReadPositive(controls_.value(kCalibU), ".");
    const bool whole =
        calibrated && *calibrated >= 1 && RoundDecimals(*calibrated, 0) == *calibrated;
    calibrated_ = whole ? Whole(*calibrated) : std::string();
    controls_.setContent(kCalibU, whole ? std::string_view(calibrated_) : kNoNumber);
    controls_.setContent(kCalibMessage, {});
    before_.reset();
    Forget();
}

void DephlegmatorSettings::ClearLosses() {
    losses_.reset();
    controls_.setContent(kCalibLosses, kNoNumber);
    controls_.setContent(kCalibLossesReason, {});
    controls_.setShown(kCalibTakeLosses, false);
}

void DephlegmatorSettings::ShowLosses(double flow, double tin, double tout,
                                      std::optional<double> heaterPower) {
    ClearLosses();
    if (controls_.value(kCalibFullReflux) != kChecked) return;
    if (!heaterPower) {
        controls_.setContent(kCalibLossesReason, Tr(Text::SettingsLossesNeedPower));
        return;
    }
    const double c = coefficients_.specificHeatC;
    const ColumnLosses losses = LossesFromFullRefluxRun(*heaterPower, flow, c, tin, tout);
    if (losses.fault != HeadFault::None) {
        const double carried = CapacityRate(flow, c) * (tout - tin);
        controls_.setContent(kCalibLossesReason,
                             Fill(Text::SettingsLossesNegative,
                                  {{"carried", FormatRounded(carried, 0, separator())},
                                   {"power", FormatNumber(*heaterPower, separator())}}));
        return;
    }
    losses_ = RoundDecimals(losses.watts, 0);
    controls_.setContent(kCalibLosses, Whole(*losses_));
    controls_.setShown(kCalibTakeLosses, true);
}

void DephlegmatorSettings::Forget() {
    pending_.reset();
    controls_.setShown(kCalibAccept, false);
    controls_.setShown(kCalibUndo, before_.has_value());
}

std::vector<std::pair<std::string_view, std::string>> DephlegmatorSettings::Stored() const {
    const std::array<std::pair<std::string_view, std::string>, 4 + kCalibrationBoxes.size()>
        defaults{{{kPanelU, Whole(kHeatTransferKAtLoad)},
                  {kPanelC, Whole(kSpecificHeatCAtLoad)},
                  {kDeviceType, std::string(kDeviceTypes.front().id)},
                  {kCalibFlow, {}},
                  {kCalibTin, {}},
                  {kCalibTout, {}},
                  {kCalibFullReflux, {}}}};
    std::vector<std::pair<std::string_view, std::string>> stored;
    for (const auto& [id, fallback] : defaults) {
        std::string text = controls_.value(id);
        if (text != fallback) stored.emplace_back(id, std::move(text));
    }
    if (!calibrated_.empty()) stored.emplace_back(kCalibU, calibrated_);
    return stored;
}

void DephlegmatorSettings::Reset() {
    controls_.setValue(kPanelU, Whole(kHeatTransferKAtLoad));
    controls_.setValue(kPanelC, Whole(kSpecificHeatCAtLoad));
    controls_.setMark(kPanelU, {});
    controls_.setMark(kPanelC, {});
    for (const CalibrationBox& box : kCalibrationBoxes) {
        controls_.setValue(box.id, {});
        controls_.setMark(box.id, {});
    }
    controls_.setValue(kCalibFullReflux, {});
    ClearLosses();
    ShowDevice(kDeviceTypes.front());
    controls_.setContent(kCalibU, kNoNumber);
    controls_.setContent(kCalibMessage, {});
    coefficients_ = {};
    calibrated_.clear();
    before_.reset();
    Forget();
}

void DephlegmatorSettings::DeviceTypeChanged() {
    const DeviceType* device = FindDevice(controls_.value(kDeviceType));
    if (device == nullptr) device = &Own();
    if (device->typicalU != 0) controls_.setValue(kPanelU, Whole(device->typicalU));
    ShowDevice(*device);
    ReadCoefficients();
    CalibrationEdited();
}

void DephlegmatorSettings::HeatTransferTyped() {
    ReadCoefficients();
    CalibrationEdited();
    const DeviceType* device = FindDevice(controls_.value(kDeviceType));
    const std::optional<double> u = ReadPositive(controls_.value(kPanelU), separator());
    if (device == nullptr || !u || device->typicalU != *u) ShowDevice(Own());
}

void DephlegmatorSettings::SpecificHeatTyped() {
    ReadCoefficients();
}

void DephlegmatorSettings::LanguageChanged() {
    if (const DeviceType* device = FindDevice(controls_.value(kDeviceType))) ShowDevice(*device);
    ReadCoefficients();
}

void DephlegmatorSettings::CalibrationEdited() {
    if (pending_) Forget();
}

void DephlegmatorSettings::Refuse(std::string_view box, std::string_view reason) {
    Forget();
    ClearLosses();
    if (!box.empty()) controls_.setMark(box, reason);
    controls_.setContent(kCalibU, kNoNumber);
    controls_.setContent(kCalibMessage, reason);
}

bool DephlegmatorSettings::Calibrate(const FormInputs& window, std::optional<double> heaterPower) {
    std::array<double, kCalibrationBoxes.size()> run{};
    std::string_view firstProblem;
    std::string_view firstBox;
    for (std::size_t i = 0; i < run.size(); ++i) {
        const CalibrationBox& box = kCalibrationBoxes.at(i);
        const std::optional<double> number = ReadBox(box.id, Tr(box.problem));
        if (number) run.at(i) = *number;
        if (!number && firstBox.empty()) {
            firstBox = box.id;
            firstProblem = Tr(box.problem);
        }
    }
    if (!firstBox.empty()) {
        Refuse(firstBox, firstProblem);
        return false;
    }
    for (const Box box : {Box::Text1, Box::Text3, Box::Text4, Box::Text5}) {
        if (window.used(box) && !window[box].inRange()) {
            Refuse({}, Fill(Text::SettingsWindowNeeded,
                            {{"reason", OutOfRangeReason(box, window, separator())}}));
            return false;
        }
    }
    const auto [flow, tin, tout] = run;
    const double tc = window[Box::Text1].number;
    if (!(tin < tout && tout < tc)) {
        Refuse(kCalibTout,
               Fill(Text::SettingsOutletNotBetween, {{"tin", FormatNumber(tin, separator())},
                                                     {"tc", FormatNumber(tc, separator())}}));
        return false;
    }
    double u = 0;
    try {
        u = HeatTransferFromRun(flow, coefficients_.specificHeatC, SurfaceAreaM2(window), tc, tin,
                                tout);
    } catch (const CalcError&) {
        u = NAN;
    }
    const double shown = RoundDecimals(u, 0);
    if (!std::isfinite(shown) || !(shown >= 1)) {
        Refuse({}, Tr(Text::SettingsNoCoefficient));
        return false;
    }

    ShowLosses(flow, tin, tout, heaterPower);
    const std::string text = Whole(shown);
    controls_.setContent(kCalibU, text);
    if (shown < kUsualLowU || shown > kUsualHighU) {
        const std::string previous = controls_.value(kPanelU);
        Forget();
        pending_ = shown;
        controls_.setShown(kCalibAccept, true);
        controls_.setContent(kCalibMessage,
                             Fill(Text::SettingsCalibrationPending, {{"u", text},
                                                                     {"low", Whole(kUsualLowU)},
                                                                     {"high", Whole(kUsualHighU)},
                                                                     {"previous", previous}}));
        return false;
    }
    Apply(shown);
    controls_.setContent(kCalibMessage, Fill(Text::SettingsCalibrated, {{"u", text}}));
    return true;
}

void DephlegmatorSettings::Apply(double u) {
    before_ = Before{controls_.value(kPanelU), controls_.value(kDeviceType)};
    calibrated_ = Whole(u);
    controls_.setContent(kCalibU, calibrated_);
    controls_.setValue(kPanelU, calibrated_);
    ShowDevice(Own());
    ReadCoefficients();
    Forget();
}

bool DephlegmatorSettings::AcceptCalibration() {
    if (!pending_) return false;
    const double u = *pending_;
    Apply(u);
    controls_.setContent(
        kCalibMessage,
        Fill(Text::SettingsCalibratedUnusual,
             {{"u", calibrated_}, {"low", Whole(kUsualLowU)}, {"high", Whole(kUsualHighU)}}));
    return true;
}

bool DephlegmatorSettings::UndoCalibration() {
    if (!before_) return false;
    const Before before = *std::exchange(before_, std::nullopt);
    controls_.setValue(kPanelU, before.u);
    const DeviceType* device = FindDevice(before.device);
    ShowDevice(device != nullptr ? *device : Own());
    ReadCoefficients();
    Forget();
    controls_.setContent(kCalibMessage, Fill(Text::SettingsCalibrationUndone, {{"u", before.u}}));
    return true;
}

}  // namespace dephlegmator
