#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "calculate.h"
#include "case_inputs.h"

namespace dephlegmator {
namespace {

using testing::CalculateFails;
using testing::ExpectUnchanged;
using testing::FakeControls;
using testing::LoadedState;
using Kind = CalcError::Kind;

FakeControls HeightDiameter(const char* tc, const char* tin, const char* height,
                            const char* diameter, const char* load) {
    return testing::HeightDiameterInputs(Option::Option7, tc, tin, height, diameter, load);
}

FakeControls Area(const char* tc, const char* tin, const char* area, const char* load) {
    return testing::AreaInputs(Option::Option7, tc, tin, area, load);
}

struct Example {
    const char* name;
    FakeControls controls;
    double logMeanDT;
    double waterOutTemp;
    const char* text7;
    const char* text9;
    const char* text8;
    const char* text81;
    const char* text91;
    const char* text10;
};

TEST(HeatLoadGiven, WorkedExamples) {
    const Example examples[] = {
        {"height/diameter", HeightDiameter("78", "15", "60", "4", "1000"), 19.5, 75.11232597287102,
         "1000", "75", "0.27", "1.6", "25", "754"},
        {"area", Area("78", "15", "753.96", "1000"), 19.5, 75.11232597287102, "1000", "75", "0.27",
         "1.6", "25", "754"},
        {"second example", HeightDiameter("88", "20", "80", "5", "2000"), 23.41, 83.4837, "2000",
         "83", "0.5", "3.19", "30", "1257"},
        // LogMeanDT 62 lies just below Tc - Tin = 63: the estimates settle at 16.9894 only after
        // hundreds more passes; the hundredth (17.4518) is shown, the 99th or 101st would miss.
        {"hundredth estimate, not the limit", Area("78", "15", "1000", "4216"), 62, 17.4518, "4216",
         "17", "27.44", "6.73", "25", "1000"},
    };
    for (auto example : examples) {
        SCOPED_TRACE(example.name);
        FormState state = LoadedState();
        state.AutoLogMeanDT = 3;
        FakeControls& c = example.controls;
        Calculate(state, c);
        EXPECT_EQ(state.LogMeanDT, example.logMeanDT);
        EXPECT_EQ(state.AutoLogMeanDT, 3);
        EXPECT_NEAR(state.WaterOutTemp, example.waterOutTemp, 5e-5);
        EXPECT_EQ(state.PrevWaterOutTemp, state.WaterOutTemp);
        EXPECT_EQ(state.IterCount, 101);
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

TEST(HeatLoadGiven, FractionalLoadReadsBackAsDisplayedUnderAComma) {
    struct Case {
        const char* separator;
        const char* text7;
        const char* text8;
        const char* text81;
    };
    const Case cases[] = {{".", "1099.9", "0.28", "1.76"}, {",", "1099,9", "0,28", "1,76"}};
    for (const auto& k : cases) {
        FakeControls c = Area("78", "15", "1000", "1099.9");
        c.separator(k.separator);
        FormState state = LoadedState();
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
    FakeControls c = Area("5000", "15", "1E15", "100000000000000499");
    FormState state = LoadedState();
    Calculate(state, c);
    EXPECT_EQ(c.text(Box::Text7), "1E+17");
    EXPECT_EQ(c.text(Box::Text81), "159574468085106");
}

TEST(HeatLoadGiven, InputTestFailuresWriteNothingButTheArea) {
    struct Case {
        const char* tc;
        const char* tin;
        const char* geometry;
        const char* load;
    };
    const Case cases[] = {{"78", "0", "100", "1000"},  {"78", "15", "100", ""},
                          {"-5", "15", "100", "1000"}, {"78", "15", "0", "1000"},
                          {"", "15", "100", "1000"},   {"78", "15", "100", "abc"}};
    for (const auto& k : cases) {
        for (bool area : {false, true}) {
            FakeControls c = area ? Area(k.tc, k.tin, k.geometry, k.load)
                                  : HeightDiameter(k.tc, k.tin, k.geometry, "5", k.load);
            FormState state = LoadedState();
            Calculate(state, c);
            EXPECT_EQ(c.writes(), std::vector<Box>{Box::Text10});
            EXPECT_EQ(state.IterCount, 0);
        }
    }
}

TEST(HeatLoadGiven, ErrorsStopAtTheFailingStep) {
    struct Case {
        const char* name;
        FakeControls controls;
        Kind kind;
        std::vector<Box> written;
        std::int16_t iterCount;
    };
    Case cases[] = {
        {"required difference beyond the double range",
         Area("78", "15", "1E-300", "1E300"),
         Kind::Overflow,
         {},
         0},
        {"area so small it became 0",
         Area("78", "15", "1E-320", "1000"),
         Kind::DivisionByZero,
         {},
         0},
        {"required difference rounds to 0",
         Area("78", "15", "1000", "0.3"),
         Kind::DivisionByZero,
         {Box::Text7},
         1},
        {"estimates fall away",
         HeightDiameter("78", "15", "100", "5", "1000"),
         Kind::Overflow,
         {Box::Text7},
         3},
        {"required difference equals the inlet temperature",
         Area("78", "15", "1000", "1020"),
         Kind::DivisionByZero,
         {Box::Text7, Box::Text9},
         101},
        {"condensation equals inlet temperature",
         Area("15", "15", "1000", "1000"),
         Kind::DivisionByZero,
         {Box::Text7, Box::Text9},
         101},
        {"external flow beyond the double range",
         Area("78", "15", "1E300", "1E307"),
         Kind::Overflow,
         {Box::Text7, Box::Text9},
         101},
    };
    for (auto& k : cases) {
        SCOPED_TRACE(k.name);
        FormState state = LoadedState();
        FakeControls& c = k.controls;
        EXPECT_EQ(CalculateFails(state, c), k.kind);
        EXPECT_EQ(c.writes(), k.written);
        EXPECT_EQ(state.IterCount, k.iterCount);
        ExpectUnchanged(c, {Box::Text8, Box::Text81, Box::Text91, Box::Text71, Box::Text10});
    }
}

TEST(HeatLoadGiven, FallingAwayKeepsTheEchoAndTheEstimates) {
    FakeControls c = HeightDiameter("78", "15", "100", "5", "1000");
    FormState state = LoadedState();
    EXPECT_EQ(CalculateFails(state, c), Kind::Overflow);
    EXPECT_EQ(state.LogMeanDT, 9.36);
    EXPECT_EQ(c.text(Box::Text7), "1000");
    EXPECT_NEAR(state.WaterOutTemp, -16372.5, 0.05);
    ExpectUnchanged(c, {Box::Text9});
}

TEST(HeatLoadGiven, InletTemperatureIsAFixedPoint) {
    FakeControls c = Area("78", "15", "1000", "1020");
    FormState state = LoadedState();
    EXPECT_EQ(CalculateFails(state, c), Kind::DivisionByZero);
    EXPECT_EQ(state.LogMeanDT, 15);
    EXPECT_EQ(state.WaterOutTemp, 15);
    EXPECT_EQ(c.text(Box::Text9), "15");
}

}  // namespace
}  // namespace dephlegmator
