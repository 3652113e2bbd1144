#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "design_panel.h"
#include "form_inputs.h"
#include "panel_settings.h"

namespace dephlegmator {

// The design panel's section «У колонны»: the questions of a running column. At the heater's
// power P: the load, outlet temperature and reflux ratio a tap's water flow gives; the water a
// run uses; and how long a cooling tank with a pump lasts before the dephlegmator can no longer
// condense the load that holds a reflux ratio. Every number rests on the panel's condenser
// (PanelBasis): the window's Tc and Tin, the surface, the panel's U and c.

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
    // each that reads as a positive number, rewritten with the regional separator, and empties
    // the rest; an unknown reflux choice becomes full reflux. A stored TankStart was typed by
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
    // that is not a positive number is marked; an empty one is not, its block's line asks for it.
    void Show(const PanelBasis& basis);

    // TapFlow when it holds a positive number: the chart keeps it on its flow axis.
    std::optional<double> tapFlow();
    // PanelPower when it holds a positive number: the panel's verdict is for it outside
    // heat-load mode.
    std::optional<double> heaterPower();
    // The texts to keep on this device, by id: every box that holds one but TankStart while it
    // follows Tin, and a reflux choice other than full reflux.
    std::vector<std::pair<std::string_view, std::string>> Stored() const;

  private:
    struct Reading {
        std::optional<double> number;
        std::string_view problem;  // when there is no number
    };
    const std::string& separator();
    Reading Read(std::string_view id, std::string_view problem, bool mark);
    void ShowTap(const PanelBasis& basis, const Reading& power, const Reading& flow);
    void ShowRun(const Reading& flow, const Reading& hours);
    void ShowTank(const PanelBasis& basis, const Reading& power);

    PanelControls& controls_;
    std::optional<std::string> separator_;
    bool tankStartFollowsInlet_ = true;
    std::string copiedPower_;  // PanelPower as copied from the window; "" once the user typed
    std::string inletText_;    // the window's Tin of the last recalculation; "" where out of range
};

}  // namespace dephlegmator
