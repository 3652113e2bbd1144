// The design panel after a recalculation: the example's numbers, and «—» with the reason where
// there are none.
#include <string>
#include <utility>

#include "design_panel.h"
#include "form_driver.h"

namespace dephlegmator {
namespace {

using testing::FormDriver;

// The panel of the form's last calculation, with the panel's own inputs, if any, after those:
// PanelOf(form, PanelCoefficients{1000, 4180, {}}).
template <class... PanelInputs>
DesignPanel PanelOf(FormDriver& form, PanelInputs&&... panelInputs) {
    return BuildDesignPanel(form.modes.lastInputs(), form.window, form.modes.state(),
                            form.modes.lastCalculationFailed(),
                            std::forward<PanelInputs>(panelInputs)...);
}

DesignPanel PanelAfterEnter(FormDriver& form) {
    form.Enter();
    return PanelOf(form);
}

void TypeExample(FormDriver& form, const char* heatLoad) {  // «СС» 88, 20, 80 cm × 5 cm
    form.window.boxes.set(Box::Text1, "88").set(Box::Text2, "20").set(Box::Text3, "80");
    form.window.boxes.set(Box::Text4, "5").set(Box::Text6, heatLoad);
    form.Click("Option7");
}

// The reflux table at the heater's power less the column's losses: 2000 W less 150 gives the
// flows of 1850 W, and each row the take-off its R leaves; without a number of losses, «—».
TEST(DesignPanel, RefluxTableTakesTheLossesOff) {
    const auto table = [](const char* heatLoad, std::optional<double> losses) {
        FormDriver form;
        TypeExample(form, heatLoad);
        form.Enter();
        const DesignPanel panel =
            PanelOf(form, PanelCoefficients{}, std::nullopt, std::nullopt, losses);
        std::string rows;
        for (const RefluxFlow& row : panel.reflux) {
            rows += std::string(row.takeOffId) + " " + row.flow + " " + row.takeOff + "; ";
        }
        return rows;
    };
    // 88 °C: 2992 ml/h per kW of take-off heat; R 3 at 1850 W leaves 462.5 W, ≈ 1384 ml/h.
    EXPECT_EQ(table("2000", 150), table("1850", 0));
    EXPECT_NE(table("2000", 150).find("RefluxTakeOff3 0.33 1384; "), std::string::npos)
        << table("2000", 150);
    EXPECT_NE(table("2000", 150).find("RefluxTakeOffFull 0.46 0; "), std::string::npos);
    EXPECT_EQ(table("2000", std::nullopt),
              "RefluxTakeOff1 — —; RefluxTakeOff2 — —; RefluxTakeOff3 — —; RefluxTakeOff5 — —; "
              "RefluxTakeOff10 — —; RefluxTakeOffFull — —; ");
}

TEST(DesignPanel, HeaterExample) {
    FormDriver form;
    TypeExample(form, "2000");
    const DesignPanel panel = PanelAfterEnter(form);
    ASSERT_TRUE(panel.available) << panel.reason;
    EXPECT_EQ(panel.maxLoad, "5811");
    const char* flows[] = {"0.24", "0.32", "0.36", "0.41", "0.45", "0.5"};
    for (std::size_t i = 0; i < panel.reflux.size(); ++i) {
        EXPECT_EQ(panel.reflux[i].flow, flows[i]) << panel.reflux[i].id;
    }
    EXPECT_EQ(panel.reflux.back().flow, form.window.text(Box::Text8));
    EXPECT_EQ(panel.areaAt10K, "468");
    EXPECT_EQ(panel.heightAt10K, "29.8");
    EXPECT_EQ(panel.areaMin, "433");
    EXPECT_EQ(panel.heightMin, "27.5");

    const ControlCurveChart& chart = panel.curve.chart;
    ASSERT_TRUE(chart.result && chart.heaterPower);
    EXPECT_EQ(chart.result->flow, 0.5);  // the window's Text8 and Text7
    EXPECT_EQ(chart.result->load, 2000);
    EXPECT_EQ(*chart.heaterPower, 2000);
    ASSERT_EQ(panel.curve.refluxMarks.size(), kRefluxRatios.size()) << "all on the drawn curve";
    EXPECT_EQ(panel.curve.refluxMarks.front().label, "R 1");
    EXPECT_EQ(panel.curve.refluxMarks.front().load, 1000);
    EXPECT_EQ(panel.curve.refluxMarks.back().load, 2000);
    EXPECT_EQ(
        panel.curve.beyond,
        "Дальше кривая почти горизонтальна: при 13.2\u00A0л/\u2060мин (больше 5\u00A0л/\u2060мин, "
        "кран не даст) — 5520\u00A0Вт, 95\u00A0% предела.");
    EXPECT_EQ(panel.curve.flowLabels.size(), chart.flow.ticks.size());
    EXPECT_EQ(panel.curve.loadLabels.back(), "7000");
    EXPECT_EQ(panel.curve.tempLabels.front(), "20");
    EXPECT_EQ(panel.curve.description,
              "График: тепловая нагрузка дефлегматора в ваттах в зависимости от расхода воды в "
              "литрах в минуту, от 0 до 1.6\u00A0л/\u2060мин, и температура воды на выходе. Предел "
              "поверхности "
              "5811\u00A0Вт. Результат расчёта: 0.5\u00A0л/\u2060мин, 2000\u00A0Вт. Мощность "
              "нагрева 2000\u00A0Вт.");
}

// The panel's own U and c replace the window's in every number, and a problem with them leaves
// the panel without numbers.
TEST(DesignPanel, TakesThePanelsCoefficients) {
    FormDriver form;
    TypeExample(form, "2000");
    form.Enter();
    const auto build = [&form](const PanelCoefficients& coefficients) {
        return PanelOf(form, coefficients);
    };
    const DesignPanel panel = build({1000, 4180, {}});
    ASSERT_TRUE(panel.available) << panel.reason;
    EXPECT_EQ(panel.maxLoad, "8545");
    EXPECT_EQ(panel.areaMin, "294");  // 2000 / (1000 × 68) m²
    EXPECT_FALSE(panel.curve.chart.result) << "the window's result is not on this curve";
    EXPECT_TRUE(build({}).curve.chart.result);
    const DesignPanel refused = build({1000, 4180, "Введите U."});
    EXPECT_FALSE(refused.available);
    EXPECT_EQ(refused.reason, "Введите U.");
    EXPECT_EQ(refused.maxLoad, "—");
}

TEST(DesignPanel, NumbersUseTheRegionalSeparator) {
    FormDriver form;
    form.window.boxes.separator(",");
    TypeExample(form, "5000");
    const DesignPanel panel = PanelAfterEnter(form);
    ASSERT_TRUE(panel.available) << panel.reason;
    EXPECT_EQ(panel.reflux[0].flow, "0,68");
    EXPECT_EQ(panel.heightMin, "68,8");
    for (const std::string& label : panel.curve.flowLabels) {
        EXPECT_EQ(label.find('.'), std::string::npos) << label;
    }
}

TEST(DesignPanel, OtherModesDrawTheCurveOnly) {
    FormDriver form;
    form.window.boxes.set(Box::Text1, "78").set(Box::Text2, "15").set(Box::Text5, "1500");
    form.window.boxes.set(Box::Text6, "40");
    form.Click("Option5");
    const DesignPanel panel = PanelAfterEnter(form);
    ASSERT_TRUE(panel.available) << panel.reason;
    EXPECT_FALSE(panel.heatLoadMode);
    EXPECT_FALSE(panel.heightDiameterMode);
    EXPECT_FALSE(panel.curve.chart.heaterPower);
    EXPECT_EQ(panel.reflux[0].flow, kNoNumber);
    ASSERT_TRUE(panel.curve.chart.result);
    EXPECT_EQ(panel.curve.chart.result->flow, 3.22);
    EXPECT_EQ(panel.curve.chart.result->load, 5044);
}

// The reason names the first box out of range, as its input test finds it; a condensation
// temperature not above the inlet's comes before an outlet temperature not between them.
TEST(DesignPanel, NoNumbersWithoutUsableInputs) {
    struct Case {
        const char* name;
        const char* given;  // the option of the given quantity
        const char* tc;
        const char* tin;
        const char* height;
        const char* value;  // Text6
        const char* reason;
    };
    const Case cases[] = {
        {"empty inlet", "Option7", "88", "", "80", "2000", "Введите температуру воды на входе."},
        {"no height", "Option7", "88", "20", "-3", "2000",
         "Введите высоту больше нуля, например 100."},
        {"no load", "Option7", "88", "20", "80", "0",
         "Введите тепловую нагрузку больше нуля, например 1500."},
        {"no flow", "Option8", "88", "20", "80", "abc",
         "Введите число в литрах в минуту, например 1.5."},
        {"no outlet", "Option6", "88", "20", "80", "", "Введите температуру воды на выходе."},
        {"inlet before height", "Option7", "88", "0", "0", "2000",
         "Введите температуру воды на входе больше нуля, например 15."},
        {"unreadable height", "Option7", "88", "20", "1E309", "2000",
         "Число слишком велико. Введите высоту в сантиметрах, например 100."},
        {"condensation below inlet", "Option7", "15", "20", "80", "2000",
         "Температура конденсации должна быть выше температуры воды на входе."},
        {"condensation below inlet, outlet given", "Option6", "15", "20", "80", "18",
         "Температура конденсации должна быть выше температуры воды на входе."},
        {"outlet above condensation", "Option6", "88", "20", "80", "95",
         "Температура воды на выходе должна быть ниже температуры конденсации (88\u00A0°С)."},
        {"calculation failed", "Option7", "88", "20", "80", "9000",
         "Расчёт остановлен ошибкой, поэтому характеристики нет."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormDriver form;
        TypeExample(form, c.value);
        form.Click(c.given);
        form.window.boxes.set(Box::Text1, c.tc).set(Box::Text2, c.tin).set(Box::Text3, c.height);
        const DesignPanel panel = PanelAfterEnter(form);
        EXPECT_FALSE(panel.available);
        EXPECT_EQ(panel.reason, c.reason);
        EXPECT_EQ(panel.maxLoad, kNoNumber);
        EXPECT_EQ(panel.reflux[0].flow, kNoNumber);
        EXPECT_EQ(panel.areaMin, kNoNumber);
        EXPECT_TRUE(panel.curve.chart.points.empty());
        // The rows of the window's modes stay, so that each shows «—».
        EXPECT_EQ(panel.heatLoadMode, std::string(c.given) == "Option7");
        EXPECT_TRUE(panel.heightDiameterMode);
        EXPECT_EQ(panel.heightMin, kNoNumber);
    }
}

TEST(DesignPanel, AreaModeAsksForTheArea) {
    FormDriver form;
    TypeExample(form, "2000");
    form.Click("Option5");
    const DesignPanel panel = PanelAfterEnter(form);
    EXPECT_EQ(panel.reason, "Введите площадь поверхности.");
    EXPECT_FALSE(panel.heightDiameterMode);
}

// One answer for the heater's power, with the U and c it rests on, and the reflux flows beyond a
// tap marked: the heater example under the window's U, a jacket's and a poorer one.
TEST(DesignPanel, AnswersWhetherItHoldsTheHeater) {
    FormDriver form;
    TypeExample(form, "2000");
    form.Enter();
    struct Case {
        double u;
        const char* verdict;
        bool holds;
        const char* fullRefluxFlow;
        bool impractical;
    };
    const Case cases[] = {
        {680,
         "2000\u00A0Вт: дефлегматор удержит полную флегму при расходе от 0.5\u00A0л/\u2060мин (U = "
         "680, c = 3760).",
         true, "0.5", false},
        {245,
         "2000\u00A0Вт: дефлегматор удержит полную флегму только при расходе от "
         "5.34\u00A0л/\u2060мин, а кран "
         "обычно даёт не больше 5\u00A0л/\u2060мин (U = 245, c = 3760).",
         true, "5.34: больше 5\u00A0л/\u2060мин, кран не даст", true},
        {200, "2000\u00A0Вт: не удержит — предел 1709\u00A0Вт при U = 200, c = 3760.", false,
         "не достичь", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.u);
        const DesignPanel panel = PanelOf(form, PanelCoefficients{c.u, 3760, {}});
        EXPECT_EQ(panel.verdict, c.verdict);
        EXPECT_EQ(panel.holds, c.holds);
        EXPECT_EQ(panel.reflux.back().flow, c.fullRefluxFlow);
        EXPECT_EQ(panel.reflux.back().impractical, c.impractical);
    }
}

// Outside heat-load mode the verdict is for the power given at the column, if any.
TEST(DesignPanel, AnswersForThePowerAtTheColumn) {
    FormDriver form;
    TypeExample(form, "40");
    form.Click("Option6");
    form.Enter();
    const auto verdict = [&form](std::optional<double> power) {
        return PanelOf(form, PanelCoefficients{}, std::nullopt, power).verdict;
    };
    EXPECT_EQ(verdict(std::nullopt), "");
    EXPECT_EQ(verdict(2000),
              "2000\u00A0Вт: дефлегматор удержит полную флегму при расходе от 0.5\u00A0л/\u2060мин "
              "(U = 680, c = "
              "3760).");
}

// The verdict counts the vapour that reaches the dephlegmator: the heater's power less the
// column's losses, as the reflux table does; none where the losses are unreadable or take it all.
TEST(DesignPanel, TheVerdictIsForTheVapourLeftAfterTheLosses) {
    FormDriver form;
    TypeExample(form, "40");
    form.Click("Option6");
    form.Enter();
    const auto verdict = [&form](std::optional<double> losses) {
        return PanelOf(form, PanelCoefficients{}, std::nullopt, 2000.0, losses).verdict;
    };
    EXPECT_EQ(
        verdict(150),
        "1850\u00A0Вт: дефлегматор удержит полную флегму при расходе от 0.46\u00A0л/\u2060мин "
        "(U = 680, c = 3760). Это пар при нагреве 2000\u00A0Вт за вычетом потерь 150\u00A0Вт.");
    EXPECT_EQ(verdict(std::nullopt), "");
    EXPECT_EQ(verdict(2000), "");
    EXPECT_EQ(verdict(0).find("Это пар"), std::string::npos);
}

// Where the panel's U or c are not the window's, a note says so and what the panel's give for
// the window's inputs, in each of the window's modes.
TEST(DesignPanel, SaysWhatItsCoefficientsGiveTheWindow) {
    struct Case {
        const char* option;
        const char* value;
        PanelCoefficients coefficients;
        const char* results;  // "" where there is no note
    };
    const Case cases[] = {
        {"Option7", "2000", {}, ""},
        {"Option7",
         "2000",
         {350, 3760, {}},
         "U = 350 и c = 3760. С U и c панели те же данные дают: 2000\u00A0Вт, "
         "0.81\u00A0л/\u2060мин, 59\u00A0°С."},
        {"Option7",
         "2000",
         {245, 3760, {}},
         "U = 245 и c = 3760. С U и c панели те же данные дают: 2000\u00A0Вт, "
         "5.34\u00A0л/\u2060мин (больше 5\u00A0л/\u2060мин, "
         "кран не даст), 26\u00A0°С."},
        {"Option7",
         "2000",
         {200, 3760, {}},
         "U = 200 и c = 3760. С U и c панели те же данные дают: 2000\u00A0Вт не удержать, предел "
         "1709\u00A0Вт."},
        {"Option6",
         "40",
         {350, 3760, {}},
         "U = 350 и c = 3760. С U и c панели те же данные дают: 2525\u00A0Вт, "
         "2.01\u00A0л/\u2060мин, 40\u00A0°С."},
        {"Option8",
         "1",
         {680, 4180, {}},
         "U = 680 и c = 4180. С U и c панели те же данные дают: 3348\u00A0Вт, 1\u00A0л/\u2060мин, "
         "68\u00A0°С."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.value);
        FormDriver form;
        TypeExample(form, c.value);
        form.Click(c.option);
        form.Enter();
        const DesignPanel panel = PanelOf(form, c.coefficients);
        ASSERT_TRUE(panel.available) << panel.reason;
        if (*c.results == '\0') {
            EXPECT_EQ(panel.windowNote, "");
            continue;
        }
        EXPECT_EQ(panel.windowNote,
                  "Окно считает с U = 680 и c = 3760, панель — с " + std::string(c.results));
    }
}

TEST(DesignPanel, MarksAFlowBeyondATap) {
    const struct {
        double flow;
        const char* text;
    } cases[] = {{0.857, "0.86"},
                 {5, "5"},
                 {5.004, "5"},
                 {5.006, "5.01: больше 5\u00A0л/\u2060мин, кран не даст"},
                 {29.09, "29.09: больше 5\u00A0л/\u2060мин, кран не даст"}};
    for (const auto& c : cases) EXPECT_EQ(PanelFlowText(c.flow, "."), c.text) << c.flow;
}

}  // namespace
}  // namespace dephlegmator
