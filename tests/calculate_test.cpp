#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "calculate.h"
#include "case_inputs.h"

namespace dephlegmator {
namespace {

using testing::ArrayControls;
using testing::CalculateFails;
using testing::ExpectUnchanged;
using Kind = CalcError::Kind;

ArrayControls HeightDiameter(const char* tc, const char* tin, const char* height,
                             const char* diameter, const char* given) {
    return testing::HeightDiameterInputs(Option::Option6, tc, tin, height, diameter, given);
}

ArrayControls Area(const char* tc, const char* tin, const char* area, const char* given) {
    return testing::AreaInputs(Option::Option6, tc, tin, area, given);
}

TEST(SurfaceArea, FromHeightAndDiameterOrTypedArea) {
    struct Case {
        Option geometry;
        const char* height;
        const char* diameter;
        const char* area;
        double areaM2;
        const char* text10;
    };
    const Case cases[] = {
        {Option::Option4, "100", "10", "", 0.31415000000000004, "3142"},
        {Option::Option4, "100", "5", "", 0.15707500000000002, "1571"},
        // A geometry that is no surface shows no area.
        {Option::Option4, "-50", "10", "", -0.15707500000000002, "___"},
        {Option::Option4, "", "5", "", 0, "___"},
        {Option::Option5, "", "", "0", 0, "___"},
        {Option::Option5, "100", "5", "15 cm", 0.0015, "___"},
        {Option::Option5, "100", "5", "1500", 0.15, "1500"},
        {Option::Option5, "", "", "12.5", 0.00125, "12"},
        {Option::Option5, "", "", "3.5", 0.00035, "4"},
        {Option::Option5, "", "", "1.5", 0.00015, "1"},
    };
    for (const auto& k : cases) {
        for (Option given : {Option::Option6, Option::Option7, Option::Option8}) {
            ArrayControls c;
            c.set(Box::Text3, k.height).set(Box::Text4, k.diameter).set(Box::Text5, k.area);
            c.select(k.geometry, given);
            FormState state = LoadedFormState();
            Calculate(state, c);
            EXPECT_EQ(state.AreaM2, k.areaM2) << k.height << " " << k.diameter << " " << k.area;
            EXPECT_EQ(c.text(Box::Text10), k.text10);
        }
    }
}

TEST(Calculate, RightAfterStartNothingIsShown) {
    ArrayControls c;
    c.set(Box::Text1, "78");
    FormState state = LoadedFormState();
    state.AreaM2 = 5;
    Calculate(state, c);
    EXPECT_EQ(state.AreaM2, 0);
    EXPECT_EQ(c.text(Box::Text10), "___");
    ExpectUnchanged(c, {Box::Text7, Box::Text8, Box::Text9, Box::Text71, Box::Text81, Box::Text91});
}

TEST(Calculate, TheAreaParseCanOverflowBeforeTheInputTest) {
    ArrayControls c = HeightDiameter("78", "15", "1E400", "5", "40");
    FormState state = LoadedFormState();
    EXPECT_EQ(CalculateFails(state, c), Kind::Overflow);
    EXPECT_TRUE(c.writes().empty());
}

TEST(Calculate, TheAreaTimesTenThousandCanOverflowInTheFinalStep) {
    ArrayControls c = HeightDiameter("78", "15", "1E160", "1E148", "");
    FormState state = LoadedFormState();
    EXPECT_EQ(CalculateFails(state, c), Kind::Overflow);
    EXPECT_DOUBLE_EQ(state.AreaM2, 3.1415e304);
    EXPECT_EQ(c.text(Box::Text10), "___");
}

struct OutletExample {
    const char* name;
    ArrayControls controls;
    double logMeanDT;
    const char* text7;
    const char* text8;
    const char* text9;
    const char* text10;
};

// Where the input test refuses a form, Calculate writes no result in any mode, only the area
// where the geometry is a surface. Which box the test refuses, and why, is FormInputs'.
TEST(Calculate, InputTestFailuresWriteNothingButTheArea) {
    struct Case {
        Option given;
        const char* tc;
        const char* tin;
        const char* geometry;  // the height with a diameter of 5, or the area
        const char* value;
    };
    const Case cases[] = {
        {Option::Option6, "78", "15", "100", "78"},  {Option::Option6, "78", "15", "100", "15"},
        {Option::Option6, "78", "15", "100", "10"},  {Option::Option6, "78", "15", "100", ""},
        {Option::Option6, "", "15", "100", "40"},    {Option::Option6, "78", "0", "100", "40"},
        {Option::Option6, "-5", "15", "100", "40"},  {Option::Option6, "78", "15", "100", "90"},
        {Option::Option6, "78", "abc", "100", "40"}, {Option::Option7, "78", "0", "100", "1000"},
        {Option::Option7, "78", "15", "100", ""},    {Option::Option7, "-5", "15", "100", "1000"},
        {Option::Option7, "78", "15", "0", "1000"},  {Option::Option7, "", "15", "100", "1000"},
        {Option::Option7, "78", "15", "100", "abc"}, {Option::Option8, "78", "15", "30", "0"},
        {Option::Option8, "78", "15", "30", ""},     {Option::Option8, "78", "15", "30", "x1"},
        {Option::Option8, "78", "0", "30", "1"},     {Option::Option8, "0", "15", "30", "1"},
        {Option::Option8, "78", "15", "-30", "1"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(std::string(k.tc) + " " + k.tin + " " + k.geometry + " " + k.value);
        for (bool area : {false, true}) {
            ArrayControls c = area ? testing::AreaInputs(k.given, k.tc, k.tin, k.geometry, k.value)
                                   : testing::HeightDiameterInputs(k.given, k.tc, k.tin, k.geometry,
                                                                   "5", k.value);
            FormState state = LoadedFormState();
            Calculate(state, c);
            const bool surface = std::string(k.geometry) != "0" && k.geometry[0] != '-';
            EXPECT_EQ(c.writes(), surface ? std::vector<Box>{Box::Text10} : std::vector<Box>{});
        }
    }
}

TEST(OutletTemperatureGiven, WorkedExamples) {
    const OutletExample examples[] = {
        {"height/diameter", HeightDiameter("78", "15", "100", "5", "40"), 49.45123307323883, "5282",
         "3.37", "40", "1571"},
        {"area", Area("78", "15", "1500", "40"), 49.45123307323883, "5044", "3.22", "40", "1500"},
        {"flow from the displayed load", HeightDiameter("78", "10", "50", "8", "30"), 0, "4907",
         "3.92", "30", "1257"},
        // A unit after the number makes the text not a number: the input test fails.
        {"unit after the number", HeightDiameter("78", "15", "100", "5", "40 °C"), 0, "___", "___",
         "___", "1571"},
        {"trailing zero echoed as read", HeightDiameter("78", "15", "100", "5", "40.50"), 0, "5250",
         "3.29", "40.5", "1571"},
        {"a comma is a decimal point under the point too",
         HeightDiameter("78", "15", "100", "5", "40,5"), 0, "5250", "3.29", "40.5", "1571"},
        {"just above the limit of r = 1",
         HeightDiameter("78", "15", "100", "5", "15.00000000000001"), 0, "5127",
         "7.67618194465709E+15", "15", "1571"},
    };
    for (auto example : examples) {
        SCOPED_TRACE(example.name);
        FormState state = LoadedFormState();
        ArrayControls& c = example.controls;
        Calculate(state, c);
        if (example.logMeanDT != 0) {
            EXPECT_DOUBLE_EQ(state.LogMeanDT, example.logMeanDT);
        }
        EXPECT_EQ(c.text(Box::Text7), example.text7);
        EXPECT_EQ(c.text(Box::Text8), example.text8);
        EXPECT_EQ(c.text(Box::Text9), example.text9);
        EXPECT_EQ(c.text(Box::Text10), example.text10);
        ExpectUnchanged(c, {Box::Text71, Box::Text81, Box::Text91});
    }
}

TEST(OutletTemperatureGiven, WorkedExampleValuesAreExact) {
    ArrayControls c = HeightDiameter("78", "15", "100", "5", "40");
    FormState state = LoadedFormState();
    Calculate(state, c);
    EXPECT_EQ(state.AreaM2, 0.15707500000000002);
    EXPECT_EQ(state.LogMeanDT, 49.45123307323883);
    EXPECT_EQ(c.writes(), (std::vector<Box>{Box::Text7, Box::Text8, Box::Text9, Box::Text10}));
}

TEST(OutletTemperatureGiven, InputsAndResultsUnderAComma) {
    struct Case {
        const char* tc;
        const char* tout;
        const char* text7;
        const char* text8;
    };
    // The regional separator is the decimal point of what the user types, and '.' still is one.
    const Case cases[] = {{"78,5", "40,5", "5305", "3,32"},
                          {"78", "40.5", "5250", "3,29"},
                          {"78", "40,5", "5250", "3,29"}};
    for (const auto& k : cases) {
        SCOPED_TRACE(std::string(k.tc) + " / " + k.tout);
        ArrayControls c = HeightDiameter(k.tc, "15", "100", "5", k.tout);
        c.separator(",");
        FormState state = LoadedFormState();
        Calculate(state, c);
        EXPECT_EQ(c.text(Box::Text7), k.text7);
        EXPECT_EQ(c.text(Box::Text8), k.text8);
        EXPECT_EQ(c.text(Box::Text9), "40,5");
    }
}

TEST(OutletTemperatureGiven, ResultsReadBackAsDisplayedUnderAComma) {
    // The heat load 8.55673576237286E+20 is shown as '8,55673576237286E+20'; the flow must come
    // from that value, not from the '8' before the comma.
    for (const char* separator : {".", ","}) {
        ArrayControls c = HeightDiameter("78", "15", "9E9", "9E9", "40");
        c.separator(separator);
        FormState state = LoadedFormState();
        Calculate(state, c);
        const std::string sep = separator;
        EXPECT_EQ(c.text(Box::Text7), "8" + sep + "55673576237286E+20");
        EXPECT_EQ(c.text(Box::Text8), "5" + sep + "46174623130183E+17");
    }
}

TEST(OutletTemperatureGiven, ErrorsStopAtTheFailingFormula) {
    struct Case {
        const char* name;
        ArrayControls controls;
        Kind kind;
        std::vector<Box> written;
    };
    Case cases[] = {
        {"ratio rounds to exactly 1",
         HeightDiameter("78", "15", "100", "5", "15.000000000000002"),
         Kind::DivisionByZero,
         {}},
        {"heat load beyond the double range",
         HeightDiameter("78", "15", "1E200", "1E200", "40"),
         Kind::Overflow,
         {}},
        {"displayed load times 60 beyond the range",
         Area("78", "15", "3E306", "40"),
         Kind::Overflow,
         {Box::Text7}},
        {"an input parse overflows", Area("78", "15", "1500", "1E999"), Kind::Overflow, {}},
    };
    for (auto& k : cases) {
        SCOPED_TRACE(k.name);
        FormState state = LoadedFormState();
        EXPECT_EQ(CalculateFails(state, k.controls), k.kind);
        EXPECT_EQ(k.controls.writes(), k.written);
        EXPECT_EQ(k.controls.text(Box::Text10), "___");
    }
}

TEST(OutletTemperatureGiven, AnErrorKeepsTheAreaAlreadyAssigned) {
    ArrayControls c = HeightDiameter("78", "15", "100", "5", "15.000000000000002");
    FormState state = LoadedFormState();
    state.LogMeanDT = 7;
    EXPECT_EQ(CalculateFails(state, c), Kind::DivisionByZero);
    EXPECT_EQ(state.AreaM2, 0.15707500000000002);
    EXPECT_EQ(state.LogMeanDT, 7);
}

}  // namespace
}  // namespace dephlegmator
