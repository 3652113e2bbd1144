// The live region's sentence after a recalculation: the results, or why there are none.
#include "outcome.h"
#include "form_driver.h"
#include "in_language.h"

namespace dephlegmator {
namespace {

using testing::FormDriver;
using testing::InLanguage;

// What the live region says after each recalculation.
TEST(Outcome, ResultsOrWhyThereAreNone) {
    const struct {
        const char* name;
        const char* text6;
        const char* diameter;
        const char* says;
    } cases[] = {
        {"results", "40", "5",
         "Результаты: тепловая нагрузка 5282\u00A0Вт, расход воды 3,37\u00A0л/\u2060мин, "
         "температура воды на "
         "выходе 40\u00A0°С, площадь 1571\u00A0см²."},
        {"a box to fill in", "", "5",
         "Нет результата: не заполнено поле «Заданная температура воды на выходе, °С»."},
        {"a marked box first", "", "-5",
         "Нет результата. Введите диаметр больше нуля, например 5."},
        {"an error", "15,000000000000002", "5", "Расчёт остановлен ошибкой."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FormDriver form;
        form.window.boxes.separator(",");
        form.window.boxes.set(Box::Text1, "78").set(Box::Text2, "15").set(Box::Text3, "100");
        form.window.boxes.set(Box::Text4, c.diameter).set(Box::Text6, c.text6);
        form.Enter();
        EXPECT_EQ(OutcomeSentence(form.modes.lastInputs(), form.modes.marks(), form.window,
                                  form.modes.lastCalculationFailed()),
                  c.says);
    }
}

TEST(Outcome, InEnglish) {
    const InLanguage english(Language::English);
    FormDriver form;
    form.window.boxes.separator(",");
    form.window.boxes.set(Box::Text1, "78").set(Box::Text2, "15").set(Box::Text3, "100");
    form.window.boxes.set(Box::Text4, "5").set(Box::Text6, "1,5 кВт");
    form.Click("Option8");
    form.modes.Recalculate();
    EXPECT_EQ(form.window.marks["Text6"], "Enter a number in litres per minute, for example 1,5.");
    EXPECT_EQ(OutcomeSentence(form.modes.lastInputs(), form.modes.marks(), form.window, false),
              "No result. Enter a number in litres per minute, for example 1,5.");

    form.window.boxes.separator(".");
    form.window.boxes.set(Box::Text6, "40");
    form.Click("Option6");
    form.modes.Recalculate();
    EXPECT_EQ(OutcomeSentence(form.modes.lastInputs(), form.modes.marks(), form.window, false),
              "Results: heat load 5282\u00A0W, water flow 3.37\u00A0l/\u2060min, outlet water "
              "temperature 40\u00A0°C, "
              "area 1571\u00A0cm².");
}

}  // namespace
}  // namespace dephlegmator
