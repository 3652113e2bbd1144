#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "column_head.h"
#include "design_panel.h"
#include "form_inputs.h"
#include "panel_settings.h"

namespace dephlegmator {

// The design panel's section «У колонны»: the questions of a running column. At the heater's
// power P less the column's heat losses, P_v = P − P_loss (column_head.h): the load, outlet
// temperature, reflux ratio, take-off and its strength a tap's water flow gives, how R moves
// with that flow and with the water's temperature, and how long a volume takes to collect; the
// reflux ratio, load and water flow a measured take-off means; the water a run uses; and how long
// a cooling tank with a pump lasts before the dephlegmator can no longer condense the load that
// holds a reflux ratio. Every number rests on the panel's condenser (PanelBasis): the window's Tc
// and Tin, the surface, the panel's U and c.

// The section's elements, by id.
inline constexpr std::string_view kPanelPower = "PanelPower";
inline constexpr std::string_view kPanelPowerSource = "PanelPowerSource";
inline constexpr std::string_view kTapFlow = "TapFlow";
inline constexpr std::string_view kTapLoad = "TapLoad";
inline constexpr std::string_view kTapOutlet = "TapOutlet";
inline constexpr std::string_view kTapReflux = "TapReflux";
inline constexpr std::string_view kTapReason = "TapReason";
inline constexpr std::string_view kRunHours = "RunHours";
inline constexpr std::string_view kRunWater = "RunWater";
inline constexpr std::string_view kRunReason = "RunReason";
inline constexpr std::string_view kTankVolume = "TankVolume";
inline constexpr std::string_view kTankStart = "TankStart";
inline constexpr std::string_view kPumpFlow = "PumpFlow";
inline constexpr std::string_view kTankReflux = "TankReflux";
inline constexpr std::string_view kTankLimitTemp = "TankLimitTemp";
inline constexpr std::string_view kTankTime = "TankTime";
inline constexpr std::string_view kTankChart = "TankChart";
inline constexpr std::string_view kTankReason = "TankReason";
inline constexpr std::string_view kPanelLosses = "PanelLosses";  // W, 0 or more; "0" at first
inline constexpr std::string_view kPanelLossesHint = "PanelLossesHint";
inline constexpr std::string_view kTapTakeOff = "TapTakeOff";            // ml/h
inline constexpr std::string_view kTakeOffStrength = "TakeOffStrength";  // % vol at 20 °C
inline constexpr std::string_view kCollectVolume = "CollectVolume";      // l
inline constexpr std::string_view kCollectTime = "CollectTime";
inline constexpr std::string_view kCollectReason = "CollectReason";
inline constexpr std::string_view kTapRefluxLowFlow = "TapRefluxLowFlow";      // R at 0.9 G
inline constexpr std::string_view kTapRefluxHighFlow = "TapRefluxHighFlow";    // R at 1.1 G
inline constexpr std::string_view kTapRefluxColdWater = "TapRefluxColdWater";  // Tin − 5 K
inline constexpr std::string_view kTapRefluxWarmWater = "TapRefluxWarmWater";  // Tin + 5 K
inline constexpr std::string_view kTapSensitivity = "TapSensitivity";          // the sentence
inline constexpr std::string_view kMeasuredTakeOff = "MeasuredTakeOff";        // ml/h
inline constexpr std::string_view kMeasuredReflux = "MeasuredReflux";
inline constexpr std::string_view kMeasuredLoad = "MeasuredLoad";  // W
inline constexpr std::string_view kMeasuredFlow = "MeasuredFlow";  // l/min
inline constexpr std::string_view kMeasuredReason = "MeasuredReason";

// TapReflux shows «полная флегма» (Text::FullReflux) where the tap's water condenses all the
// vapour, and TankTime «бак не справится с самого начала» (Text::ColumnTankFailsAtOnce) where
// the tank is too warm from the start.

// A duration as the section writes it, to the nearest minute: 15 379 s → «4 ч 16 мин»,
// 600 s → «10 мин», 7200 s → «2 ч»; in English "4 h 16 min", "10 min", "2 h".
std::string HoursAndMinutes(double seconds);

class ColumnSection {
  public:
    explicit ColumnSection(PanelControls& controls) : controls_(controls) {}

    // At start, with the texts stored on this device (or nothing) in the section's boxes: keeps
    // each that reads as a positive number (PanelLosses: 0 or more), rewritten with the regional
    // separator, and empties the rest (PanelLosses: "0"); an unknown reflux choice becomes full
    // reflux. A stored TankStart was typed by
    // the user, so it no longer follows the window's Tin.
    void Restore();
    // After a recalculation that read `inputs`: copies the given heat load into PanelPower in
    // heat-load mode when the calculation took it (not `calculationFailed`), for Show to say so
    // in PanelPowerSource («из окна, 2000 Вт»); and the inlet temperature into TankStart
    // until the user types one, when the window can take it (TankStart is emptied otherwise).
    // A load the calculation refused is never copied: PanelPower keeps what it had.
    void Recalculated(const FormInputs& inputs, bool calculationFailed);
    // The user has changed PanelPower: the value is theirs, and PanelPowerSource says nothing
    // from the next Show on.
    void PowerTyped();
    // The user has changed TankStart: it keeps what was typed, or, emptied, follows Tin again.
    void TankStartTyped();
    // Shows every result for the boxes as they stand and the panel's condenser: a number, or
    // «—» with one line saying why; and where PanelPower came from, in the current language. A box
    // that is not a positive number (PanelLosses: 0 or more) is marked; an empty one is not, its
    // block's line asks for it. Losses that take the whole heater power leave no number resting
    // on the vapour. Example: 78 °C, 15 °C, 100 cm × 5 cm, U 680, c 3760, 2000 W, no losses, tap
    // 0.3 l/min → R "1.4", take-off "4036" ml/h, strength "97.2" % vol; measured 2462 ml/h → R
    // "3", load "1500" W, flow "0.38" l/min.
    void Show(const PanelBasis& basis);
    // The calibration's losses taken into PanelLosses, whole watts.
    void SetLosses(double watts);

    // TapFlow when it holds a positive number: the chart keeps it on its flow axis.
    std::optional<double> tapFlow();
    // PanelPower when it holds a positive number: the panel's verdict is for it outside
    // heat-load mode.
    std::optional<double> heaterPower();
    // PanelLosses when it holds a number of 0 or more: the reflux table takes it off the heat load.
    std::optional<double> losses();
    // The texts to keep on this device, by id: every box that holds one but TankStart while it
    // follows Tin, and a reflux choice other than full reflux.
    std::vector<std::pair<std::string_view, std::string>> Stored() const;

  private:
    struct Reading {
        std::optional<double> number;
        std::string_view problem;  // when there is no number
    };
    // The head the section's numbers rest on, or why there is none.
    struct Head {
        std::optional<ColumnHead> head;
        std::string reason;
    };
    const std::string& separator();
    Reading Read(std::string_view id, std::string_view problem, bool mark,
                 bool zeroAllowed = false);
    std::string VapourReason(HeadFault fault, double tc);
    void ShowTap(const Head& head, const Reading& flow);
    void ShowSensitivity(const ColumnHead& head, double flow);
    void ShowMeasured(const Head& head);
    void ShowRun(const Reading& flow, const Reading& hours);
    void ShowTank(const Head& head);

    PanelControls& controls_;
    std::optional<std::string> separator_;
    bool tankStartFollowsInlet_ = true;
    std::string copiedPower_;  // PanelPower as copied from the window; "" once the user typed
    std::string inletText_;    // the window's Tin of the last recalculation; "" where out of range
};

}  // namespace dephlegmator
