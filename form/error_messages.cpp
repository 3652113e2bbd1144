#include "error_messages.h"

#include <optional>
#include <span>

#include "number_text.h"
#include "texts.h"

namespace dephlegmator {
namespace {

using Kind = CalcError::Kind;
using Stage = CalcError::Stage;

// What a row asks of the failed calculation besides its stage and kind.
enum class When {
    Always,
    OutletWrittenAsInlet,        // Text6 and Text2 are written alike to 15 significant digits
    CondensationEqualsInlet,     // Tc − Tin is 0
    CondensationBelowInlet,      // Tc − Tin is below 0
    CondensationRiseAboveInlet,  // Tc − Tin is the autonomous rise exactly
    SurfaceRoundsToZero,         // the surface is 0 m²
    OutletAtCondensation,        // the outlet temperature computed equals Tc
    NoHeatToTake,                // the most heat the surface passes is 0 or less
};

struct Row {
    Stage stage;
    Kind kind;
    When when;
    Text text;
};

// Every mode: a number beyond the double range, typed or formed from the geometry.
constexpr Row kEveryMode[] = {
    {Stage::Area, Kind::Overflow, When::Always, Text::ErrorTooLarge},
    {Stage::InputTest, Kind::Overflow, When::Always, Text::ErrorTooLarge},
};

// The outlet temperature given: ln((Tc − Tin) / (Tc − Tout)) rounds to 0 when the warming
// Tout − Tin is too small beside Tc − Tin.
constexpr Row kOutletTempGiven[] = {
    {Stage::ExternalLoad, Kind::DivisionByZero, When::OutletWrittenAsInlet,
     Text::ErrorOutletNearInlet},
    {Stage::ExternalLoad, Kind::DivisionByZero, When::Always,
     Text::ErrorCondensationFarAboveOutlet},
    {Stage::ExternalLoad, Kind::Overflow, When::Always, Text::ErrorTooLarge},
    {Stage::ExternalFlow, Kind::Overflow, When::Always, Text::ErrorTooLarge},
    {Stage::ExternalFlow, Kind::ShownBelowItsDecimals, When::Always,
     Text::ErrorLoadBelowItsDecimals},
};

// The heat load given: load / area / U, the outlet temperature that gives it, then the flows.
constexpr Row kHeatLoadGiven[] = {
    {Stage::MeanDifference, Kind::DivisionByZero, When::Always, Text::ErrorSurfaceRoundsToZero},
    {Stage::MeanDifference, Kind::Overflow, When::Always, Text::ErrorLoadTooLargeForSurface},
    {Stage::OutletTemp, Kind::DivisionByZero, When::Always, Text::ErrorLoadTooSmall},
    {Stage::OutletTemp, Kind::HeatLoadBeyondSurface, When::NoHeatToTake, Text::ErrorNoHeatToTake},
    {Stage::OutletTemp, Kind::HeatLoadBeyondSurface, When::Always, Text::ErrorLoadBeyondSurface},
    {Stage::OutletTemp, Kind::Overflow, When::Always, Text::ErrorTooLarge},
    {Stage::ExternalFlow, Kind::DivisionByZero, When::Always, Text::ErrorOutletLostBesideInlet},
    {Stage::ExternalFlow, Kind::Overflow, When::Always, Text::ErrorTooLarge},
};

// The water flow given: the outlet temperature from exp(−U·A/C), the log-mean difference to it,
// then the autonomous column with its 10 K rise.
constexpr Row kWaterFlowGiven[] = {
    {Stage::OutletTemp, Kind::Overflow, When::Always, Text::ErrorFlowTooSmallForSurface},
    {Stage::ExternalLoad, Kind::InvalidOperation, When::CondensationEqualsInlet,
     Text::ErrorCondensationEqualsInlet},
    {Stage::ExternalLoad, Kind::InvalidOperation, When::CondensationBelowInlet,
     Text::ErrorCondensationBelowInlet},
    {Stage::ExternalLoad, Kind::DivisionByZero, When::CondensationBelowInlet,
     Text::ErrorCondensationBelowInlet},
    {Stage::ExternalLoad, Kind::InvalidOperation, When::SurfaceRoundsToZero,
     Text::ErrorNoWarmingOnZeroSurface},
    {Stage::ExternalLoad, Kind::DivisionByZero, When::SurfaceRoundsToZero,
     Text::ErrorNoWarmingOnZeroSurface},
    {Stage::ExternalLoad, Kind::InvalidOperation, When::Always, Text::ErrorFlowTooLarge},
    {Stage::ExternalLoad, Kind::DivisionByZero, When::OutletAtCondensation,
     Text::ErrorFlowTooSmall},
    {Stage::ExternalLoad, Kind::DivisionByZero, When::Always, Text::ErrorWarmingNegligible},
    {Stage::ExternalLoad, Kind::Overflow, When::Always, Text::ErrorTooLarge},
    {Stage::AutonomousColumn, Kind::DivisionByZero, When::CondensationRiseAboveInlet,
     Text::ErrorAutonomousExactlyRise},
    {Stage::AutonomousColumn, Kind::DivisionByZero, When::Always,
     Text::ErrorAutonomousRiseNegligible},
    {Stage::AutonomousColumn, Kind::InvalidArgument, When::Always, Text::ErrorAutonomousBelowRise},
    {Stage::AutonomousColumn, Kind::Overflow, When::Always, Text::ErrorTooLarge},
    {Stage::AutonomousColumn, Kind::ShownBelowItsDecimals, When::Always,
     Text::ErrorAutonomousLoadBelowItsDecimals},
};

std::span<const Row> RowsOf(Given given) {
    switch (given) {
        case Given::OutletTemp:
            return kOutletTempGiven;
        case Given::HeatLoad:
            return kHeatLoadGiven;
        case Given::WaterFlow:
            return kWaterFlowGiven;
    }
    return {};
}

// What the conditions read: the failed calculation's error, inputs and variables.
struct Failure {
    const CalcError& error;
    const FormInputs& inputs;
    const FormState& state;
};

// The conditions are asked only of rows whose stage comes after the inputs were tested, so the
// temperatures read as numbers; the outlet temperature is asked of the water-flow case only
// after it computed it.
bool Holds(When when, const Failure& failure) {
    const double tc = failure.inputs[Box::Text1].number;
    const double tin = failure.inputs[Box::Text2].number;
    switch (when) {
        case When::Always:
            return true;
        case When::OutletWrittenAsInlet:
            return FormatNumber(failure.inputs[Box::Text6].number, ".") == FormatNumber(tin, ".");
        case When::CondensationEqualsInlet:
            return tc - tin == 0;
        case When::CondensationBelowInlet:
            return tc - tin < 0;
        case When::CondensationRiseAboveInlet:
            return tc - tin == kAutonomousRiseK;
        case When::SurfaceRoundsToZero:
            return failure.state.AreaM2 == 0;
        case When::OutletAtCondensation:
            return failure.state.WaterOutTemp == tc;
        case When::NoHeatToTake:
            return failure.error.maxHeatLoad() <= 0;
    }
    return false;
}

std::optional<Text> Find(std::span<const Row> rows, const Failure& failure) {
    for (const Row& row : rows) {
        if (row.stage == failure.error.stage() && row.kind == failure.error.kind() &&
            Holds(row.when, failure)) {
            return row.text;
        }
    }
    return std::nullopt;
}

// What a message asks the user to change, which the window focuses.
enum class About { Nothing, Condensation, Inlet, Given, Geometry };

About AboutOf(Text text) {
    switch (text) {
        case Text::ErrorCondensationFarAboveOutlet:
        case Text::ErrorNoHeatToTake:
        case Text::ErrorCondensationEqualsInlet:
        case Text::ErrorCondensationBelowInlet:
        case Text::ErrorAutonomousExactlyRise:
        case Text::ErrorAutonomousBelowRise:
        case Text::ErrorAutonomousRiseNegligible:
            return About::Condensation;
        case Text::ErrorOutletLostBesideInlet:
            return About::Inlet;
        case Text::ErrorOutletNearInlet:
        case Text::ErrorLoadTooLargeForSurface:
        case Text::ErrorLoadTooSmall:
        case Text::ErrorLoadBeyondSurface:
        case Text::ErrorFlowTooSmallForSurface:
        case Text::ErrorFlowTooLarge:
        case Text::ErrorFlowTooSmall:
        case Text::ErrorWarmingNegligible:
        case Text::ErrorLoadBelowItsDecimals:
            return About::Given;
        case Text::ErrorSurfaceRoundsToZero:
        case Text::ErrorNoWarmingOnZeroSurface:
        case Text::ErrorAutonomousLoadBelowItsDecimals:
            return About::Geometry;
        default:
            return About::Nothing;
    }
}

std::optional<Text> MessageOf(const Failure& failure) {
    std::optional<Text> found = Find(kEveryMode, failure);
    if (!found) found = Find(RowsOf(failure.inputs.modes.given), failure);
    return found;
}

}  // namespace

std::optional<Box> ErrorBox(const CalcError& error, const FormInputs& inputs,
                            const FormState& state) {
    const Failure failure{error, inputs, state};
    const std::optional<Text> message = MessageOf(failure);
    const bool area = inputs.modes.geometry == Geometry::SurfaceArea;
    switch (message ? AboutOf(*message) : About::Nothing) {
        case About::Condensation:
            return Box::Text1;
        case About::Inlet:
            return Box::Text2;
        case About::Given:
            return Box::Text6;
        case About::Geometry:
            return area ? Box::Text5 : Box::Text3;
        case About::Nothing:
            break;
    }
    // A number beyond the double range: the first box that holds one, else the geometry whose
    // product overflowed.
    if (error.kind() == Kind::Overflow) {
        for (const Box box : kInputBoxes) {
            if (inputs.used(box) && !inputs[box].readable()) return box;
        }
        if (error.stage() == Stage::Area) return area ? Box::Text5 : Box::Text3;
    }
    return std::nullopt;
}

std::string_view ErrorTitle() {
    return Tr(Text::ErrorTitle);
}

std::string ErrorKindLine(Kind kind) {
    switch (kind) {
        case Kind::Overflow:
            return std::string(Tr(Text::ErrorOverflow));
        case Kind::DivisionByZero:
            return std::string(Tr(Text::ErrorDivisionByZero));
        case Kind::InvalidOperation:
            return std::string(Tr(Text::ErrorInvalidOperation));
        case Kind::InvalidArgument:
            return std::string(Tr(Text::ErrorInvalidArgument));
        case Kind::HeatLoadBeyondSurface:
            return std::string(Tr(Text::ErrorHeatLoadBeyondSurface));
        case Kind::ShownBelowItsDecimals:
            return std::string(Tr(Text::ErrorShownBelowItsDecimals));
    }
    return std::string(Tr(Text::ErrorOther));
}

std::string ErrorMessage(const CalcError& error, const FormInputs& inputs, const FormState& state,
                         std::string_view separator) {
    const std::optional<Text> found = MessageOf({error, inputs, state});
    const std::string rise = WithUnit(FormatNumber(kAutonomousRiseK, "."), Text::UnitDegrees);
    const std::string max = FormatRounded(error.maxHeatLoad(), 0, separator);
    const std::string why =
        Fill(found.value_or(Text::ErrorCheckInputs), {{"rise", rise}, {"max", max}});
    return ErrorKindLine(error.kind()) + "\n\n" + why;
}

}  // namespace dephlegmator
