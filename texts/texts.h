#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "language.h"

namespace dephlegmator {

// Every text the program shows, in one catalogue: a stable key that the page can name it by, the
// Russian text and the English one. A text is reached by its Text, an index into the catalogue.
// A text with placeholders ("{max}", "{unit}", ...) is a pattern for Fill; both languages have the
// same placeholders.
enum class Text : std::uint16_t {
    // The window's captions. Unit labels are shared by the controls that show the same unit.
    Frame1Caption,
    Option1Caption,
    Option2Caption,
    Option3Caption,
    Frame2Caption,
    Frame3Caption,
    Option4Caption,
    Option5Caption,
    Frame4Caption,
    Option6Caption,
    Option7Caption,
    Option8Caption,
    Label13Caption,
    Label14Caption,
    Frame5Caption,
    Frame6Caption,
    Frame7Caption,
    Frame8Caption,
    Command1Caption,
    UnitLabelDegrees,
    UnitLabelCentimetres,
    UnitLabelSquareCentimetres,
    UnitLabelWatts,
    UnitLabelLitresPerMinute,

    // What a term of the window means: the page's explanations and the window's tooltips.
    Option1About,
    Option2About,
    Frame4About,
    Label14About,
    Option6Full,

    // Accessible names.
    Text1Name,
    Text2Name,
    Text3Name,
    Text4Name,
    Text5Name,
    Text7Name,
    Text8Name,
    Text9Name,
    Text71Name,
    Text81Name,
    Text91Name,
    Text10Name,
    Option1Name,
    Option2Name,
    Option3Name,
    Option4Name,
    Option5Name,
    Option6Name,
    Option7Name,
    Option8Name,
    Command1Name,
    GivenOutletTempName,
    GivenHeatLoadName,
    GivenWaterFlowName,
    NoResultSaid,

    // Units after a number, where a text is made of a number and its unit.
    UnitDegrees,
    UnitHours,
    UnitMinutes,

    // Messages of a failed calculation.
    ErrorTitle,
    ErrorOverflow,
    ErrorDivisionByZero,
    ErrorInvalidOperation,
    ErrorInvalidArgument,
    ErrorHeatLoadBeyondSurface,
    ErrorOther,
    ErrorTooLarge,
    ErrorCheckInputs,
    ErrorOutletNearInlet,
    ErrorCondensationFarAboveOutlet,
    ErrorSurfaceRoundsToZero,
    ErrorLoadTooLargeForSurface,
    ErrorLoadTooSmall,
    ErrorNoHeatToTake,
    ErrorLoadBeyondSurface,
    ErrorOutletLostBesideInlet,
    ErrorFlowTooSmallForSurface,
    ErrorCondensationEqualsInlet,
    ErrorCondensationBelowInlet,
    ErrorNoWarmingOnZeroSurface,
    ErrorFlowTooLarge,
    ErrorFlowTooSmall,
    ErrorWarmingNegligible,
    ErrorAutonomousExactlyRise,
    ErrorAutonomousBelowRise,
    ErrorAutonomousRiseNegligible,

    // The marks on input boxes: what each box holds, in which unit, and what is wrong.
    QuantityCondensationTemp,
    QuantityInletTemp,
    QuantityHeight,
    QuantityDiameter,
    QuantitySurfaceArea,
    QuantityHeatLoad,
    QuantityWaterFlow,
    QuantityOutletTemp,
    InUnitDegrees,
    InUnitCentimetres,
    InUnitSquareCentimetres,
    InUnitWatts,
    InUnitLitresPerMinute,
    MarkNotANumber,
    MarkTooLarge,
    MarkNotAboveZero,
    MarkOutletNotBelowCondensation,
    MarkOutletNotAboveInlet,

    // Marks and messages for what the window no longer takes silently: a condensation temperature
    // the water cannot take, a text cut at its box's limit, a result shown as below its decimals.
    MarkAboveBoiling,
    MarkTypingCut,
    ErrorShownBelowItsDecimals,
    ErrorLoadBelowItsDecimals,
    ErrorAutonomousLoadBelowItsDecimals,

    // What a recalculation came to, for a screen reader.
    OutcomeHeatLoad,
    OutcomeWaterFlow,
    OutcomeOutletTemp,
    OutcomeArea,
    OutcomeResults,
    OutcomeNoResult,
    OutcomeNoResultBecause,
    OutcomeEmptyBox,
    OutcomeStopped,

