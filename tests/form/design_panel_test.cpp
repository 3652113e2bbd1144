// The design panel after a recalculation: the example's numbers, and «—» with the reason where
// there are none.
#include <string>

#include "design_panel.h"
#include "form_driver.h"

namespace dephlegmator {
namespace {

using testing::FormDriver;

DesignPanel PanelAfterEnter(FormDriver& form) {
    form.Enter();
    return BuildDesignPanel(form.modes.lastInputs(), form.window, form.modes.state(),
                            form.modes.lastCalculationFailed());
}

void TypeExample(FormDriver& form, const char* heatLoad) {  // «СС» 88, 20, 80 cm × 5 cm
    form.window.boxes.set(Box::Text1, "88").set(Box::Text2, "20").set(Box::Text3, "80");
    form.window.boxes.set(Box::Text4, "5").set(Box::Text6, heatLoad);
    form.Click("Option7");
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
    EXPECT_EQ(panel.curve.beyond,
              "Дальше кривая почти горизонтальна: при 13.2\u00A0л/\u2060мин — 5520\u00A0Вт, "
              "95\u00A0% предела.");
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
        return BuildDesignPanel(form.modes.lastInputs(), form.window, form.modes.state(),
                                form.modes.lastCalculationFailed(), coefficients);
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

}  // namespace
}  // namespace dephlegmator
