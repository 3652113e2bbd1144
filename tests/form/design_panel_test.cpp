// The design panel after a recalculation: the example's numbers, and «—» where there are none.
#include <string>

#include "design_panel.h"
#include "form_driver.h"

namespace dephlegmator {
namespace {

using testing::FormDriver;

DesignPanel PanelAfterEnter(FormDriver& form) {
    form.Enter();
    return BuildDesignPanel(form.window, form.modes.state(), !form.window.errors.empty());
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

    const ControlCurve& curve = panel.curve;
    ASSERT_TRUE(curve.result && curve.heaterPower);
    EXPECT_EQ(curve.result->flow, 0.5);  // the window's Text8 and Text7
    EXPECT_EQ(curve.result->load, 2000);
    EXPECT_EQ(*curve.heaterPower, 2000);
    EXPECT_GE(curve.flowAxisMax, 0.75);
    EXPECT_GE(curve.loadAxisMax, curve.maxLoad);
    EXPECT_EQ(curve.points.front().load, 0);
    EXPECT_GE(curve.points.back().load, 0.95 * curve.maxLoad);
    EXPECT_EQ(curve.points.back().flow, curve.flowAxisMax);
}

TEST(DesignPanel, NumbersUseTheRegionalSeparator) {
    FormDriver form;
    form.window.boxes.separator(",");
    TypeExample(form, "5000");
    const DesignPanel panel = PanelAfterEnter(form);
    ASSERT_TRUE(panel.available) << panel.reason;
    EXPECT_EQ(panel.reflux[0].flow, "0,68");
    EXPECT_EQ(panel.heightMin, "68,8");
    for (const ChartTick& tick : panel.curve.flowTicks) {
        EXPECT_EQ(tick.label.find('.'), std::string::npos) << tick.label;
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
    EXPECT_FALSE(panel.curve.heaterPower);
    ASSERT_TRUE(panel.curve.result);
    EXPECT_EQ(panel.curve.result->flow, 3.22);
    EXPECT_EQ(panel.curve.result->load, 5044);
}

TEST(DesignPanel, NoNumbersWithoutUsableInputs) {
    struct Case {
        const char* name;
        const char* tc;
        const char* tin;
        const char* load;
        const char* reason;
    };
    const Case cases[] = {
        {"empty inlet", "88", "", "2000", "Введите температуру воды на входе больше нуля."},
        {"no load", "88", "20", "0", "Введите тепловую нагрузку больше нуля."},
        {"condensation below inlet", "15", "20", "2000",
         "Температура конденсации должна быть выше температуры воды на входе."},
        {"calculation failed", "88", "20", "9000", "Расчёт остановлен ошибкой"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormDriver form;
        TypeExample(form, c.load);
        form.window.boxes.set(Box::Text1, c.tc).set(Box::Text2, c.tin);
        const DesignPanel panel = PanelAfterEnter(form);
        EXPECT_FALSE(panel.available);
        EXPECT_EQ(panel.reason.rfind(c.reason, 0), 0u) << panel.reason;
        EXPECT_EQ(panel.maxLoad, kNoNumber);
        EXPECT_EQ(panel.reflux[0].flow, kNoNumber);
        EXPECT_EQ(panel.areaMin, kNoNumber);
        EXPECT_TRUE(panel.curve.points.empty());
        // The rows of the window's modes stay, so that each shows «—».
        EXPECT_TRUE(panel.heatLoadMode);
        EXPECT_TRUE(panel.heightDiameterMode);
        EXPECT_EQ(panel.heightMin, kNoNumber);
        const std::string json = DesignPanelJson(panel);
        EXPECT_EQ(json.find("\"curve\""), std::string::npos);
        EXPECT_NE(json.find("\"heatLoadMode\":true"), std::string::npos);
    }
}

TEST(DesignPanel, JsonCarriesTheIdsAndEscapesTexts) {
    FormDriver form;
    TypeExample(form, "2000");
    const std::string json = DesignPanelJson(PanelAfterEnter(form));
    for (const char* part :
         {"\"MaxLoad\":\"5811\"", "\"id\":\"RefluxFlowFull\",\"ratio\":\"полное\"",
          "\"AreaAt10K\":\"468\"", "\"HeightMin\":\"27.5\"", "\"result\":[0.5,2000,",
          "\"heaterPower\":2000"}) {
        EXPECT_NE(json.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(json.front(), '{');
    EXPECT_EQ(json.back(), '}');
}

}  // namespace
}  // namespace dephlegmator
