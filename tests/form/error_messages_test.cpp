// The messages of failed calculations: the kind first, then what could not be computed and why.
#include <string>

#include "form_driver.h"

namespace dephlegmator {
namespace {

using Kind = CalcError::Kind;

struct Case {
    const char* name;
    const char* given;  // Option6, Option7 or Option8
    const char* tc;
    const char* tin;
    const char* area;  // cm², area mode
    const char* value;
    Kind kind;
    const char* says;
};

TEST(ErrorMessages, SayWhatCouldNotBeComputedAndWhy) {
    const Case cases[] = {
        {"outlet barely above inlet", "Option6", "78", "15", "1000", "15.000000000000002",
         Kind::DivisionByZero, "температура воды на выходе почти равна температуре воды на входе"},
        {"load beyond the surface", "Option7", "78", "15", "1000", "5000",
         Kind::HeatLoadBeyondSurface, "передаёт не больше 4284 Вт, даже при очень большом"},
        {"condensation not above inlet", "Option7", "20", "20", "1000", "500",
         Kind::HeatLoadBeyondSurface, "температура конденсации не выше температуры воды на входе"},
        {"load too small", "Option7", "78", "15", "1000", "0.3", Kind::DivisionByZero,
         "тепловая нагрузка слишком мала для такой поверхности"},
        {"condensation equals inlet", "Option8", "20", "20", "500", "1", Kind::InvalidOperation,
         "температура конденсации равна температуре воды на входе"},
        {"flow too large to warm the water", "Option8", "78", "15", "1000", "1E17",
         Kind::InvalidOperation, "вода не успевает нагреться"},
        {"water reaches condensation", "Option8", "78", "15", "10000", "0.25", Kind::DivisionByZero,
         "вода нагревается до температуры конденсации"},
        {"exactly 10 K to spare", "Option8", "25", "15", "500", "1", Kind::DivisionByZero,
         "всего на 10 °С выше"},
        {"less than 10 K to spare", "Option8", "20", "15", "500", "1", Kind::InvalidArgument,
         "меньше чем на 10 °С выше"},
        {"number beyond range", "Option8", "1E999", "15", "500", "1", Kind::Overflow,
         "слишком большое значение"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::FormDriver form;
        form.window.boxes.set(Box::Text1, c.tc).set(Box::Text2, c.tin).set(Box::Text5, c.area);
        form.window.boxes.set(Box::Text6, c.value);
        form.Click("Option5");
        form.Click(c.given);
        form.Enter();
        ASSERT_EQ(form.window.errors, std::vector{c.kind});
        const std::string& message = form.window.messages.front();
        EXPECT_EQ(message.rfind(ErrorKindLine(c.kind), 0), 0u) << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
    }
}

// The largest load is a whole number of watts, so it reads the same under either separator.
TEST(ErrorMessages, LargestLoadIsWholeWattsUnderAComma) {
    testing::FormDriver form;
    form.window.boxes.separator(",");
    form.window.boxes.set(Box::Text1, "78").set(Box::Text2, "15").set(Box::Text3, "33");
    form.window.boxes.set(Box::Text4, "3").set(Box::Text6, "3000");
    form.Click("Option7");
    form.Enter();
    // 680 × 33 × 3.1415 / 100 × 3 / 100 × 63 = 1332.0…
    EXPECT_NE(form.window.messages.at(0).find("не больше 1332 Вт"), std::string::npos);
}

}  // namespace
}  // namespace dephlegmator