    // The design panel.
    PanelEnter,
    PanelFlowNotReached,
    PanelCondensationNotAboveInlet,
    PanelCalculationStopped,
    PanelNoCharacteristic,
    PanelChartBeforeFirstRecalculation,
    PanelChart,
    PanelChartResult,
    PanelChartHeater,
    PanelBeyondTheChart,
    FullReflux,

    // The panel's section «У колонны» and its tank's chart.
    ColumnBeforeFirstRecalculation,
    ColumnEnterPower,
    ColumnEnterTapFlow,
    ColumnEnterRunHours,
    ColumnEnterTankVolume,
    ColumnEnterTankStart,
    ColumnEnterPumpFlow,
    ColumnTankFailsAtOnce,
    ColumnNoChart,
    ColumnTankTooWarm,
    ColumnTankChart,
    TankChartTime,
    TankChartTimeMinutes,
    TankChartLimit,
    ColumnTooLarge,

    // The panel's section «Ваш дефлегматор».
    DeviceWindow,
    DeviceJacket,
    DeviceShell,
    DeviceCoil,
    DeviceOwn,
    SettingsEnterU,
    SettingsEnterC,
    SettingsEnterCalibFlow,
    SettingsEnterCalibTin,
    SettingsEnterCalibTout,
    SettingsWindowNeeded,
    SettingsNoCoefficient,
    SettingsUsualRange,
    SettingsOutletNotBetween,
    SettingsCalibrated,
    SettingsCalibratedUnusual,

    // The panel's verdict on the heater, its note under the window's results, a flow beyond a
    // tap, where the heater power came from, and a calibration confirmed or undone.
    PanelVerdictHolds,
    PanelVerdictHoldsImpractical,
    PanelVerdictFails,
    PanelImpracticalFlow,
    PanelFlowInSentence,
    PanelImpracticalFlowInSentence,
    PanelWindowNote,
    PanelWindowResults,
    PanelWindowBeyond,
    ColumnPowerFromWindow,
    SettingsCalibrationPending,
    SettingsCalibrationUndone,

    // A share link that cannot be read.
    LinkUnread,
    LinkNoValue,
    LinkTwice,
    LinkBadEscape,
    LinkNotUtf8,
    LinkUnknownChoice,
    LinkTooLong,
    LinkAreaAndHeight,
};

// One text of the catalogue.
struct TextEntry {
    Text id;
    std::string_view key;  // e.g. "Frame1.caption", "error.loadBeyondSurface"
    std::string_view russian;
    std::string_view english;
};

// The whole catalogue, in Text order.
std::span<const TextEntry> Catalogue();

// The texts of the browser page's own elements (its HTML, its scripts' fixed texts and its
// manifest), which only the page names, by key: the page generator writes them into the page and
// into a file of each language's texts, so that the module does not carry them. Besides texts, a
// few entries name what differs with the language: the page's language code ("page.lang"), its
// guide and its manifest.
struct PageTextEntry {
    std::string_view key;  // e.g. "page.title", "column.tankVolume"
    std::string_view russian;
    std::string_view english;
};
std::span<const PageTextEntry> PageTexts();

// A text in the current language (CurrentLanguage()), or in `language`.
std::string_view Tr(Text text);
std::string_view Tr(Text text, Language language);

// A placeholder of a pattern and what it stands for: {"max", "4284"} fills "{max}".
using Filling = std::pair<std::string_view, std::string_view>;

// The pattern `text`, in the current language, with each of its placeholders replaced in one
// pass: a value is never searched for placeholders itself. A placeholder without a value stays.
// Example: Fill(Text::OutcomeArea, {{"value", "1571"}}) → "площадь 1571 см²". A number and its
// unit are joined by a no-break space (U+00A0), and "л/мин" holds a word joiner (U+2060) after
// its slash, so that a line never breaks inside either.
std::string Fill(Text text, std::initializer_list<Filling> values);

// A number followed by a unit, with a no-break space (U+00A0) between: "10 °С".
std::string WithUnit(std::string_view number, Text unit);

// What is wrong with a catalogue, one sentence per fault: an entry out of Text order, an empty
// key, a key used twice, a language without its text, or placeholders that differ between the
// languages. None for the program's own catalogue.
std::vector<std::string> CatalogueFaults(std::span<const TextEntry> catalogue);

}  // namespace dephlegmator
