#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "calculate.h"
#include "case_inputs.h"

namespace dephlegmator::heat_load_test {
namespace {

using testing::ArrayControls;
using testing::CalculateFails;
using testing::ExpectUnchanged;
using Kind = CalcError::Kind;

ArrayControls HeightDiameter(const char* tc, const char* tin, const char* height,
                             const char* diameter, const char* load) {
    return testing::HeightDiameterInputs(Option::Option7, tc, tin, height, diameter, load);
}

ArrayControls Area(const char* tc, const char* tin, const char* area, const char* load) {
    return testing::AreaInputs(Option::Option7, tc, tin, area, load);
}

struct Example {
    const char* name;
    ArrayControls controls;
    double logMeanDT;
    double waterOutTemp;  // the root, to 17 digits
    const char* text7;
    const char* text9;
    const char* text8;
    const char* text81;
    const char* text91;
    const char* text10;
};

TEST(HeatLoadGiven, WorkedExamples) {
    const Example examples[] = {
        {"height/diameter", HeightDiameter("78", "15", "60", "4", "1000"), 19.5, 75.112325972871021,
         "1000", "75", "0.27", "1.6", "25", "754"},
        {"area", Area("78", "15", "753.96", "1000"), 19.5, 75.112325972871021, "1000", "75", "0.27",
         "1.6", "25", "754"},
        {"second example", HeightDiameter("88", "20", "80", "5", "2000"), 23.41, 83.483728564147187,
         "2000", "83", "0.5", "3.19", "30", "1257"},
        // LogMeanDT below Tin: a fixed-point iteration from LogMeanDT falls away from the root.
        {"required difference below the inlet temperature",
         HeightDiameter("78", "15", "100", "5", "1000"), 9.36, 77.924190770132329, "1000", "78",
         "0.25", "1.6", "25", "1571"},
        {"small load, water leaves near Tc", HeightDiameter("88", "20", "80", "5", "1000"), 11.7,
         87.792942950675620, "1000", "88", "0.24", "1.6", "30", "1257"},
        // LogMeanDT equal to Tin: Tin solves T = Tc − D × exp((Tin − T) / L) too, and must not
        // be taken for the outlet temperature.
        {"required difference equal to the inlet temperature", Area("78", "15", "1000", "1020"), 15,
         76.989439176046276, "1020", "77", "0.26", "1.63", "25", "1000"},
        // LogMeanDT just below Tc − Tin = 63: the root lies close to Tin, where a slowly settling
        // iteration stops short of it.
        {"required difference 1 K below Tc - Tin", Area("78", "15", "1000", "4216"), 62,
         16.989361581729491, "4216", "17", "33.82", "6.73", "25", "1000"},
        // 0.01 K below: the flow hangs on the last digits of WaterOutTemp − Tin = 0.02.
        {"required difference 0.01 K below Tc - Tin", Area("78", "15", "1000", "4283"), 62.99,
         15.019998941742944, "4283", "15", "3417.47", "6.83", "25", "1000"},
    };
    for (auto example : examples) {
        SCOPED_TRACE(example.name);
        FormState state = LoadedFormState();
        state.AutoLogMeanDT = 3;
        ArrayControls& c = example.controls;
        Calculate(state, c);
        EXPECT_EQ(state.LogMeanDT, example.logMeanDT);
        EXPECT_EQ(state.AutoLogMeanDT, 3);
        EXPECT_NEAR(state.WaterOutTemp, example.waterOutTemp, 1e-12 * example.waterOutTemp);
        EXPECT_EQ(c.text(Box::Text7), example.text7);
        EXPECT_EQ(c.text(Box::Text9), example.text9);
        EXPECT_EQ(c.text(Box::Text8), example.text8);
        EXPECT_EQ(c.text(Box::Text81), example.text81);
        EXPECT_EQ(c.text(Box::Text91), example.text91);
        EXPECT_EQ(c.text(Box::Text10), example.text10);
        EXPECT_EQ(c.writes(), (std::vector<Box>{Box::Text7, Box::Text9, Box::Text8, Box::Text81,
                                                Box::Text91, Box::Text10}));
        ExpectUnchanged(c, {Box::Text71});
    }
}

TEST(HeatLoadGiven, RootStaysAccurateWhereItNearlyMeetsTheInletTemperature) {
    // Tc − Tin exceeds LogMeanDT = 63 by 1E-10 K: the root lies 2E-10 K above Tin, where the
    // relation's slope nearly vanishes.
    ArrayControls c = Area("78.0000000001", "15", "1000", "4284");
    FormState state = LoadedFormState();
    Calculate(state, c);
    EXPECT_EQ(state.LogMeanDT, 63);
    EXPECT_NEAR(state.WaterOutTemp, 15.000000000200004, 1e-12 * 15);
    EXPECT_GT(state.WaterOutTemp, 15);
    EXPECT_EQ(c.text(Box::Text9), "15");
}

TEST(HeatLoadGiven, RefusesALoadBeyondWhatTheSurfacePasses) {
    struct Case {
        const char* name;
        ArrayControls controls;
        double logMeanDT;
        double maxHeatLoad;  // HeatTransferK × AreaM2 × (Tc − Tin)
    };
    Case cases[] = {
        {"beyond", Area("78", "15", "1000", "5000"), 73.53, 4284},
        {"required difference exactly Tc - Tin", Area("78", "15", "1000", "4284"), 63, 4284},
        {"height/diameter", HeightDiameter("78", "15", "100", "5", "10000"), 93.62,
         680 * 0.15707500000000002 * 63},
        {"condensation equal to inlet", Area("15", "15", "1000", "1000"), 14.71, 0},
        {"condensation below inlet", Area("15", "78", "1000", "1000"), 14.71, -4284},
    };
    for (auto& k : cases) {
        SCOPED_TRACE(k.name);
        FormState state = LoadedFormState();
        state.WaterOutTemp = 7;
        ArrayControls& c = k.controls;
        const CalcError error = testing::CalculateError(state, c);
        EXPECT_EQ(error.kind(), Kind::HeatLoadBeyondSurface);
        EXPECT_DOUBLE_EQ(error.maxHeatLoad(), k.maxHeatLoad);
        EXPECT_EQ(state.LogMeanDT, k.logMeanDT);
        EXPECT_EQ(state.WaterOutTemp, 7);
        EXPECT_EQ(c.writes(), std::vector<Box>{Box::Text7});
        ExpectUnchanged(
            c, {Box::Text8, Box::Text9, Box::Text81, Box::Text91, Box::Text71, Box::Text10});
    }
}

TEST(HeatLoadGiven, FractionalLoadReadsBackAsDisplayedUnderAComma) {
    struct Case {
        const char* separator;
        const char* text7;
        const char* text8;
        const char* text81;
    };
    const Case cases[] = {{".", "1099.9", "0.28", "1.76"}, {",", "1099,9", "0,28", "1,76"}};
    for (const auto& k : cases) {
        ArrayControls c = Area("78", "15", "1000", "1099.9");
        c.separator(k.separator);
        FormState state = LoadedFormState();
        Calculate(state, c);
        EXPECT_EQ(c.text(Box::Text7), k.text7);
        EXPECT_EQ(c.text(Box::Text8), k.text8);
        // 1099 W would give 1.75 l/min: the flow must carry the load as displayed, 1099.9 W.
        EXPECT_EQ(c.text(Box::Text81), k.text81);
    }
}

TEST(HeatLoadGiven, FlowsCarryTheLoadAsWrittenNotAsTyped) {
    // 100000000000000499 W is written with 15 significant digits as 1E+17; the flow of the typed
    // value would end in ...107.
    ArrayControls c = Area("100", "15", "1E17", "100000000000000499");
    FormState state = LoadedFormState();
    Calculate(state, c);
    EXPECT_EQ(c.text(Box::Text7), "1E+17");
    EXPECT_EQ(c.text(Box::Text81), "159574468085106");
}

TEST(HeatLoadGiven, ErrorsStopAtTheFailingStep) {
    struct Case {
        const char* name;
        ArrayControls controls;
        Kind kind;
        std::vector<Box> written;
    };
    Case cases[] = {
        {"required difference beyond the double range",
         Area("78", "15", "1E-300", "1E300"),
         Kind::Overflow,
         {}},
        {"area so small it became 0", Area("78", "15", "1E-320", "1000"), Kind::DivisionByZero, {}},
        {"required difference rounds to 0",
         Area("78", "15", "1000", "0.3"),
         Kind::DivisionByZero,
         {Box::Text7}},
        {"external flow beyond the double range",
         Area("100", "15", "1E307", "5E306"),
         Kind::Overflow,
         {Box::Text7, Box::Text9}},
    };
    for (auto& k : cases) {
        SCOPED_TRACE(k.name);
        FormState state = LoadedFormState();
        ArrayControls& c = k.controls;
        EXPECT_EQ(CalculateFails(state, c), k.kind);
        EXPECT_EQ(c.writes(), k.written);
        ExpectUnchanged(c, {Box::Text8, Box::Text81, Box::Text91, Box::Text71, Box::Text10});
    }
}

// After a refused load, the load shows beside no flow and no temperature of the earlier one.
TEST(HeatLoadGiven, ARefusalLeavesNoEarlierResult) {
    ArrayControls c = HeightDiameter("78", "15", "100", "5", "2000");
    FormState state = LoadedFormState();
    Calculate(state, c);
    ASSERT_EQ(c.text(Box::Text8), "0.53");
    c.set(Box::Text6, "8000");
    EXPECT_EQ(CalculateFails(state, c), Kind::HeatLoadBeyondSurface);
    EXPECT_EQ(c.text(Box::Text7), "8000");
    ExpectUnchanged(c, {Box::Text8, Box::Text9, Box::Text81, Box::Text91, Box::Text10});
}

}  // namespace
}  // namespace dephlegmator::heat_load_test
