// What the window does while the user types: the preset button follows Text1, and a text cut at
// its box's typing limit says so.
#include <string>
#include <utility>
#include <vector>

#include "form_driver.h"
#include "typing_limit.h"

namespace dephlegmator {
namespace {

using testing::FormDriver;

TEST(TypingLimit, KeepsAsMuchOfTheInsertionAsLeavesRoom) {
    const struct {
        Insertion insertion;
        std::size_t limit;
        const char* kept;
    } cases[] = {
        {{"", "12000", ""}, 4, "1200"},                                // a paste into an empty box
        {{"12", ",5", ""}, 2, "12"},                                   // typed into a full box
        {{"1", "23", "5"}, 4, "1235"},                                 // pasted into the middle
        {{"", "9999", ""}, 3, "999"},   {{"", "°С°С", ""}, 3, "°С°"},  // characters, not bytes
        {{"1", "2", ""}, 0, "12"},                                     // no limit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kept);
        EXPECT_EQ(KeptWithinLimit(c.insertion, c.limit), c.kept);
    }
}

// How many characters each box takes; 0, the given quantity's box, has no limit.
TEST(TypingLimit, PerBox) {
    const std::pair<Box, std::size_t> limits[] = {{Box::Text1, 5}, {Box::Text2, 2},
                                                  {Box::Text3, 3}, {Box::Text4, 3},
                                                  {Box::Text5, 4}, {Box::Text6, 0}};
    for (const auto& [box, limit] : limits) EXPECT_EQ(TypingLimit(box), limit) << BoxName(box);
}

// «СР» and «СС» stand for the number in Text1; once the user edits it into another, «другая» is
// what is selected, without the focus or the Enter cycle moving.
TEST(PresetFollowsText1, AnotherValueSelectsOption3) {
    const struct {
        const char* preset;  // the button clicked before the edit
        const char* typed;
        bool option3;
    } cases[] = {
        {"Option1", "80", true},  {"Option1", "7", true},     {"Option1", "", true},
        {"Option1", "78", false}, {"Option1", "78,0", false}, {"Option2", "78", true},
        {"Option2", "88", false}, {"Option3", "78", false},   {"Option1", "1E999", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.preset) + " then " + c.typed);
        FormDriver form;
        form.window.boxes.separator(",");
        form.Click(c.preset);
        const std::string focused = form.window.focused;
        const auto step = form.modes.enterStep();
        form.window.boxes.set(Box::Text1, c.typed);
        form.modes.TextChanged(Box::Text1);
        EXPECT_EQ(form.window.checks,
                  c.option3 ? std::vector<std::string>{"Option3"} : std::vector<std::string>{});
        EXPECT_EQ(form.window.focused, focused);
        EXPECT_EQ(form.modes.enterStep(), step);
    }
}

// Typed over the selected 78 key by key, "7" is another value for a moment; "78" is the
// preset's again. A button the user clicks since is theirs.
TEST(PresetFollowsText1, ThePresetComesBackWithItsValue) {
    FormDriver form;
    for (const char* typed : {"7", "78", "8", "88"}) {
        form.window.boxes.set(Box::Text1, typed);
        form.modes.TextChanged(Box::Text1);
    }
    EXPECT_EQ(form.window.checks, (std::vector<std::string>{"Option3", "Option1", "Option3"}));

    form.Click("Option3");
    form.window.boxes.set(Box::Text1, "78");
    form.modes.TextChanged(Box::Text1);
    EXPECT_EQ(form.window.checks.size(), 3u);
}

// Typing into a full box and pasting more than it takes are marked, and the mark goes with the
// next edit or recalculation.
TEST(TypingCut, MarksWhatWasCut) {
    FormDriver form;
    form.window.boxes.set(Box::Text2, "12");
    EXPECT_EQ(form.modes.TextCut(Box::Text2, {"12", ",", ""}), "12");
    EXPECT_EQ(form.window.marks["Text2"], "Не больше 2 знаков: «12,» сокращено до «12».");
    // The next refused keystroke at the end adds to what was wanted.
    EXPECT_EQ(form.modes.TextCut(Box::Text2, {"12", "5", ""}), "12");
    EXPECT_EQ(form.window.marks["Text2"], "Не больше 2 знаков: «12,5» сокращено до «12».");

    EXPECT_EQ(form.modes.TextCut(Box::Text5, {"", "12000", ""}), "1200");
    EXPECT_EQ(form.window.text(Box::Text5), "1200");
    EXPECT_EQ(form.window.marks["Text5"], "Не больше 4 знаков: «12000» сокращено до «1200».");

    form.window.boxes.set(Box::Text2, "1");
    form.modes.TextChanged(Box::Text2);
    EXPECT_EQ(form.window.marks.count("Text2"), 0u);
    EXPECT_EQ(form.window.marks.count("Text5"), 1u);
    form.Enter();
    EXPECT_EQ(form.window.marks.count("Text5"), 0u);
}

// An edit takes a cut's mark away and shows the mark of the last recalculation again, which is
// still about what the calculation read.
TEST(TypingCut, TheMarkOfTheLastCalculationComesBack) {
    FormDriver form;
    form.window.boxes.set(Box::Text1, "78").set(Box::Text2, "-5").set(Box::Text3, "100");
    form.window.boxes.set(Box::Text4, "5").set(Box::Text6, "40");
    form.Enter();
    const std::string calculated = form.window.marks["Text2"];
    ASSERT_FALSE(calculated.empty());
    form.modes.TextCut(Box::Text2, {"-5", "0", ""});
    EXPECT_NE(form.window.marks["Text2"], calculated);
    form.modes.LanguageChanged();
    EXPECT_NE(form.window.marks["Text2"], calculated);
    form.modes.TextChanged(Box::Text2);
    EXPECT_EQ(form.window.marks["Text2"], calculated);
}

// A paste cut in Text1 may leave it holding another value than the preset's.
TEST(TypingCut, ThePresetFollowsACutText1) {
    FormDriver form;
    form.window.boxes.set(Box::Text1, "");
    EXPECT_EQ(form.modes.TextCut(Box::Text1, {"", "100000", ""}), "10000");
    EXPECT_EQ(form.window.checks, std::vector<std::string>{"Option3"});
}

}  // namespace
}  // namespace dephlegmator
