#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "design_panel.h"
#include "form_inputs.h"
#include "texts.h"

namespace dephlegmator {

// The design panel's section «Ваш дефлегматор»: the heat-transfer coefficient U and the water's
// heat capacity c that every number of the panel uses, a device type that sets a typical U, and
// U calibrated from a run measured on the user's own column. The window's own calculation keeps
// its constants; only the panel takes these.

// The section's elements, by id.
inline constexpr std::string_view kPanelU = "PanelU";
inline constexpr std::string_view kPanelC = "PanelC";
inline constexpr std::string_view kDeviceType = "DeviceType";
inline constexpr std::string_view kDeviceRange = "DeviceRange";
inline constexpr std::string_view kCalibFlow = "CalibFlow";
inline constexpr std::string_view kCalibTin = "CalibTin";
inline constexpr std::string_view kCalibTout = "CalibTout";
inline constexpr std::string_view kCalibU = "CalibU";
inline constexpr std::string_view kCalibMessage = "CalibMessage";
inline constexpr std::string_view kCalibAccept = "CalibAccept";  // «Всё равно принять»
inline constexpr std::string_view kCalibUndo = "CalibUndo";  // «Вернуть прежний U»
// A checkbox: the run was at full reflux with the heater at PanelPower. Its value is "1" when
// checked, "" otherwise.
inline constexpr std::string_view kCalibFullReflux = "CalibFullReflux";
inline constexpr std::string_view kCalibLosses = "CalibLosses";  // W, whole
inline constexpr std::string_view kCalibLossesReason = "CalibLossesReason";
inline constexpr std::string_view kCalibTakeLosses = "CalibTakeLosses";  // «Взять в потери»

// A kind of dephlegmator and its typical U, with the usual range where the sources give one.
struct DeviceType {
    std::string_view id;  // the choice's value
    Text caption;         // what the choice shows
    double typicalU;      // W/(m²·K); 0 for a U of the user's own
    double lowU, highU;   // the usual range; 0 where there is none
};
inline constexpr std::array<DeviceType, 5> kDeviceTypes{{
    {"window", Text::DeviceWindow, kHeatTransferKAtLoad, 0, 0},
    {"jacket", Text::DeviceJacket, 350, 300, 450},
    {"shell", Text::DeviceShell, 500, 300, 600},
    {"coil", Text::DeviceCoil, 1000, 800, 1250},
    {"own", Text::DeviceOwn, 0, 0, 0},
}};
inline constexpr std::string_view kOwnDevice = "own";

// A calibrated U outside this range usually means a measuring error: it is shown with a warning
// and applied only when the user confirms it.
inline constexpr double kUsualLowU = 100;
inline constexpr double kUsualHighU = 3000;

// What the section reads and writes on the page: its elements by id, texts in UTF-8.
class PanelControls {
  public:
    virtual ~PanelControls() = default;
    // The text of an input box, or the value of a choice.
    virtual std::string value(std::string_view id) const = 0;
    virtual void setValue(std::string_view id, std::string_view text) = 0;
    // The text an output element shows.
    virtual void setContent(std::string_view id, std::string_view text) = 0;
    // Marks an input box as holding what cannot be taken, as the window's boxes are marked;
    // "" removes the mark.
    virtual void setMark(std::string_view id, std::string_view problem) = 0;
    // Has a drawing show `chart` (none: nothing), and a screen reader call it `name`.
    virtual void setDrawing(std::string_view id, std::optional<Chart> chart,
                            std::string_view name) = 0;
    // Shows or hides an element.
    virtual void setShown(std::string_view id, bool shown) = 0;
    // The regional decimal separator. Asked only when a number is read or written with a
    // fraction, since a browser sets its number formats up slowly on first use.
    virtual std::string decimalSeparator() const = 0;
};

// A positive number as a box of this section reads: the window's reading rules (either decimal
// separator, blanks of grouped numbers), the number taking the whole text, finite and above 0.
// Examples with separator ",": "350" → 350; "4,18e3" → 4180; "0", "-5", "abc", "1E400", "" →
// none.
std::optional<double> ReadPositive(std::string_view text, std::string_view separator);

// The section's behaviour over its elements. Its handlers run on the page's events; after each,
// coefficients() is what the panel must be built with.
class DephlegmatorSettings {
  public:
    explicit DephlegmatorSettings(PanelControls& controls) : controls_(controls) {}

