#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "calculate.h"
#include "case_inputs.h"
#include "number_text.h"

namespace dephlegmator::water_flow_test {
namespace {

using testing::ArrayControls;
using testing::CalculateFails;
using testing::ExpectUnchanged;
using Kind = CalcError::Kind;

ArrayControls HeightDiameter(const char* tc, const char* tin, const char* height,
                             const char* diameter, const char* flow) {
    return testing::HeightDiameterInputs(Option::Option8, tc, tin, height, diameter, flow);
}

ArrayControls Area(const char* tc, const char* tin, const char* area, const char* flow) {
    return testing::AreaInputs(Option::Option8, tc, tin, area, flow);
}

struct Example {
    const char* name;
    ArrayControls controls;
    double waterOutTemp;  // 0: not checked
    double logMeanDT;
    double autoLogMeanDT;
    const char* text7;
    const char* text8;
    const char* text9;
    const char* text71;
    const char* text81;
    const char* text91;
    const char* text10;
};

TEST(WaterFlowGiven, WorkedExamples) {
    const Example examples[] = {
        {"height/diameter", HeightDiameter("78", "15", "30", "5", "1"), 40.2190324796,
         49.3205350902, 57.8560359885, "1580", "1", "40", "1854", "2.96", "25", "471"},
        {"area", Area("78", "15", "500", "1"), 41.3804762, 48.6228385, 57.8560359885, "1653", "1",
         "41", "1967", "3.14", "25", "500"},
        {"outlet a hair below condensation", Area("78", "15", "10000", "0.5"), 77.99999997632, 0, 0,
         "1974", "0.5", "78", "39342", "62.78", "25", "10000"},
        {"condensation below inlet", Area("10", "15", "500", "1"), 12.906, -3.8589, -9.1023, "-131",
         "1", "13", "-309", "-0.49", "25", "500"},
        {"fractional inlet: Text91 not rounded", Area("78", "12.5", "500", "1"), 0, 0, 0, "1719",
         "1", "40", "2052", "3.27", "22.5", "500"},
        {"flow echoed as read", Area("78", "15", "500", "1.50 "), 0, 0, 0, "1797", "1.5", "34",
         "1967", "3.14", "25", "500"},
    };
    for (auto example : examples) {
        SCOPED_TRACE(example.name);
        FormState state = LoadedFormState();
        ArrayControls& c = example.controls;
        Calculate(state, c);
        if (example.waterOutTemp != 0) {
            EXPECT_NEAR(state.WaterOutTemp, example.waterOutTemp, 1e-3);
        }
        if (example.logMeanDT != 0) {
            EXPECT_NEAR(state.LogMeanDT, example.logMeanDT, 1e-4);
        }
        if (example.autoLogMeanDT != 0) {
            EXPECT_NEAR(state.AutoLogMeanDT, example.autoLogMeanDT, 1e-4);
        }
        EXPECT_EQ(c.text(Box::Text7), example.text7);
        EXPECT_EQ(c.text(Box::Text8), example.text8);
        EXPECT_EQ(c.text(Box::Text9), example.text9);
        EXPECT_EQ(c.text(Box::Text71), example.text71);
        EXPECT_EQ(c.text(Box::Text81), example.text81);
        EXPECT_EQ(c.text(Box::Text91), example.text91);
        EXPECT_EQ(c.text(Box::Text10), example.text10);
        EXPECT_EQ(c.writes(), (std::vector<Box>{Box::Text7, Box::Text8, Box::Text9, Box::Text71,
                                                Box::Text81, Box::Text91, Box::Text10}));
    }
}

TEST(WaterFlowGiven, WorkedExampleValues) {
    ArrayControls c = HeightDiameter("78", "15", "30", "5", "1");
    FormState state = LoadedFormState();
    Calculate(state, c);
    EXPECT_DOUBLE_EQ(state.AreaM2, 0.0471225);
    EXPECT_NEAR(state.WaterOutTemp, 40.2190324796, 1e-10);
    EXPECT_NEAR(state.LogMeanDT, 49.3205350902, 1e-10);
    EXPECT_NEAR(state.AutoLogMeanDT, 57.8560359885, 1e-10);
    EXPECT_DOUBLE_EQ(state.AutoLogMeanDT, 10 / std::log(63.0 / 53.0));
}

TEST(WaterFlowGiven, CommaSeparatorInTheResults) {
    ArrayControls c = Area("78", "12.5", "500", "0.5");
    c.separator(",");
    FormState state = LoadedFormState();
    Calculate(state, c);
    EXPECT_EQ(c.text(Box::Text8), "0,5");
    EXPECT_EQ(c.text(Box::Text81), "3,27");
    EXPECT_EQ(c.text(Box::Text91), "22,5");
}

TEST(WaterFlowGiven, ErrorsStopAtTheFailingStep) {
    struct Case {
        const char* name;
        ArrayControls controls;
        Kind kind;
        std::vector<Box> written;
        const char* text7;
        const char* text9;
    };
    Case cases[] = {
        {"condensation equals inlet",
         Area("20", "20", "500", "1"),
         Kind::InvalidOperation,
         {},
         "___",
         "___"},
        {"condensation equals inlet, height/diameter",
         HeightDiameter("20", "20", "30", "5", "1"),
         Kind::InvalidOperation,
         {},
         "___",
         "___"},
        {"outlet equals condensation in double precision",
         Area("78", "15", "10000", "0.25"),
         Kind::DivisionByZero,
         {},
         "___",
         "___"},
        {"rise of exactly 10 K",
         Area("25", "15", "500", "1"),
         Kind::DivisionByZero,
         {Box::Text7, Box::Text8, Box::Text9},
         "262",
         "19"},
        {"rise of exactly 10 K, height/diameter",
         HeightDiameter("25", "15", "30", "5", "1"),
         Kind::DivisionByZero,
         {Box::Text7, Box::Text8, Box::Text9},
         "251",
         "19"},
        {"rise below 10 K",
         Area("20", "15", "500", "1"),
         Kind::InvalidArgument,
         {Box::Text7, Box::Text8, Box::Text9},
         "131",
         "17"},
    };
    for (auto& k : cases) {
        SCOPED_TRACE(k.name);
        FormState state = LoadedFormState();
        ArrayControls& c = k.controls;
        EXPECT_EQ(CalculateFails(state, c), k.kind);
        EXPECT_EQ(c.writes(), k.written);
        EXPECT_EQ(c.text(Box::Text7), k.text7);
        EXPECT_EQ(c.text(Box::Text9), k.text9);
        ExpectUnchanged(c, {Box::Text71, Box::Text81, Box::Text91, Box::Text10});
    }
}

// A later calculation in another mode leaves no result of this one on screen.
TEST(WaterFlowGiven, AutonomousColumnIsClearedByALaterOutletTemperatureCalculation) {
    ArrayControls c = HeightDiameter("78", "15", "30", "5", "1");
    FormState state = LoadedFormState();
    Calculate(state, c);
    c.set(Box::Text6, "40").select(Option::Option4, Option::Option6);
    c.clearWrites();
    Calculate(state, c);
    EXPECT_EQ(c.writes(), (std::vector<Box>{Box::Text7, Box::Text8, Box::Text9, Box::Text10,
                                            Box::Text71, Box::Text81, Box::Text91}));
    EXPECT_EQ(c.text(Box::Text9), "40");
    ExpectUnchanged(c, {Box::Text71, Box::Text81, Box::Text91});
}

// The heat load shown balances the warming of the given flow, and giving the computed outlet
// temperature back in reproduces the given flow, both within the rounding of the boxes.
TEST(WaterFlowGiven, AgreesWithTheHeatBalanceAndTheOutletTemperatureCase) {
    struct Case {
        const char* tc;
        const char* tin;
        const char* area;
        const char* flow;
    };
    const Case cases[] = {{"78", "15", "500", "1"},
                          {"78", "15", "1500", "2.5"},
                          {"88", "20", "300", "0.7"},
                          {"78", "10", "2000", "7"}};
    for (const auto& k : cases) {
        SCOPED_TRACE(std::string(k.area) + " cm², " + k.flow + " l/min");
        ArrayControls c = Area(k.tc, k.tin, k.area, k.flow);
        FormState state = LoadedFormState();
        Calculate(state, c);
        const double flow = ParseNumber(k.flow);
        const double tin = ParseNumber(k.tin);
        const double shownLoad = ParseNumber(c.text(Box::Text7));
        const double balance = flow * state.SpecificHeatC * (state.WaterOutTemp - tin) / 60;
        EXPECT_NEAR(shownLoad, balance, 0.5 + 1e-6);

        c.set(Box::Text6, FormatNumber(state.WaterOutTemp, "."));
        c.select(Option::Option5, Option::Option6);
        Calculate(state, c);
        const double flowBack = ParseNumber(c.text(Box::Text8));
        // Whole watts in Text7 and two decimals in Text8.
        const double tolerance = 0.005 + flow * 0.5 / shownLoad + 1e-9;
        EXPECT_NEAR(flowBack, flow, tolerance);
    }
}

}  // namespace
}  // namespace dephlegmator::water_flow_test
