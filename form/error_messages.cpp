#include "error_messages.h"

#include <span>

#include "number_text.h"

namespace dephlegmator {
namespace {

using Kind = CalcError::Kind;
using Stage = CalcError::Stage;

// The texts of the messages. "{rise}" stands for the autonomous rise ("10 °С") and "{max}" for
// the most heat the surface passes, in whole watts.
constexpr const char* kTooLarge =
    "Число вышло за пределы вычислимого: вероятно, введено слишком большое значение "
    "(например, с порядком E). Проверьте введённые числа.";
constexpr const char* kCheckInputs = "Проверьте введённые значения.";

constexpr const char* kOutletNearInlet =
    "Не удалось вычислить тепловую нагрузку: температура воды на выходе почти равна "
    "температуре воды на входе. Задайте температуру на выходе заметно выше температуры на входе.";
constexpr const char* kCondensationFarAboveOutlet =
    "Не удалось вычислить тепловую нагрузку: температура конденсации настолько выше температуры "
    "воды на входе, что нагрев воды до заданной температуры на выходе ничтожно мал по сравнению "
    "с этой разностью. Проверьте температуру конденсации.";

constexpr const char* kSurfaceRoundsToZero =
    "Не удалось вычислить средний температурный напор: поверхность так мала, что в квадратных "
    "метрах она округляется до нуля. Увеличьте поверхность.";
constexpr const char* kLoadTooLargeForSurface =
    "Не удалось вычислить средний температурный напор: тепловая нагрузка слишком велика для "
    "такой поверхности, число вышло за пределы вычислимого. Уменьшите тепловую нагрузку или "
    "увеличьте поверхность.";
constexpr const char* kLoadTooSmall =
    "Не удалось вычислить температуру воды на выходе: тепловая нагрузка слишком мала для такой "
    "поверхности (средний температурный напор меньше 0,005 К). Увеличьте тепловую нагрузку или "
    "уменьшите поверхность.";
constexpr const char* kNoHeatToTake =
    "Не удалось вычислить расход воды: температура конденсации не выше температуры воды на "
    "входе, и вода не может отбирать тепло. Задайте температуру конденсации выше температуры "
    "воды на входе.";
constexpr const char* kLoadBeyondSurface =
    "Не удалось вычислить расход воды: эта поверхность при таких температурах передаёт не больше "
    "{max} Вт, даже при очень большом расходе воды. Уменьшите тепловую нагрузку или увеличьте "
    "поверхность.";
constexpr const char* kOutletLostBesideInlet =
    "Не удалось вычислить расход воды: нагрев воды так мал по сравнению с температурой воды на "
    "входе, что температура на выходе получилась равной ей. Проверьте температуру воды на входе.";

constexpr const char* kFlowTooSmallForSurface =
    "Не удалось вычислить температуру воды на выходе: расход воды слишком мал для такой "
    "поверхности, число вышло за пределы вычислимого. Увеличьте расход воды или уменьшите "
    "поверхность.";
constexpr const char* kCondensationEqualsInlet =
    "Не удалось вычислить тепловую нагрузку: температура конденсации равна температуре воды на "
    "входе. Задайте температуру конденсации выше температуры воды на входе.";
constexpr const char* kCondensationBelowInlet =
    "Не удалось вычислить тепловую нагрузку: температура конденсации ниже температуры воды на "
    "входе, и вода не может отбирать тепло. Задайте температуру конденсации выше температуры "
    "воды на входе.";
constexpr const char* kNoWarmingOnZeroSurface =
    "Не удалось вычислить тепловую нагрузку: поверхность так мала, что в квадратных метрах она "
    "округляется до нуля, и вода не нагревается. Увеличьте поверхность.";
constexpr const char* kFlowTooLarge =
    "Не удалось вычислить тепловую нагрузку: при таком большом расходе вода не успевает "
    "нагреться даже на малую долю градуса. Уменьшите расход воды.";
constexpr const char* kFlowTooSmall =
    "Не удалось вычислить тепловую нагрузку: при таком малом расходе вода нагревается до "
    "температуры конденсации. Увеличьте расход воды.";
constexpr const char* kWarmingNegligible =
    "Не удалось вычислить тепловую нагрузку: нагрев воды ничтожно мал по сравнению с разностью "
    "температуры конденсации и температуры воды на входе. Уменьшите расход воды или проверьте "
    "температуру конденсации.";
constexpr const char* kAutonomousExactlyRise =
    "Не удалось вычислить результаты автономного охлаждения: при нём вода нагревается на {rise}, "
    "а температура конденсации всего на {rise} выше температуры воды на входе. Внешнее "
    "охлаждение рассчитано.";
constexpr const char* kAutonomousBelowRise =
    "Не удалось вычислить результаты автономного охлаждения: при нём вода нагревается на {rise}, "
    "а температура конденсации меньше чем на {rise} выше температуры воды на входе. Внешнее "
    "охлаждение рассчитано.";
constexpr const char* kAutonomousRiseNegligible =
    "Не удалось вычислить результаты автономного охлаждения: нагрев воды на {rise} ничтожно мал "
    "по сравнению с разностью температуры конденсации и температуры воды на входе. Проверьте "
    "температуру конденсации. Внешнее охлаждение рассчитано.";

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
    const char* text;
};

// Every mode: a number beyond the double range, typed or formed from the geometry.
constexpr Row kEveryMode[] = {
    {Stage::Area, Kind::Overflow, When::Always, kTooLarge},
    {Stage::InputTest, Kind::Overflow, When::Always, kTooLarge},
};

// The outlet temperature given: ln((Tc − Tin) / (Tc − Tout)) rounds to 0 when the warming
// Tout − Tin is too small beside Tc − Tin.
constexpr Row kOutletTempGiven[] = {
    {Stage::ExternalLoad, Kind::DivisionByZero, When::OutletWrittenAsInlet, kOutletNearInlet},
    {Stage::ExternalLoad, Kind::DivisionByZero, When::Always, kCondensationFarAboveOutlet},
    {Stage::ExternalLoad, Kind::Overflow, When::Always, kTooLarge},
    {Stage::ExternalFlow, Kind::Overflow, When::Always, kTooLarge},
};

// The heat load given: load / area / U, the outlet temperature that gives it, then the flows.
constexpr Row kHeatLoadGiven[] = {
    {Stage::MeanDifference, Kind::DivisionByZero, When::Always, kSurfaceRoundsToZero},
    {Stage::MeanDifference, Kind::Overflow, When::Always, kLoadTooLargeForSurface},
    {Stage::OutletTemp, Kind::DivisionByZero, When::Always, kLoadTooSmall},
    {Stage::OutletTemp, Kind::HeatLoadBeyondSurface, When::NoHeatToTake, kNoHeatToTake},
    {Stage::OutletTemp, Kind::HeatLoadBeyondSurface, When::Always, kLoadBeyondSurface},
    {Stage::OutletTemp, Kind::Overflow, When::Always, kTooLarge},
    {Stage::ExternalFlow, Kind::DivisionByZero, When::Always, kOutletLostBesideInlet},
    {Stage::ExternalFlow, Kind::Overflow, When::Always, kTooLarge},
};

// The water flow given: the outlet temperature from exp(−U·A/C), the log-mean difference to it,
// then the autonomous column with its 10 K rise.
constexpr Row kWaterFlowGiven[] = {
    {Stage::OutletTemp, Kind::Overflow, When::Always, kFlowTooSmallForSurface},
    {Stage::ExternalLoad, Kind::InvalidOperation, When::CondensationEqualsInlet,
     kCondensationEqualsInlet},
    {Stage::ExternalLoad, Kind::InvalidOperation, When::CondensationBelowInlet,
     kCondensationBelowInlet},
    {Stage::ExternalLoad, Kind::DivisionByZero, When::CondensationBelowInlet,
     kCondensationBelowInlet},
    {Stage::ExternalLoad, Kind::InvalidOperation, When::SurfaceRoundsToZero,
     kNoWarmingOnZeroSurface},
    {Stage::ExternalLoad, Kind::DivisionByZero, When::SurfaceRoundsToZero, kNoWarmingOnZeroSurface},
    {Stage::ExternalLoad, Kind::InvalidOperation, When::Always, kFlowTooLarge},
    {Stage::ExternalLoad, Kind::DivisionByZero, When::OutletAtCondensation, kFlowTooSmall},
    {Stage::ExternalLoad, Kind::DivisionByZero, When::Always, kWarmingNegligible},
    {Stage::ExternalLoad, Kind::Overflow, When::Always, kTooLarge},
    {Stage::AutonomousColumn, Kind::DivisionByZero, When::CondensationRiseAboveInlet,
     kAutonomousExactlyRise},
    {Stage::AutonomousColumn, Kind::DivisionByZero, When::Always, kAutonomousRiseNegligible},
    {Stage::AutonomousColumn, Kind::InvalidArgument, When::Always, kAutonomousBelowRise},
    {Stage::AutonomousColumn, Kind::Overflow, When::Always, kTooLarge},
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

const char* Find(std::span<const Row> rows, const Failure& failure) {
    for (const Row& row : rows) {
        if (row.stage == failure.error.stage() && row.kind == failure.error.kind() &&
            Holds(row.when, failure)) {
            return row.text;
        }
    }
    return nullptr;
}

void ReplaceAll(std::string& text, std::string_view placeholder, const std::string& value) {
    for (auto at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size())) {
        text.replace(at, placeholder.size(), value);
    }
}

}  // namespace