    // At start, with the texts stored on this device (or nothing) in the section's inputs: keeps
    // each that reads as a positive number, rewritten with the regional separator, and puts the
    // default in place of every other (U 680, c 3760, calibration boxes empty). A stored device
    // type that is unknown, or whose typical U is not the stored U, becomes «свой», or «как в
    // окне» where U is the window's. CalibU shows the last applied calibration's U as stored,
    // when it reads as a whole number of at least 1, and «—» otherwise.
    void Restore();
    // «Сбросить»: U 680, c 3760, «как в окне», the calibration boxes and its result empty, and
    // nothing to confirm or restore.
    void Reset();
    // A device type was chosen: its typical U replaces the panel's, with its range beside it.
    // «свой» keeps the U there is.
    void DeviceTypeChanged();
    // The user has typed a U: the choice becomes «свой» unless U is the chosen type's typical
    // one. A U that is not a positive number is marked, and the panel has no numbers until it is.
    void HeatTransferTyped();
    // The user has typed a c; marked like U.
    void SpecificHeatTyped();
    // After a change of language: the device type's range and the marks of U and c written
    // again in the new language.
    void LanguageChanged();
    // «Рассчитать U»: U from the run in the calibration boxes, with Tc and the surface from the
    // window's `window` inputs and the panel's c. Shows it in CalibU, whole, and sets the panel's
    // U to the number shown, with the choice «свой»; the U and choice before it can be restored
    // (UndoCalibration, CalibUndo shown). Refuses, with the reason in CalibMessage and the
    // offending box marked, and changes no coefficient, when a box is not a positive number,
    // when the window gives no Tc or surface, when Tin < Tout < Tc does not hold, or when U comes
    // out not finite or below 1. Outside 100–3000 W/(m²·K) it shows U with its warning and
    // CalibAccept, but keeps the panel's U until AcceptCalibration. Returns whether U was set.
    // Example: 1 l/min, 15 → 50 °C, window 78 °C over 100 cm × 5 cm, c 3760 → CalibU "324";
    // 0,2 l/min → "65", not applied.
    // With CalibFullReflux checked, a run that gives U (applied or waiting) gives the column's
    // losses too, P − G·c/60·(Tout − Tin) with P the `heaterPower` (LossesFromFullRefluxRun):
    // CalibLosses, whole, and CalibTakeLosses shown; or «—» with the reason in
    // CalibLossesReason where there is no heater power or the water carried more than it.
    // Example: 2000 W, 1 l/min, 15 → 44 °C, c 3760 → "183".
    bool Calibrate(const FormInputs& window, std::optional<double> heaterPower = std::nullopt);
    // The losses the last calibration gave, whole watts; none where it gave none.
    std::optional<double> calibratedLosses() const { return losses_; }
    // «Всё равно принять»: applies the unusual U the last calibration showed, as Calibrate
    // applies a usual one. False, and nothing changes, when there is none waiting.
    bool AcceptCalibration();
    // «Вернуть прежний U»: the U and device type before the last applied calibration come back.
    // False, and nothing changes, when no calibration was applied since the start or a reset.
    bool UndoCalibration();
    // A calibration box has changed: an unusual U waiting for confirmation no longer applies.
    void CalibrationEdited();

    const PanelCoefficients& coefficients() const { return coefficients_; }
    // The texts to keep on this device, by id: those of U, c, the device type and the
    // calibration boxes that differ from the defaults, and CalibU, the last applied
    // calibration's U, when there is one.
    std::vector<std::pair<std::string_view, std::string>> Stored() const;

  private:
    const std::string& separator();
    // The box's positive number, or the mark `problem` on it.
    std::optional<double> ReadBox(std::string_view id, std::string_view problem);
    void ShowDevice(const DeviceType& device);
    void ReadCoefficients();
    void Refuse(std::string_view box, std::string_view reason);
    void Apply(double u);
    void Forget();  // nothing waiting for confirmation, nothing to restore
    void ClearLosses();
    void ShowLosses(double flow, double tin, double tout, std::optional<double> heaterPower);

    // What «Вернуть прежний U» puts back.
    struct Before {
        std::string u, device;
    };

    PanelControls& controls_;
    PanelCoefficients coefficients_;
    std::optional<std::string> separator_;
    std::optional<double> pending_;  // an unusual U waiting for confirmation
    std::optional<Before> before_;
    std::string calibrated_;  // the last applied calibration's U, as CalibU shows it
    std::optional<double> losses_;
};

}  // namespace dephlegmator
