#include "texts.h"

#include <algorithm>
#include <array>
#include <set>

namespace dephlegmator {
namespace {

using enum Text;

// Option4's Russian caption has a Latin "c" before the Cyrillic "м"; every Russian "°С" has a
// Cyrillic "С", every English "°C" a Latin one. Placeholders are in braces.
constexpr auto kTexts = std::to_array<TextEntry>({
    // The window's captions.
    {Frame1Caption, "Frame1.caption", "Т конденсации", "Condensation temperature"},
    {Option1Caption, "Option1.caption", "СР", "Spirit"},
    {Option2Caption, "Option2.caption", "СС", "Raw"},
    {Option3Caption, "Option3.caption", "другая", "Other"},
    {Frame2Caption, "Frame2.caption", "Т воды на входе", "Inlet water temperature"},
    {Frame3Caption, "Frame3.caption", "Дефлегматор", "Reflux condenser"},
    {Option4Caption, "Option4.caption", "Высота, Диаметр [cм]", "Height, diameter [cm]"},
    {Option5Caption, "Option5.caption", "Площадь поверхности [см кв]", "Surface area [cm²]"},
    {Frame4Caption, "Frame4.caption", "Предполагается", "Given"},
    {Option6Caption, "Option6.caption", "Т воды на выходе", "Outlet temp."},
    {Option7Caption, "Option7.caption", "Тепловая нагрузка", "Heat load"},
    {Option8Caption, "Option8.caption", "Расход воды", "Water flow"},
    {Label13Caption, "Label13.caption", "Результаты для внешнего охлаждения",
     "Results for external cooling"},
    {Label14Caption, "Label14.caption", "Результаты для автономного охлаждения",
     "Results for autonomous cooling"},
    {Frame5Caption, "Frame5.caption", "Тепловая нагрузка", "Heat load"},
    {Frame6Caption, "Frame6.caption", "Расход воды", "Water flow"},
    {Frame7Caption, "Frame7.caption", "Т воды на выходе", "Outlet water temperature"},
    {Frame8Caption, "Frame8.caption", "Площадь поверхности", "Surface area"},
    {Command1Caption, "Command1.caption", "Пересчет(ENTER)", "Calculate (Enter)"},
    {UnitLabelDegrees, "unitLabel.degrees", "[°С]", "[°C]"},
    {UnitLabelCentimetres, "unitLabel.centimetres", "[см]", "[cm]"},
    {UnitLabelSquareCentimetres, "unitLabel.squareCentimetres", "[см кв.]", "[cm²]"},
    {UnitLabelWatts, "unitLabel.watts", "[Вт]", "[W]"},
    {UnitLabelLitresPerMinute, "unitLabel.litresPerMinute", "[л/мин]", "[l/min]"},

    // What a term of the window means.
    {Option1About, "Option1.about",
     "СР — 78\u00A0°С: температура конденсации пара почти чистого этилового спирта в верхней части "
     "ректификационной колонны.",
     "Spirit (78\u00A0°C): the condensation temperature of nearly pure ethanol vapour at the top "
     "of a "
     "reflux column."},
    {Option2About, "Option2.about",
     "СС — 88\u00A0°С: температура конденсации более слабого (менее концентрированного) пара.",
     "Raw spirit (88\u00A0°C): the condensation temperature of weaker (less concentrated) vapour, "
     "such as "
     "that of low wines."},
    {Frame4About, "Frame4.about",
     "Предполагается — одна известная величина: температура воды на выходе, тепловая нагрузка "
     "или расход воды. Остальные программа рассчитывает по ней.",
     "Given: the one quantity you know, the outlet water temperature, the heat load or the "
     "cooling water flow. The program calculates the others from it."},
    {Label14About, "Label14.about",
     "Автономное охлаждение: вода нагревается ровно на 10\u00A0К, температура на выходе равна "
     "температуре на входе плюс 10\u00A0°С.",
     "Autonomous cooling: the water warms by exactly 10\u00A0K, so the outlet water temperature is "
     "the inlet temperature plus 10\u00A0°C."},
    {Option6Full, "Option6.full", "Т воды на выходе", "Outlet water temperature"},

    // Accessible names.
    {Text1Name, "Text1.name", "Температура конденсации, °С", "Condensation temperature, °C"},
    {Text2Name, "Text2.name", "Температура воды на входе, °С", "Inlet water temperature, °C"},
    {Text3Name, "Text3.name", "Высота дефлегматора, см", "Reflux condenser height, cm"},
    {Text4Name, "Text4.name", "Диаметр дефлегматора, см", "Reflux condenser diameter, cm"},
    {Text5Name, "Text5.name", "Площадь поверхности дефлегматора, см²",
     "Reflux condenser surface area, cm²"},
    {Text7Name, "Text7.name", "Внешнее охлаждение: тепловая нагрузка, Вт",
     "External cooling: heat load, W"},
    {Text8Name, "Text8.name", "Внешнее охлаждение: расход воды, л/мин",
     "External cooling: water flow, l/min"},
    {Text9Name, "Text9.name", "Внешнее охлаждение: температура воды на выходе, °С",
     "External cooling: outlet water temperature, °C"},
    {Text71Name, "Text71.name", "Автономное охлаждение: тепловая нагрузка, Вт",
     "Autonomous cooling: heat load, W"},
    {Text81Name, "Text81.name", "Автономное охлаждение: расход воды, л/мин",
     "Autonomous cooling: water flow, l/min"},
    {Text91Name, "Text91.name", "Автономное охлаждение: температура воды на выходе, °С",
     "Autonomous cooling: outlet water temperature, °C"},
    {Text10Name, "Text10.name", "Площадь поверхности, см²", "Surface area, cm²"},
    {Option1Name, "Option1.name", "Температура конденсации СР, 78\u00A0°С", "Spirit (78\u00A0°C)"},
    {Option2Name, "Option2.name", "Температура конденсации СС, 88\u00A0°С",
     "Raw spirit (88\u00A0°C)"},
    {Option3Name, "Option3.name", "Другая температура конденсации",
     "Other condensation temperature"},
    {Option4Name, "Option4.name", "Дефлегматор задан высотой и диаметром, см",
     "Reflux condenser given by height and diameter, cm"},
    {Option5Name, "Option5.name", "Дефлегматор задан площадью поверхности, см²",
     "Reflux condenser given by surface area, cm²"},
    {Option6Name, "Option6.name", "Задана температура воды на выходе",
     "Outlet water temperature given"},
    {Option7Name, "Option7.name", "Задана тепловая нагрузка", "Heat load given"},
    {Option8Name, "Option8.name", "Задан расход воды", "Water flow given"},
    {Command1Name, "Command1.name", "Пересчет (Enter)", "Calculate (Enter)"},
    {GivenOutletTempName, "Text6.name.outletTemp", "Заданная температура воды на выходе, °С",
     "Given outlet water temperature, °C"},
    {GivenHeatLoadName, "Text6.name.heatLoad", "Заданная тепловая нагрузка, Вт",
     "Given heat load, W"},
    {GivenWaterFlowName, "Text6.name.waterFlow", "Заданный расход воды, л/мин",
     "Given water flow, l/min"},
    {NoResultSaid, "name.noResult", ", нет результата", ", no result"},

    // Units after a number.
    {UnitDegrees, "unit.degrees", "°С", "°C"},
    {UnitHours, "unit.hours", "ч", "h"},
    {UnitMinutes, "unit.minutes", "мин", "min"},

    // Messages of a failed calculation. {rise} is the autonomous rise with its unit, {max} the
    // most heat the surface passes, in whole watts.
    {ErrorTitle, "error.title", "Ошибка", "Error"},
    {ErrorOverflow, "error.kind.overflow", "Ошибка вычисления: переполнение.",
     "Calculation error: overflow."},
    {ErrorDivisionByZero, "error.kind.divisionByZero", "Ошибка вычисления: деление на ноль.",
     "Calculation error: division by zero."},
    {ErrorInvalidOperation, "error.kind.invalidOperation",
     "Ошибка вычисления: недопустимая операция.", "Calculation error: invalid operation."},
    {ErrorInvalidArgument, "error.kind.invalidArgument",
     "Ошибка вычисления: недопустимый аргумент логарифма.",
     "Calculation error: invalid argument of a logarithm."},
    {ErrorHeatLoadBeyondSurface, "error.kind.heatLoadBeyondSurface",
     "Ошибка вычисления: нагрузка больше предела поверхности.",
     "Calculation error: heat load above the surface's limit."},
    {ErrorOther, "error.kind.other", "Ошибка вычисления.", "Calculation error."},
    {ErrorTooLarge, "error.tooLarge",
     "Число вышло за пределы вычислимого: вероятно, введено слишком большое значение "
     "(например, с порядком E). Проверьте введённые числа.",
     "A number went beyond what can be calculated: probably too large a value was entered (for "
     "example, with an E exponent). Check the numbers entered."},
    {ErrorCheckInputs, "error.checkInputs", "Проверьте введённые значения.",
     "Check the values entered."},
    {ErrorOutletNearInlet, "error.outletNearInlet",
     "Не удалось вычислить тепловую нагрузку: температура воды на выходе почти равна "
     "температуре воды на входе. Задайте температуру на выходе заметно выше температуры на "
     "входе.",
     "Could not calculate the heat load: the outlet water temperature is almost the same as the "
     "inlet water temperature. Set the outlet temperature clearly above the inlet temperature."},
    {ErrorCondensationFarAboveOutlet, "error.condensationFarAboveOutlet",
     "Не удалось вычислить тепловую нагрузку: температура конденсации настолько выше температуры "
     "воды на входе, что нагрев воды до заданной температуры на выходе ничтожно мал по сравнению "
     "с этой разностью. Проверьте температуру конденсации.",
     "Could not calculate the heat load: the condensation temperature is so far above the inlet "
     "water temperature that warming the water to the given outlet temperature is negligible "
     "beside that difference. Check the condensation temperature."},
    {ErrorSurfaceRoundsToZero, "error.surfaceRoundsToZero",
     "Не удалось вычислить средний температурный напор: поверхность так мала, что в квадратных "
     "метрах она округляется до нуля. Увеличьте поверхность.",
     "Could not calculate the mean temperature difference: the surface is so small that in "
     "square metres it rounds to zero. Increase the surface."},
    {ErrorLoadTooLargeForSurface, "error.loadTooLargeForSurface",
     "Не удалось вычислить средний температурный напор: тепловая нагрузка слишком велика для "
     "такой поверхности, число вышло за пределы вычислимого. Уменьшите тепловую нагрузку или "
     "увеличьте поверхность.",
     "Could not calculate the mean temperature difference: the heat load is too large for this "
     "surface, and a number went beyond what can be calculated. Lower the heat load or increase "
     "the surface."},
    {ErrorLoadTooSmall, "error.loadTooSmall",
     "Не удалось вычислить температуру воды на выходе: тепловая нагрузка слишком мала для такой "
     "поверхности (средний температурный напор меньше 0,005\u00A0К). Увеличьте тепловую нагрузку "
     "или "
     "уменьшите поверхность.",
     "Could not calculate the outlet water temperature: the heat load is too small for this "
     "surface (the mean temperature difference is below 0.005\u00A0K). Increase the heat load or "
     "reduce the surface."},
    {ErrorNoHeatToTake, "error.noHeatToTake",
     "Не удалось вычислить расход воды: температура конденсации не выше температуры воды на "
     "входе, и вода не может отбирать тепло. Задайте температуру конденсации выше температуры "
     "воды на входе.",
     "Could not calculate the water flow: the condensation temperature is not above the inlet "
     "water temperature, so the water cannot take up heat. Set the condensation temperature "
     "above the inlet water temperature."},
    {ErrorLoadBeyondSurface, "error.loadBeyondSurface",
     "Не удалось вычислить расход воды: эта поверхность при таких температурах передаёт не больше "
     "{max}\u00A0Вт, даже при очень большом расходе воды. Уменьшите тепловую нагрузку или "
     "увеличьте "
     "поверхность.",
     "Could not calculate the water flow: at these temperatures this surface can transfer no more "
     "than "
     "{max}\u00A0W, even at a very large water flow. Lower the heat load or increase the surface."},
    {ErrorOutletLostBesideInlet, "error.outletLostBesideInlet",
     "Не удалось вычислить расход воды: нагрев воды так мал по сравнению с температурой воды на "
     "входе, что температура на выходе получилась равной ей. Проверьте температуру воды на входе.",
     "Could not calculate the water flow: the warming of the water is so small beside the inlet "
     "water temperature that the outlet temperature came out equal to it. Check the inlet water "
     "temperature."},
    {ErrorFlowTooSmallForSurface, "error.flowTooSmallForSurface",
     "Не удалось вычислить температуру воды на выходе: расход воды слишком мал для такой "
     "поверхности, число вышло за пределы вычислимого. Увеличьте расход воды или уменьшите "
     "поверхность.",
     "Could not calculate the outlet water temperature: the water flow is too small for this "
     "surface, and a number went beyond what can be calculated. Increase the water flow or "
     "reduce the surface."},
    {ErrorCondensationEqualsInlet, "error.condensationEqualsInlet",
     "Не удалось вычислить тепловую нагрузку: температура конденсации равна температуре воды на "
     "входе. Задайте температуру конденсации выше температуры воды на входе.",
     "Could not calculate the heat load: the condensation temperature equals the inlet water "
     "temperature. Set the condensation temperature above the inlet water temperature."},
    {ErrorCondensationBelowInlet, "error.condensationBelowInlet",
     "Не удалось вычислить тепловую нагрузку: температура конденсации ниже температуры воды на "
     "входе, и вода не может отбирать тепло. Задайте температуру конденсации выше температуры "
     "воды на входе.",
     "Could not calculate the heat load: the condensation temperature is below the inlet water "
     "temperature, so the water cannot take up heat. Set the condensation temperature above the "
     "inlet water temperature."},
    {ErrorNoWarmingOnZeroSurface, "error.noWarmingOnZeroSurface",
     "Не удалось вычислить тепловую нагрузку: поверхность так мала, что в квадратных метрах она "
     "округляется до нуля, и вода не нагревается. Увеличьте поверхность.",
     "Could not calculate the heat load: the surface is so small that in square metres it rounds "
     "to zero, and the water does not warm. Increase the surface."},
    {ErrorFlowTooLarge, "error.flowTooLarge",
     "Не удалось вычислить тепловую нагрузку: при таком большом расходе вода не успевает "
     "нагреться даже на малую долю градуса. Уменьшите расход воды.",
     "Could not calculate the heat load: at so large a flow the water does not warm by even a "
     "small fraction of a degree. Reduce the water flow."},
    {ErrorFlowTooSmall, "error.flowTooSmall",
     "Не удалось вычислить тепловую нагрузку: при таком малом расходе вода нагревается до "
     "температуры конденсации. Увеличьте расход воды.",
     "Could not calculate the heat load: at so small a flow the water warms up to the "
     "condensation temperature. Increase the water flow."},
    {ErrorWarmingNegligible, "error.warmingNegligible",
     "Не удалось вычислить тепловую нагрузку: нагрев воды ничтожно мал по сравнению с разностью "
     "температуры конденсации и температуры воды на входе. Уменьшите расход воды или проверьте "
     "температуру конденсации.",
     "Could not calculate the heat load: the warming of the water is negligible beside the "
     "difference between the condensation and inlet water temperatures. Reduce the water flow "
     "or check the condensation temperature."},
    {ErrorAutonomousExactlyRise, "error.autonomousExactlyRise",
     "Не удалось вычислить результаты автономного охлаждения: при нём вода нагревается на {rise}, "
     "а температура конденсации всего на {rise} выше температуры воды на входе. Внешнее "
     "охлаждение рассчитано.",
     "Could not calculate the results for autonomous cooling: there the water warms by {rise}, "
     "and the condensation temperature is only {rise} above the inlet water temperature. "
     "External cooling has been calculated."},
    {ErrorAutonomousBelowRise, "error.autonomousBelowRise",
     "Не удалось вычислить результаты автономного охлаждения: при нём вода нагревается на {rise}, "
     "а температура конденсации меньше чем на {rise} выше температуры воды на входе. Внешнее "
     "охлаждение рассчитано.",
     "Could not calculate the results for autonomous cooling: there the water warms by {rise}, "
     "and the condensation temperature is less than {rise} above the inlet water temperature. "
     "External cooling has been calculated."},
    {ErrorAutonomousRiseNegligible, "error.autonomousRiseNegligible",
     "Не удалось вычислить результаты автономного охлаждения: нагрев воды на {rise} ничтожно мал "
     "по сравнению с разностью температуры конденсации и температуры воды на входе. Проверьте "
     "температуру конденсации. Внешнее охлаждение рассчитано.",
     "Could not calculate the results for autonomous cooling: warming the water by {rise} is "
     "negligible beside the difference between the condensation and inlet water temperatures. "
     "Check the condensation temperature. External cooling has been calculated."},

    // The marks on input boxes. A quantity is what «Введите» asks for: in Russian in the
    // accusative, in English with its article.
    {QuantityCondensationTemp, "quantity.condensationTemp", "температуру конденсации",
     "a condensation temperature"},
    {QuantityInletTemp, "quantity.inletTemp", "температуру воды на входе",
     "an inlet water temperature"},
    {QuantityHeight, "quantity.height", "высоту", "a height"},
    {QuantityDiameter, "quantity.diameter", "диаметр", "a diameter"},
    {QuantitySurfaceArea, "quantity.surfaceArea", "площадь поверхности", "a surface area"},
    {QuantityHeatLoad, "quantity.heatLoad", "тепловую нагрузку", "a heat load"},
    {QuantityWaterFlow, "quantity.waterFlow", "расход воды", "a water flow"},
    {QuantityOutletTemp, "quantity.outletTemp", "температуру воды на выходе",
     "an outlet water temperature"},
    {InUnitDegrees, "inUnit.degrees", "градусах", "degrees"},
    {InUnitCentimetres, "inUnit.centimetres", "сантиметрах", "centimetres"},
    {InUnitSquareCentimetres, "inUnit.squareCentimetres", "квадратных сантиметрах",
     "square centimetres"},
    {InUnitWatts, "inUnit.watts", "ваттах", "watts"},
    {InUnitLitresPerMinute, "inUnit.litresPerMinute", "литрах в минуту", "litres per minute"},
    {MarkNotANumber, "mark.notANumber", "Введите число в {unit}, например {example}.",
     "Enter a number in {unit}, for example {example}."},
    {MarkTooLarge, "mark.tooLarge",
     "Число слишком велико. Введите {quantity} в {unit}, например {example}.",
     "The number is too large. Enter {quantity} in {unit}, for example {example}."},
    {MarkNotAboveZero, "mark.notAboveZero", "Введите {quantity} больше нуля, например {example}.",
     "Enter {quantity} above zero, for example {example}."},
    {MarkOutletNotBelowCondensation, "mark.outletNotBelowCondensation",
     "Температура воды на выходе должна быть ниже температуры конденсации ({temp}\u00A0°С).",
     "The outlet water temperature must be below the condensation temperature ({temp}\u00A0°C)."},
    {MarkOutletNotAboveInlet, "mark.outletNotAboveInlet",
     "Температура воды на выходе должна быть выше температуры воды на входе ({temp}\u00A0°С).",
     "The outlet water temperature must be above the inlet water temperature ({temp}\u00A0°C)."},

    // What the window no longer takes silently. {limit} is a box's typing limit, {wanted} the text
    // typed or pasted, {kept} what the box keeps of it.
    {MarkAboveBoiling, "mark.aboveBoiling",
     "Вода кипит при 100\u00A0°С: температура конденсации должна быть не выше.",
     "Water boils at 100\u00A0°C: the condensation temperature must be no higher."},
    {MarkTypingCut, "mark.typingCut", "Не больше {limit} знаков: «{wanted}» сокращено до «{kept}».",
     "No more than {limit} characters: “{wanted}” was shortened to “{kept}”."},
    {ErrorShownBelowItsDecimals, "error.kind.shownBelowItsDecimals",
     "Ошибка вычисления: результат слишком мал, чтобы показать его числом.",
     "Calculation error: a result too small to show as a number."},
    {ErrorLoadBelowItsDecimals, "error.loadBelowItsDecimals",
     "Не удалось вычислить расход воды: тепловая нагрузка меньше 1\u00A0Вт, и по ней расход не "
     "вычислить. Задайте температуру воды на выходе заметно выше температуры на входе или "
     "увеличьте поверхность.",
     "Could not calculate the water flow: the heat load is below 1\u00A0W, too little to calculate "
     "a "
     "flow from. Set the outlet temperature clearly above the inlet temperature or increase the "
     "surface."},
    {ErrorAutonomousLoadBelowItsDecimals, "error.autonomousLoadBelowItsDecimals",
     "Не удалось вычислить расход воды автономного охлаждения: тепловая нагрузка меньше 1\u00A0Вт, "
     "и "
     "по ней расход не вычислить. Увеличьте поверхность. Внешнее охлаждение рассчитано.",
     "Could not calculate the water flow for autonomous cooling: the heat load is below 1\u00A0W, "
     "too "
     "little to calculate a flow from. Increase the surface. External cooling has been "
     "calculated."},

    // What a recalculation came to.
    {OutcomeHeatLoad, "outcome.heatLoad", "тепловая нагрузка {value}\u00A0Вт",
     "heat load {value}\u00A0W"},
    {OutcomeWaterFlow, "outcome.waterFlow", "расход воды {value}\u00A0л/\u2060мин",
     "water flow {value}\u00A0l/\u2060min"},
    {OutcomeOutletTemp, "outcome.outletTemp", "температура воды на выходе {value}\u00A0°С",
     "outlet water temperature {value}\u00A0°C"},
    {OutcomeArea, "outcome.area", "площадь {value}\u00A0см²", "area {value}\u00A0cm²"},
    {OutcomeResults, "outcome.results", "Результаты: {results}.", "Results: {results}."},
    {OutcomeNoResult, "outcome.noResult", "Нет результата.", "No result."},
    {OutcomeNoResultBecause, "outcome.noResultBecause", "Нет результата. {mark}",
     "No result. {mark}"},
    {OutcomeEmptyBox, "outcome.emptyBox", "Нет результата: не заполнено поле «{name}».",
     "No result: the box “{name}” is empty."},
    {OutcomeStopped, "outcome.stopped", "Расчёт остановлен ошибкой.",
     "The calculation stopped with an error."},

    // The design panel.
    {PanelEnter, "panel.enter", "Введите {quantity}.", "Enter {quantity}."},
    {PanelFlowNotReached, "panel.flowNotReached", "не достичь", "out of reach"},
    {PanelCondensationNotAboveInlet, "panel.condensationNotAboveInlet",
     "Температура конденсации должна быть выше температуры воды на входе.",
     "The condensation temperature must be above the inlet water temperature."},
    {PanelCalculationStopped, "panel.calculationStopped",
     "Расчёт остановлен ошибкой, поэтому характеристики нет.",
     "The calculation stopped with an error, so there is no curve."},
    {PanelNoCharacteristic, "panel.noCharacteristic", "Нет данных для характеристики.",
     "No data for the curve."},
    {PanelChartBeforeFirstRecalculation, "panel.chartBeforeFirstRecalculation",
     "График не построен: расчёта ещё не было.", "No chart yet: nothing has been calculated."},
    {PanelChart, "panel.chart",
     "График: тепловая нагрузка дефлегматора в ваттах в зависимости от расхода воды в литрах в "
     "минуту, от 0 до {flow}\u00A0л/\u2060мин, и температура воды на выходе. Предел поверхности "
     "{limit}\u00A0Вт.",
     "Chart: the heat load of the reflux condenser in watts against the cooling water flow in "
     "litres per minute, from 0 to {flow}\u00A0l/\u2060min, and the outlet water temperature. "
     "Surface limit "
     "{limit}\u00A0W."},
    {PanelChartResult, "panel.chartResult",
     "Результат расчёта: {flow}\u00A0л/\u2060мин, {load}\u00A0Вт.",
     "Calculated result: {flow}\u00A0l/\u2060min, {load}\u00A0W."},
    {PanelChartHeater, "panel.chartHeater", "Мощность нагрева {power}\u00A0Вт.",
     "Heater power {power}\u00A0W."},
    {PanelBeyondTheChart, "panel.beyondTheChart",
     "Дальше кривая почти горизонтальна: при {flow} — {load}\u00A0Вт, 95\u00A0% предела.",
     "Further on the curve is almost flat: at {flow}, {load}\u00A0W, 95% of the limit."},
    {FullReflux, "refluxRatio.full", "полная флегма", "full reflux"},

    // The section «У колонны».
    {ColumnBeforeFirstRecalculation, "column.beforeFirstRecalculation",
     "Числа появятся после расчёта (Enter).", "The numbers appear after a calculation (Enter)."},
    {ColumnEnterPower, "column.enterPower", "Введите мощность нагрева, Вт — число больше нуля.",
     "Enter the heater power in W, a number above zero."},
    {ColumnEnterTapFlow, "column.enterTapFlow",
     "Введите расход воды из крана, л/мин — число больше нуля.",
     "Enter the water flow from the tap in l/min, a number above zero."},
    {ColumnEnterRunHours, "column.enterRunHours", "Введите время перегонки, ч — число больше нуля.",
     "Enter the length of the run in hours, a number above zero."},
    {ColumnEnterTankVolume, "column.enterTankVolume", "Введите объём бака, л — число больше нуля.",
     "Enter the tank volume in litres, a number above zero."},
    {ColumnEnterTankStart, "column.enterTankStart",
     "Введите температуру воды в баке в начале, °С — число больше нуля.",
     "Enter the water temperature in the tank at the start in °C, a number above zero."},
    {ColumnEnterPumpFlow, "column.enterPumpFlow",
     "Введите расход насоса, л/мин — число больше нуля.",
     "Enter the pump flow in l/min, a number above zero."},
    {ColumnTankFailsAtOnce, "column.tankFailsAtOnce", "бак не справится с самого начала",
     "the tank cannot cope from the start"},
    {ColumnNoChart, "column.noChart", "График не построен. {why}", "No chart. {why}"},
    {ColumnTankTooWarm, "column.tankTooWarm",
     "Уже при {start}\u00A0°С насос на {pump}\u00A0л/\u2060мин не даёт дефлегматору "
     "сконденсировать нужные "
     "{load}\u00A0Вт. Увеличьте расход насоса или поверхность дефлегматора, или уменьшите мощность "
     "нагрева.",
     "Already at {start}\u00A0°C a pump at {pump}\u00A0l/\u2060min does not let the reflux "
     "condenser condense "
     "the {load}\u00A0W needed. Increase the pump flow or the condenser's surface, or lower the "
     "heater "
     "power."},
    {ColumnTankChart, "column.tankChart",
     "График: температура воды в баке растёт от {start}\u00A0°С до предела {limit}\u00A0°С за "
     "{time}.",
     "Chart: the water in the tank warms from {start}\u00A0°C to the limit of {limit}\u00A0°C in "
     "{time}."},
    {TankChartTime, "tankChart.time", "Время, ч", "Time, h"},
    {TankChartTimeMinutes, "tankChart.timeMinutes", "Время, мин", "Time, min"},
    {TankChartLimit, "tankChart.limit", "предел {temp}\u00A0°С", "limit {temp}\u00A0°C"},
    {ColumnTooLarge, "column.tooLarge",
     "Результат слишком велик, чтобы его показать: проверьте введённые числа.",
     "The result is too large to show: check the numbers entered."},

    // The section «Ваш дефлегматор».
    {DeviceWindow, "device.window", "как в окне", "as in the window"},
    {DeviceJacket, "device.jacket", "рубашка (кольцевой зазор)", "jacket (annular gap)"},
    {DeviceShell, "device.shell", "кожухотрубный", "shell and tube"},
    {DeviceCoil, "device.coil", "змеевик / Димрот", "coil / Dimroth"},
    {DeviceOwn, "device.own", "свой", "my own"},
    {SettingsEnterU, "settings.enterU", "Введите коэффициент теплопередачи U — число больше нуля.",
     "Enter the heat-transfer coefficient U, a number above zero."},
    {SettingsEnterC, "settings.enterC", "Введите теплоёмкость воды c — число больше нуля.",
     "Enter the heat capacity of water c, a number above zero."},
    {SettingsEnterCalibFlow, "settings.enterCalibFlow",
     "Введите расход воды при замере, л/мин — число больше нуля.",
     "Enter the water flow you measured in l/min, a number above zero."},
    {SettingsEnterCalibTin, "settings.enterCalibTin",
     "Введите температуру воды на входе при замере, °С — число больше нуля.",
     "Enter the inlet water temperature you measured in °C, a number above zero."},
    {SettingsEnterCalibTout, "settings.enterCalibTout",
     "Введите температуру воды на выходе при замере, °С — число больше нуля.",
     "Enter the outlet water temperature you measured in °C, a number above zero."},
    {SettingsWindowNeeded, "settings.windowNeeded",
     "Температура конденсации и поверхность берутся из окна. {reason}",
     "The condensation temperature and the surface come from the window. {reason}"},
    {SettingsNoCoefficient, "settings.noCoefficient",
     "Из этих замеров коэффициент не получается: проверьте числа.",
     "These measurements give no coefficient: check the numbers."},
    {SettingsUsualRange, "settings.usualRange", "обычно {low}–{high}\u00A0Вт/(м²·К)",
     "usually {low}–{high}\u00A0W/(m²·K)"},
    {SettingsOutletNotBetween, "settings.outletNotBetween",
     "Температура на выходе должна быть выше температуры на входе ({tin}) и ниже температуры "
     "конденсации в окне ({tc}).",
     "The outlet temperature must be above the inlet temperature ({tin}) and below the "
     "condensation temperature in the window ({tc})."},
    {SettingsCalibrated, "settings.calibrated", "U = {u}\u00A0Вт/(м²·К): панель считает с ним.",
     "U = {u}\u00A0W/(m²·K): the panel now calculates with it."},
    {SettingsCalibratedUnusual, "settings.calibratedUnusual",
     "U = {u}\u00A0Вт/(м²·К) вне обычных {low}–{high}: так бывает при ошибке замера. Проверьте "
     "расход "
     "и температуры. Значение принято.",
     "U = {u}\u00A0W/(m²·K) is outside the usual {low}–{high}: this happens when a measurement is "
     "off. Check the flow and the temperatures. The value is accepted."},

    // The panel's verdict, its note under the window, flows beyond a tap, the heater power's
    // source, a calibration waiting for confirmation or undone.
    {PanelVerdictHolds, "panel.verdictHolds",
     "{power}\u00A0Вт: дефлегматор удержит полную флегму при расходе от {flow}\u00A0л/\u2060мин (U "
     "= {u}, "
     "c = {c}).",
     "{power}\u00A0W: the reflux condenser holds full reflux at a cooling water flow from "
     "{flow}\u00A0l/\u2060min "
     "(U = {u}, c = {c})."},
    {PanelVerdictHoldsImpractical, "panel.verdictHoldsImpractical",
     "{power}\u00A0Вт: дефлегматор удержит полную флегму только при расходе от "
     "{flow}\u00A0л/\u2060мин, а кран "
     "обычно даёт не больше {max}\u00A0л/\u2060мин (U = {u}, c = {c}).",
     "{power}\u00A0W: the reflux condenser holds full reflux only at a cooling water flow from "
     "{flow}\u00A0l/\u2060min, and a tap seldom gives more than {max}\u00A0l/\u2060min (U = {u}, c "
     "= {c})."},
    {PanelVerdictFails, "panel.verdictFails",
     "{power}\u00A0Вт: не удержит — предел {limit}\u00A0Вт при U = {u}, c = {c}.",
     "{power}\u00A0W: it cannot hold it — the limit is {limit}\u00A0W at U = {u}, c = {c}."},
    {PanelImpracticalFlow, "panel.impracticalFlow",
     "{flow}: больше {max}\u00A0л/\u2060мин, кран не даст",
     "{flow}: over {max}\u00A0l/\u2060min, beyond a tap"},
    {PanelFlowInSentence, "panel.flowInSentence", "{flow}\u00A0л/\u2060мин",
     "{flow}\u00A0l/\u2060min"},
    {PanelImpracticalFlowInSentence, "panel.impracticalFlowInSentence",
     "{flow}\u00A0л/\u2060мин (больше {max}\u00A0л/\u2060мин, кран не даст)",
     "{flow}\u00A0l/\u2060min (over {max}\u00A0l/\u2060min, beyond a tap)"},
    {PanelWindowNote, "panel.windowNote",
     "Окно считает с U = {windowU} и c = {windowC}, панель — с U = {u} и c = {c}. С U и c панели "
     "те же данные дают: {results}.",
     "The window calculates with U = {windowU} and c = {windowC}, the panel with U = {u} and "
     "c = {c}. With the panel's U and c the same inputs give: {results}."},
    {PanelWindowResults, "panel.windowResults", "{load}\u00A0Вт, {flow}, {temp}\u00A0°С",
     "{load}\u00A0W, {flow}, {temp}\u00A0°C"},
    {PanelWindowBeyond, "panel.windowBeyond", "{load}\u00A0Вт не удержать, предел {limit}\u00A0Вт",
     "{load}\u00A0W cannot be held, the limit is {limit}\u00A0W"},
    {ColumnPowerFromWindow, "column.powerFromWindow", "из окна, {power}\u00A0Вт",
     "from the window, {power}\u00A0W"},
    {SettingsCalibrationPending, "settings.calibrationPending",
     "U = {u}\u00A0Вт/(м²·К) вне обычных {low}–{high}: так бывает при ошибке замера. Проверьте "
     "расход "
     "и температуры. U панели пока прежний ({previous}); «Всё равно принять» поставит {u}.",
     "U = {u}\u00A0W/(m²·K) is outside the usual {low}–{high}: this happens when a measurement is "
     "off. "
     "Check the flow and the temperatures. The panel keeps its U ({previous}) for now; “Accept "
     "anyway” sets {u}."},
    {SettingsCalibrationUndone, "settings.calibrationUndone",
     "U = {u}\u00A0Вт/(м²·К), как до последнего замера.",
     "U = {u}\u00A0W/(m²·K), as before the last measurement."},

    // A share link that cannot be read: the sentence, and what {problem} says.
    {LinkUnread, "link.unread",
     "Ссылка на расчёт не прочитана: {problem}. Окно показано в начальном состоянии.",
     "The link to a calculation could not be read: {problem}. The window is shown as at start."},
    {LinkNoValue, "link.noValue", "«{what}» без значения", "“{what}” has no value"},
    {LinkTwice, "link.twice", "«{what}» указано дважды", "“{what}” is given twice"},
    {LinkBadEscape, "link.badEscape", "неверная %-запись в «{what}»",
     "a broken %-escape in “{what}”"},
    {LinkNotUtf8, "link.notUtf8", "в «{what}» не текст в UTF-8", "“{what}” is not UTF-8 text"},
    {LinkUnknownChoice, "link.unknownChoice", "неизвестное значение «{what}», возможны {more}",
     "an unknown value “{what}”, possible: {more}"},
    {LinkTooLong, "link.tooLong", "«{what}» длиннее {more} знаков",
     "“{what}” is longer than {more} characters"},
    {LinkAreaAndHeight, "link.areaAndHeight",
     "указаны и площадь («a»), и высота или диаметр («h», «d»)",
     "both the area (“a”) and the height or diameter (“h”, “d”) are given"},
});

// The page's own texts. A key names one text wherever it stands; texts are single-spaced, as the
// page shows them.
constexpr auto kPageTexts = std::to_array<PageTextEntry>({
    {"page.lang", "ru", "en"},
    {"page.guide", "guide.html", "guide-en.html"},
    {"page.manifest", "manifest.webmanifest", "manifest-en.webmanifest"},
    {"page.title", "Расчёт дефлегматора", "Reflux condenser calculator"},
    {"page.shortName", "Дефлегматор", "Dephlegmator"},
    {"page.description",
     "Расчёт водяного дефлегматора: тепловая нагрузка, расход и температура воды.",
     "Sizing a water-cooled reflux condenser (dephlegmator): heat load, cooling water flow and "
     "temperature."},
    {"page.help", "Справка", "Help"},
    {"page.languages", "Язык", "Language"},
    {"page.share", "Ссылка на расчёт", "Link to this calculation"},
    {"page.shareCopied", "Ссылка на расчёт скопирована.",
     "The link to this calculation has been copied."},
    {"page.shareInAddress", "Ссылка на расчёт — в адресной строке: скопируйте её оттуда.",
     "The link to this calculation is in the address bar: copy it from there."},
    {"page.ok", "ОК", "OK"},
    {"unit.watts", "Вт", "W"},
    {"unit.litres", "л", "l"},
    {"unit.heatTransfer", "Вт/(м²·К)", "W/(m²·K)"},
    {"unit.litresPerMinute", "л/\u2060мин", "l/\u2060min"},
    {"unit.squareCentimetres", "см²", "cm²"},
    // The strip of results on a narrow screen, and a printout's note.
    {"strip.load", "Нагрузка", "Heat load"},
    {"strip.flow", "Расход", "Flow"},
    {"strip.outlet", "На выходе", "Outlet"},
    {"strip.area", "Площадь", "Area"},
    {"page.printed", "Напечатано", "Printed"},

    // The design panel.
    {"panel.title", "Характеристика дефлегматора", "Reflux condenser performance"},
    {"panel.waiting", "Характеристика появится после расчёта (Enter).",
     "The performance chart appears after a calculation (Enter)."},
    {"panel.legendLoad", "тепловая нагрузка", "heat load"},
    {"panel.legendOutlet", "Т воды на выходе", "outlet water temperature"},
    {"panel.legendResult", "результат расчёта", "calculated result"},
    {"panel.surfaceLimit", "Предел поверхности:", "Surface limit:"},
    {"panel.heaterHint",
     "Расход для флегмового числа и поверхность для мощности нагрева показываются, когда "
     "предполагается «Тепловая нагрузка».",
     "The water flow for each reflux ratio and the surface for the heater power are shown when "
     "the given quantity is “Heat load”."},
    {"panel.refluxCaption", "Расход воды для флегмового числа R", "Water flow for reflux ratio R"},
    {"panel.refluxFlow", "Расход, л/мин", "Flow, l/min"},
    {"panel.sizingCaption", "Поверхность для мощности нагрева", "Surface for the heater power"},
    {"panel.sizingArea", "Площадь, см²", "Area, cm²"},
    {"panel.sizingHeight", "Высота, см", "Height, cm"},
    {"panel.sizingAt10K", "вода нагревается на 10\u00A0К", "water warms by 10\u00A0K"},
    {"panel.sizingLeast", "наименьшая, при любом расходе", "smallest, at any flow"},
    {"panel.assumptions",
     "Допущения: вся мощность нагрева идёт в пар, потери тепла не учитываются.",
     "Assumptions: all the heater power goes into vapour; heat losses are not counted."},
    {"chart.flowAxis", "Расход воды, л/мин", "Water flow, l/min"},
    {"chart.loadAxis", "Тепловая нагрузка, Вт", "Heat load, W"},
    {"chart.outletAxis", "Т воды на выходе, °С", "Outlet water, °C"},
    {"chart.limit", "предел поверхности", "surface limit"},
    {"chart.heater", "мощность нагрева", "heater power"},
    {"chart.none", "График не построен.", "No chart."},

    // The section «У колонны».
    {"column.title", "У колонны", "At the column"},
    {"column.power", "Мощность нагрева, Вт", "Heater power, W"},
    {"column.powerNote",
     "Когда в окне предполагается «Тепловая нагрузка», каждый пересчёт ставит сюда её значение.",
     "When the window's given quantity is “Heat load”, each calculation puts its value here."},
    {"column.tap", "Кран и флегмовое число", "Tap and reflux ratio"},
    {"column.waterFlow", "Расход воды, л/мин", "Cooling water flow, l/min"},
    {"column.condenses", "Дефлегматор конденсирует", "The reflux condenser condenses"},
    {"column.outlet", "Вода на выходе", "Outlet water"},
    {"column.reflux", "Флегмовое число", "Reflux ratio"},
    {"column.run", "Вода за перегонку", "Water for the whole run"},
    {"column.runHours", "Время перегонки, ч", "Run time, h"},
    {"column.runWater", "Уйдёт воды", "Water used"},
    {"column.tank", "Бак с насосом", "Tank with a pump"},
    {"column.tankVolume", "Объём бака, л", "Tank volume, l"},
    {"column.tankStart", "Вода в баке в начале, °С", "Tank water at the start, °C"},
    {"column.tankStartNote", "Пока вы не ввели своё, здесь температура воды на входе из окна.",
     "Until you enter your own, this is the window's inlet water temperature."},
    {"column.pumpFlow", "Расход насоса, л/мин", "Pump flow, l/min"},
    {"column.tankReflux", "Держать флегмовое число", "Reflux ratio to hold"},
    {"column.tankLimit", "Предельная температура бака", "Highest usable tank temperature"},
    {"column.tankTime", "Бак продержится", "The tank lasts"},
    {"column.assumptions",
     "Допущения: вся мощность нагрева уходит в бак — дефлегматор и холодильник отбора "
     "охлаждаются из одного контура; вода в баке хорошо перемешана; бак не теряет тепла. Поэтому "
     "настоящий бак продержится немного дольше.",
     "Assumptions: all the heater power goes into the tank, as the reflux condenser and the "
     "product condenser are cooled from one circuit; the tank's water is well mixed; the tank "
     "loses no heat. A real tank therefore lasts a little longer."},

    // The section «Ваш дефлегматор».
    {"device.title", "Ваш дефлегматор", "Your reflux condenser"},
    {"device.note",
     "Числа панели считаются с этими U и c; окно всегда считает с U = 680 и c = 3760.",
     "The panel's numbers use this U and c; the window always uses U = 680 and c = 3760."},
    {"device.type", "Тип", "Type"},
    {"device.u", "U, Вт/(м²·К)", "U, W/(m²·K)"},
    {"device.c", "c, Дж/(л·К)", "c, J/(l·K)"},
    {"device.cNote",
     "У воды около 4180 при 10–60\u00A0°С; с 3760 расходы примерно на 11\u00A0% больше.",
     "Water has about 4180 at 10–60\u00A0°C; with 3760 the flows come out about 11% higher."},
    {"device.calibration", "U по замеру на вашей колонне", "U measured on your column"},
    {"device.calibrationHow",
     "В установившемся режиме замерьте расход воды (мерной кружкой и часами) и её температуры на "
     "входе и на выходе. Температуру конденсации и поверхность панель берёт из окна, мощность "
     "нагрева не нужна.",
     "In steady running, measure the cooling water flow (with a measuring jug and a watch) and "
     "its inlet and outlet temperatures. The panel takes the condensation temperature and the "
     "surface from the window; the heater power is not needed."},
    {"device.calibInlet", "Вода на входе, °С", "Inlet water, °C"},
    {"device.calibOutlet", "Вода на выходе, °С", "Outlet water, °C"},
    {"device.calibrate", "Рассчитать U", "Calculate U"},
    {"device.measuredU", "U по замеру:", "Measured U:"},
    {"device.stored", "Эти числа хранятся только в этом браузере.",
     "These numbers are kept only in this browser."},
    {"device.reset", "Сбросить", "Reset"},
    {"device.acceptAnyway", "Всё равно принять", "Accept anyway"},
    {"device.undoCalibration", "Вернуть прежний U", "Restore the previous U"},
});

constexpr bool InTextOrder() {
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        if (static_cast<std::size_t>(kTexts.at(i).id) != i) return false;
    }
    return kTexts.size() == static_cast<std::size_t>(LinkAreaAndHeight) + 1;
}
static_assert(InTextOrder(), "one entry per Text, in Text order");

// The placeholders of a pattern, "{name}" each, in order.
std::vector<std::string_view> Placeholders(std::string_view pattern) {
    std::vector<std::string_view> found;
    for (std::size_t open = pattern.find('{'); open != std::string_view::npos;
         open = pattern.find('{', open + 1)) {
        const std::size_t close = pattern.find('}', open);
        if (close == std::string_view::npos) break;
        found.push_back(pattern.substr(open, close - open + 1));
    }
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace

std::span<const TextEntry> Catalogue() {
    return kTexts;
}

std::span<const PageTextEntry> PageTexts() {
    return kPageTexts;
}

std::string_view Tr(Text text, Language language) {
    const TextEntry& entry = kTexts.at(static_cast<std::size_t>(text));
    return language == Language::English ? entry.english : entry.russian;
}

std::string_view Tr(Text text) {
    return Tr(text, CurrentLanguage());
}

std::string Fill(Text text, std::initializer_list<Filling> values) {
    const std::string_view pattern = Tr(text);
    std::string out;
    out.reserve(pattern.size());
    std::size_t done = 0;
    for (std::size_t open = pattern.find('{'); open != std::string_view::npos;
         open = pattern.find('{', open + 1)) {
        const std::size_t close = pattern.find('}', open);
        if (close == std::string_view::npos) break;
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const auto* value =
            std::find_if(values.begin(), values.end(),
                         [name](const Filling& filling) { return filling.first == name; });
        if (value == values.end()) continue;
        out.append(pattern.substr(done, open - done)).append(value->second);
        done = close + 1;
        open = close;
    }
    return out.append(pattern.substr(done));
}

std::string WithUnit(std::string_view number, Text unit) {
    std::string out(number);
    return out.append("\u00A0").append(Tr(unit));
}

std::vector<std::string> CatalogueFaults(std::span<const TextEntry> catalogue) {
    std::vector<std::string> faults;
    std::set<std::string_view> keys;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const TextEntry& entry = catalogue[i];
        const std::string key =
            entry.key.empty() ? "#" + std::to_string(i) : std::string(entry.key);
        if (static_cast<std::size_t>(entry.id) != i) faults.push_back(key + ": out of order");
        if (entry.key.empty()) faults.push_back(key + ": no key");
        if (!entry.key.empty() && !keys.insert(entry.key).second) {
            faults.push_back(key + ": the key is used twice");
        }
        if (entry.russian.empty()) faults.push_back(key + ": no Russian text");
        if (entry.english.empty()) faults.push_back(key + ": no English text");
        if (Placeholders(entry.russian) != Placeholders(entry.english)) {
            faults.push_back(key + ": the languages have different placeholders");
        }
    }
    return faults;
}

}  // namespace dephlegmator