std::string ErrorKindLine(Kind kind) {
    switch (kind) {
        case Kind::Overflow:
            return "Ошибка вычисления: переполнение.";
        case Kind::DivisionByZero:
            return "Ошибка вычисления: деление на ноль.";
        case Kind::InvalidOperation:
            return "Ошибка вычисления: недопустимая операция.";
        case Kind::InvalidArgument:
            return "Ошибка вычисления: недопустимый аргумент логарифма.";
        case Kind::HeatLoadBeyondSurface:
            return "Ошибка вычисления: нагрузка больше предела поверхности.";
    }
    return "Ошибка вычисления.";
}

std::string ErrorMessage(const CalcError& error, const FormInputs& inputs, const FormState& state,
                         std::string_view separator) {
    const Failure failure{error, inputs, state};
    const char* found = Find(kEveryMode, failure);
    if (found == nullptr) found = Find(RowsOf(inputs.modes.given), failure);
    std::string why = found != nullptr ? found : kCheckInputs;
    ReplaceAll(why, "{rise}", FormatNumber(kAutonomousRiseK, ".") + " °С");
    ReplaceAll(why, "{max}", FormatRounded(error.maxHeatLoad(), 0, separator));
    return ErrorKindLine(error.kind()) + "\n\n" + why;
}

}  // namespace dephlegmator
