// The inputs as one event reads them: which boxes the modes use, and why a box is out of range.
#include <gtest/gtest.h>

#include <optional>

#include "case_inputs.h"
#include "form_inputs.h"

namespace dephlegmator {
namespace {

using testing::AreaInputs;
using testing::HeightDiameterInputs;

struct FaultCase {
    const char* name;
    testing::ArrayControls window;
    std::optional<Box> firstOutOfRange;
    InputFault fault;  // of that box
};

TEST(FormInputs, FirstBoxOutOfRangeAndWhy) {
    const FaultCase cases[] = {
        {"all in range", HeightDiameterInputs(Option::Option6, "78", "15", "100", "5", "40"),
         std::nullopt, InputFault::None},
        {"outlet above condensation",
         HeightDiameterInputs(Option::Option6, "78", "15", "100", "5", "80"), Box::Text6,
         InputFault::OutletNotBetween},
        {"outlet equal to inlet", AreaInputs(Option::Option6, "78", "15", "500", "15"), Box::Text6,
         InputFault::OutletNotBetween},
        {"the same number is fine as a load",
         HeightDiameterInputs(Option::Option7, "78", "15", "100", "5", "80"), std::nullopt,
         InputFault::None},
        {"empty diameter", HeightDiameterInputs(Option::Option8, "78", "15", "100", "", "1"),
         Box::Text4, InputFault::Empty},
        {"a unit after the load", AreaInputs(Option::Option7, "78", "15", "500", "1,5 кВт"),
         Box::Text6, InputFault::NotANumber},
        {"negative inlet before empty diameter",
         HeightDiameterInputs(Option::Option8, "78", "-5", "100", "", "1"), Box::Text2,
         InputFault::NotAbove0},
        {"a hidden box is not read", AreaInputs(Option::Option8, "78", "15", "500", "1"),
         std::nullopt, InputFault::None},
        {"beyond the double range", AreaInputs(Option::Option7, "1E309", "15", "500", "1"),
         Box::Text1, InputFault::Unreadable},
        // The cooling water boils at 100 °C: steam itself is a case, anything hotter is not.
        {"condensation at boiling", AreaInputs(Option::Option7, "100", "15", "500", "1500"),
         std::nullopt, InputFault::None},
        {"condensation just above boiling",
         AreaInputs(Option::Option7, "100,01", "15", "500", "1500"), Box::Text1,
         InputFault::AboveBoiling},
        {"condensation far above boiling, with an outlet between",
         HeightDiameterInputs(Option::Option6, "2000", "15", "40", "5", "80"), Box::Text1,
         InputFault::AboveBoiling},
        // Where a temperature cannot be read, the outlet is not compared with it.
        {"outlet beside an unreadable inlet",
         AreaInputs(Option::Option6, "78", "1E309", "500", "40"), Box::Text2,
         InputFault::Unreadable},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        const FormInputs inputs = ReadFormInputs(c.window);
        EXPECT_EQ(inputs.firstOutOfRange(), c.firstOutOfRange);
        if (c.firstOutOfRange) {
            EXPECT_EQ(inputs[*c.firstOutOfRange].fault, c.fault);
            EXPECT_EQ(inputs[Box::Text6].fault == InputFault::OutletNotBetween,
                      c.fault == InputFault::OutletNotBetween);
        }
    }
}

// The input test fails silently on a box out of range but raises on an unreadable one, and only
// where the modes read it.
TEST(FormInputs, InputTestRaisesOnlyOnAnUnreadableBoxInUse) {
    auto unreadableHeight = AreaInputs(Option::Option8, "78", "15", "500", "1");
    unreadableHeight.set(Box::Text3, "1E400");
    EXPECT_TRUE(ReadFormInputs(unreadableHeight).inputTestPasses());

    auto unreadableFlow = AreaInputs(Option::Option8, "78", "15", "500", "1D999");
    EXPECT_THROW((void)ReadFormInputs(unreadableFlow).inputTestPasses(), CalcError);

    auto zeroArea = AreaInputs(Option::Option8, "78", "15", "0", "1");
    EXPECT_FALSE(ReadFormInputs(zeroArea).inputTestPasses());
}

TEST(FormInputs, ModesAndNumbersUnderTheRegionalSeparator) {
    auto window = AreaInputs(Option::Option7, "78", "15,5", "500", "1500,5");
    window.separator(",");
    const FormInputs inputs = ReadFormInputs(window);
    EXPECT_EQ(inputs.modes.geometry, Geometry::SurfaceArea);
    EXPECT_EQ(inputs.modes.given, Given::HeatLoad);
    EXPECT_EQ(inputs[Box::Text2].number, 15.5);
    EXPECT_EQ(inputs[Box::Text6].text, "1500,5");
    EXPECT_EQ(inputs[Box::Text6].number, 1500.5);
}

}  // namespace
}  // namespace dephlegmator
