// The messages of failed calculations: the kind first, then what could not be computed and why.
#include <optional>
#include <string>

#include "calculate.h"

#include "form_driver.h"

namespace dephlegmator {
namespace {

using Kind = CalcError::Kind;
using Stage = CalcError::Stage;

struct Case {
    const char* name;
    const char* given;  // Option6, Option7 or Option8
    const char* tc;
    const char* tin;
    const char* area;  // cm², area mode
    const char* value;
    Kind kind;
    Stage stage;
    const char* says;
    const char* focus;  // the box the window gives the focus, "" for none
};

// One case for each row of the messages' table, in the table's order: the inputs that reach it,
// the stage and kind they fail with, and a phrase only that row's text has.
TEST(ErrorMessages, SayWhatCouldNotBeComputedAndWhy) {
    const Case cases[] = {
        // Every mode.
        {"area beyond range", "Option6", "78", "15", "1E309", "40", Kind::Overflow, Stage::Area,
         "слишком большое значение", "Text5"},
        {"number beyond range", "Option8", "1E999", "15", "500", "1", Kind::Overflow,
         Stage::InputTest, "слишком большое значение", "Text1"},
        // Outlet temperature given.
        {"outlet barely above inlet", "Option6", "78", "15", "1000", "15.000000000000002",
         Kind::DivisionByZero, Stage::ExternalLoad,
         "температура воды на выходе почти равна температуре воды на входе", "Text6"},
        {"condensation far above the outlet", "Option6", "1E308", "15", "1000", "40",
         Kind::DivisionByZero, Stage::ExternalLoad,
         "температура конденсации настолько выше температуры воды на входе", "Text1"},
        {"heat load beyond range", "Option6", "78", "15", "1E308", "40", Kind::Overflow,
         Stage::ExternalLoad, "слишком большое значение", ""},
        {"flow beyond range", "Option6", "1E305", "15", "10000", "5E304", Kind::Overflow,
         Stage::ExternalFlow, "слишком большое значение", ""},
        // Heat load given.
        {"surface rounds to 0 m²", "Option7", "78", "15", "1E-320", "1000", Kind::DivisionByZero,
         Stage::MeanDifference, "поверхность так мала, что в квадратных метрах она округляется",
         "Text5"},
        {"load too large for a tiny surface", "Option7", "78", "15", "1E-310", "1000",
         Kind::Overflow, Stage::MeanDifference, "тепловая нагрузка слишком велика для такой",
         "Text6"},
        {"load too small", "Option7", "78", "15", "1000", "0.3", Kind::DivisionByZero,
         Stage::OutletTemp, "тепловая нагрузка слишком мала для такой поверхности", "Text6"},
        {"condensation not above inlet", "Option7", "20", "20", "1000", "500",
         Kind::HeatLoadBeyondSurface, Stage::OutletTemp,
         "температура конденсации не выше температуры воды на входе", "Text1"},
        {"load beyond the surface", "Option7", "78", "15", "1000", "5000",
         Kind::HeatLoadBeyondSurface, Stage::OutletTemp,
         "передаёт не больше 4284\u00A0Вт, даже при очень большом", "Text6"},
        {"largest load beyond range", "Option7", "15", "1E300", "1E308", "1E306", Kind::Overflow,
         Stage::OutletTemp, "слишком большое значение", ""},
        {"outlet lost beside a huge inlet", "Option7", "10000000000000064", "1E16", "1000", "4351",
         Kind::DivisionByZero, Stage::ExternalFlow, "температура на выходе получилась равной ей",
         "Text2"},
        {"flow for a huge load beyond range", "Option7", "1E300", "15", "1E300", "1E307",
         Kind::Overflow, Stage::ExternalFlow, "слишком большое значение", ""},
        // Water flow given.
        {"flow too small for the surface", "Option8", "78", "15", "1000", "1E-310", Kind::Overflow,
         Stage::OutletTemp, "расход воды слишком мал для такой поверхности", "Text6"},
        {"condensation equals inlet", "Option8", "20", "20", "500", "1", Kind::InvalidOperation,
         Stage::ExternalLoad, "температура конденсации равна температуре воды на входе", "Text1"},
        {"condensation below inlet, large flow", "Option8", "10", "15", "1000", "1E17",
         Kind::InvalidOperation, Stage::ExternalLoad,
         "температура конденсации ниже температуры воды на входе", "Text1"},
        {"condensation below inlet, small flow", "Option8", "10", "15", "1000", "1E-300",
         Kind::DivisionByZero, Stage::ExternalLoad,
         "температура конденсации ниже температуры воды на входе", "Text1"},
        {"surface rounds to 0 m², water stays at the inlet", "Option8", "78", "15", "1E-320", "1",
         Kind::InvalidOperation, Stage::ExternalLoad, "округляется до нуля, и вода не нагревается",
         "Text5"},
        {"surface rounds to 0 m², huge condensation", "Option8", "1E17", "15", "1E-320", "1",
         Kind::DivisionByZero, Stage::ExternalLoad, "округляется до нуля, и вода не нагревается",
         "Text5"},
        {"flow too large to warm the water", "Option8", "78", "15", "1000", "1E17",
         Kind::InvalidOperation, Stage::ExternalLoad, "вода не успевает нагреться", "Text6"},
        {"water reaches condensation", "Option8", "78", "15", "10000", "0.25", Kind::DivisionByZero,
         Stage::ExternalLoad, "вода нагревается до температуры конденсации", "Text6"},
        // Tc − Tin is the autonomous rise, but the external column fails first.
        {"water reaches condensation 10\u00A0K above inlet", "Option8", "25", "15", "10000", "0.25",
         Kind::DivisionByZero, Stage::ExternalLoad, "вода нагревается до температуры конденсации",
         "Text6"},
        {"warming negligible beside condensation", "Option8", "123456789012345678", "15", "1000",
         "2.6E16", Kind::DivisionByZero, Stage::ExternalLoad,
         "нагрев воды ничтожно мал по сравнению с разностью", "Text6"},
        {"external heat load beyond range", "Option8", "1E308", "15", "1000", "1", Kind::Overflow,
         Stage::ExternalLoad, "слишком большое значение", ""},
        {"exactly 10\u00A0K to spare", "Option8", "25", "15", "500", "1", Kind::DivisionByZero,
         Stage::AutonomousColumn, "всего на 10\u00A0°С выше", "Text1"},
        {"10\u00A0K negligible beside condensation", "Option8", "1E20", "15", "1000", "1",
         Kind::DivisionByZero, Stage::AutonomousColumn, "нагрев воды на 10\u00A0°С ничтожно мал",
         "Text1"},
        {"less than 10\u00A0K to spare", "Option8", "20", "15", "500", "1", Kind::InvalidArgument,
         Stage::AutonomousColumn, "меньше чем на 10\u00A0°С выше", "Text1"},
        {"autonomous heat load beyond range", "Option8", "1E15", "15", "1.5E295", "5.4E290",
         Kind::Overflow, Stage::AutonomousColumn, "слишком большое значение", ""},
        // A result shown as below its decimals is no number to go on from.
        {"heat load below 1\u00A0W", "Option6", "78", "15", "0.01", "40",
         Kind::ShownBelowItsDecimals, Stage::ExternalFlow, "тепловая нагрузка меньше 1\u00A0Вт",
         "Text6"},
        {"autonomous heat load below 1\u00A0W", "Option8", "78", "15", "0.01", "1",
         Kind::ShownBelowItsDecimals, Stage::AutonomousColumn, "тепловая нагрузка меньше 1\u00A0Вт",
         "Text5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::ArrayControls controls;
        controls.set(Box::Text1, c.tc).set(Box::Text2, c.tin).set(Box::Text5, c.area);
        controls.set(Box::Text6, c.value);
        controls.select(Option::Option5, c.given == std::string("Option6")   ? Option::Option6
                                         : c.given == std::string("Option7") ? Option::Option7
                                                                             : Option::Option8);
        FormInputs inputs = ReadFormInputs(controls);
        // The window stops a condensation temperature above boiling at the input test; the
        // engine's cases reach these rows beyond it.
        if (inputs.boxes[0].fault == InputFault::AboveBoiling) inputs.boxes[0].fault = {};
        FormState state = LoadedFormState();
        std::optional<CalcError> error;
        try {
            Calculate(state, inputs, controls);
        } catch (const CalcError& e) {
            error = e;
        }
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->kind(), c.kind);
        EXPECT_EQ(error->stage(), c.stage);
        const std::string message = ErrorMessage(*error, inputs, state, ".");
        EXPECT_EQ(message.rfind(ErrorKindLine(c.kind), 0), 0u) << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
        // Only the autonomous column fails after the external one has been computed.
        if (message.find("рассчитано") != std::string::npos) {
            EXPECT_EQ(c.stage, Stage::AutonomousColumn) << message;
        }
        const std::optional<Box> focus = ErrorBox(*error, inputs, state);
        EXPECT_EQ(focus ? std::string(BoxName(*focus)) : "", c.focus);
    }
}

// With height and diameter, a surface that rounds to 0 sends the focus to the height.
TEST(ErrorMessages, TheGeometryFocusedIsTheHeight) {
    testing::FormDriver form;
    form.window.boxes.set(Box::Text1, "78").set(Box::Text2, "15").set(Box::Text3, "1E-170");
    form.window.boxes.set(Box::Text4, "1E-170").set(Box::Text6, "1000");
    form.Click("Option7");
    form.Enter();
    ASSERT_EQ(form.window.stages, std::vector{Stage::MeanDifference});
    EXPECT_EQ(form.window.focused, "Text3");
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
    EXPECT_NE(form.window.messages.at(0).find("не больше 1332\u00A0Вт"), std::string::npos);
}

}  // namespace
}  // namespace dephlegmator
