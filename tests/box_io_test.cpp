// Results written into boxes and read back: a positive result never shows as a plausible 0.
#include <gtest/gtest.h>

#include "array_controls.h"
#include "box_io.h"
#include "calculate.h"
#include "case_inputs.h"

namespace dephlegmator {
namespace {

using testing::ArrayControls;

TEST(BoxIo, APositiveResultThatRoundsTo0ShowsWhatItIsBelow) {
    const struct {
        double value;
        int decimals;
        const char* separator;
        const char* shown;
    } cases[] = {
        {0.004, 2, ",", "< 0,01"},     {0.3, 0, ".", "< 1"},    {1e-300, 2, ".", "< 0.01"},
        {0.005000001, 2, ",", "0,01"}, {0.5, 0, ".", "< 1"},    {0.0, 2, ",", "0"},
        {-0.004, 2, ",", "0"},         {2.666, 2, ",", "2,67"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        ArrayControls controls;
        controls.separator(c.separator);
        WriteRounded(controls, Box::Text8, c.value, c.decimals);
        EXPECT_EQ(controls.text(Box::Text8), c.shown);
    }
}

// 2 W, typed «2,000» under ',': both flows are above 0 and below a hundredth of a litre.
TEST(BoxIo, TheFlowsOfATinyLoadSayTheyAreBelowAHundredth) {
    ArrayControls c =
        testing::HeightDiameterInputs(Option::Option7, "78", "15", "40", "5", "2,000");
    c.separator(",");
    FormState state = LoadedFormState();
    Calculate(state, c);
    EXPECT_EQ(c.text(Box::Text7), "2");
    EXPECT_EQ(c.text(Box::Text8), "< 0,01");
    EXPECT_EQ(c.text(Box::Text81), "< 0,01");
}

}  // namespace
}  // namespace dephlegmator
