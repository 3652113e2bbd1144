// The marks on input boxes the calculation cannot take, and what a screen reader hears of the
// result boxes.
#include <string>

#include "accessible_names.h"
#include "form_driver.h"

namespace dephlegmator {
namespace {

using testing::FormDriver;

void TypeHeightDiameter(FormDriver& form, const char* tc, const char* tin, const char* height,
                        const char* diameter, const char* given) {
    form.window.boxes.set(Box::Text1, tc).set(Box::Text2, tin).set(Box::Text3, height);
    form.window.boxes.set(Box::Text4, diameter).set(Box::Text6, given);
}

TEST(InputMarks, SayWhatIsWrongAndGiveAnExample) {
    const struct {
        const char* name;
        const char* given;  // the option clicked
        const char* tc;
        const char* separator;
        const char* text6;
        const char* diameter;
        const char* markedBox;  // nullptr: no mark
        const char* mark;
    } cases[] = {
        {"a unit after the load", "Option7", "78", ",", "1,5 кВт", "5", "Text6",
         "Введите число в ваттах, например 1500."},
        {"a word for the flow", "Option8", "78", ",", "много", "5", "Text6",
         "Введите число в литрах в минуту, например 1,5."},
        {"outlet above condensation", "Option6", "78", ".", "80", "5", "Text6",
         "Температура воды на выходе должна быть ниже температуры конденсации (78\u00A0°С)."},
        {"outlet below inlet", "Option6", "78", ",", "12,5", "5", "Text6",
         "Температура воды на выходе должна быть выше температуры воды на входе (15\u00A0°С)."},
        {"negative diameter", "Option8", "78", ".", "1", "-5", "Text4",
         "Введите диаметр больше нуля, например 5."},
        {"beyond the double range", "Option8", "78", ".", "1", "1E999", "Text4",
         "Число слишком велико. Введите диаметр в сантиметрах, например 5."},
        {"an empty box is not filled in yet", "Option8", "78", ".", "", "5", nullptr, ""},
        {"condensation above boiling", "Option7", "2000", ".", "1500", "5", "Text1",
         "Вода кипит при 100\u00A0°С: температура конденсации должна быть не выше."},
        {"all in range", "Option8", "78", ".", "1", "5", nullptr, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FormDriver form;
        form.window.boxes.separator(c.separator);
        TypeHeightDiameter(form, c.tc, "15", "100", c.diameter, c.text6);
        form.Click(c.given);
        form.Enter();
        if (c.markedBox == nullptr) {
            EXPECT_TRUE(form.window.marks.empty());
            continue;
        }
        EXPECT_EQ(form.window.marks.size(), 1u);
        EXPECT_EQ(form.window.marks[c.markedBox], c.mark);
    }
}

// The Enter cycle goes on as always: a mark moves no focus and opens no message.
TEST(InputMarks, NeitherMoveTheFocusNorOpenAMessage) {
    FormDriver form;
    TypeHeightDiameter(form, "78", "15", "100", "5", "1,5 кВт");
    form.Click("Option7");
    form.Enter();  // from Text6 to Text1
    EXPECT_EQ(form.window.focused, "Text1");
    EXPECT_TRUE(form.window.errors.empty());
    EXPECT_EQ(form.window.marks.count("Text6"), 1u);
    EXPECT_EQ(form.window.boxes.text(Box::Text7), kNoResult);
}

// A mark is set once, stays while the box stays wrong, and clears once it reads in range; a box
// the mode no longer reads loses its mark.
TEST(InputMarks, ClearOnceTheBoxReadsInRange) {
    FormDriver form;
    TypeHeightDiameter(form, "78", "15", "100", "abc", "1");
    form.Click("Option8");
    form.Enter();
    form.Enter();
    EXPECT_EQ(form.window.marks.count("Text4"), 1u);
    EXPECT_EQ(form.window.markChanges, 1);
    form.window.boxes.set(Box::Text4, "5");
    form.Enter();
    EXPECT_TRUE(form.window.marks.empty());

    form.window.boxes.set(Box::Text3, "-1");
    form.Enter();
    EXPECT_EQ(form.window.marks.count("Text3"), 1u);
    form.window.boxes.set(Box::Text5, "500");
    form.Click("Option5");
    form.Enter();
    EXPECT_TRUE(form.window.marks.empty());
}

TEST(ResultNames, SayWhenABoxHasNoResult) {
    FormDriver form;
    const std::string withResult = ResultBoxName(Box::Text7, false);
    const std::string without = ResultBoxName(Box::Text7, true);
    EXPECT_EQ(form.window.accessibleNames["Text7"], without);
    TypeHeightDiameter(form, "78", "15", "100", "5", "40");
    form.Enter();
    EXPECT_EQ(form.window.accessibleNames["Text7"], withResult);
    EXPECT_EQ(form.window.accessibleNames["Text71"], ResultBoxName(Box::Text71, true));
    form.window.boxes.set(Box::Text6, "80");
    form.Enter();
    EXPECT_EQ(form.window.accessibleNames["Text7"], without);
}

}  // namespace
}  // namespace dephlegmator
