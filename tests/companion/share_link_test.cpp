// The share link: the fragment a window's form makes, what a fragment says, and a form opened in
// the window.
#include "share_link.h"

#include <string>
#include <vector>

#include "fake_panel.h"
#include "form_driver.h"

namespace dephlegmator {
namespace {

using testing::FormDriver;

SharedForm Form(Preset preset, Geometry geometry, Given given,
                std::array<std::optional<std::string>, 6> texts) {
    return {preset, {geometry, given}, std::move(texts), {}};
}

void ExpectSameForm(const SharedForm& read, const SharedForm& written) {
    EXPECT_EQ(read.preset, written.preset);
    EXPECT_EQ(read.modes.geometry, written.modes.geometry);
    EXPECT_EQ(read.modes.given, written.modes.given);
    EXPECT_EQ(read.texts, written.texts);
    EXPECT_EQ(read.panel, written.panel);
}

// The heater example with the panel's inputs a user set: a jacket, a tap, a tank held at R 3,
// 150 W of losses, a measured take-off and a volume to collect.
SharedForm WithPanel() {
    SharedForm form = Form(Preset::SS, Geometry::HeightDiameter, Given::HeatLoad,
                           {"88", "20", "80", "5", std::nullopt, "2000"});
    form.panel = {"350", std::nullopt, "jacket", "2000", "1,5",  std::nullopt, "200",
                  "18",  "5",          "3",      "150",  "2462", "3"};
    return form;
}

TEST(ShareLink, WritesTheWorkedExampleAsTheGuideShowsIt) {
    const SharedForm example = Form(Preset::SR, Geometry::HeightDiameter, Given::OutletTemp,
                                    {"78", "15", "100", "5", std::nullopt, "40"});
    EXPECT_EQ(ShareLinkFragment(example, Language::Russian),
              "preset=sr&t1=78&t2=15&h=100&d=5&given=outlet&v=40");
    EXPECT_EQ(ShareLinkFragment(example, Language::English),
              "preset=sr&t1=78&t2=15&h=100&d=5&given=outlet&v=40&lang=en");
}

TEST(ShareLink, ReadsTheLanguageWithOrWithoutACalculation) {
    const struct {
        const char* fragment;
        bool form;
        std::optional<Language> language;
        const char* problem;  // part of the sentence; "" for none
    } cases[] = {
        {"#preset=sr&t1=78&lang=en", true, Language::English, ""},
        {"#lang=ru&t1=78", true, Language::Russian, ""},
        {"#t1=78", true, std::nullopt, ""},
        {"#lang=en", false, Language::English, ""},
        {"#lang=en&utm=1", false, Language::English, ""},
        {"#t1=78&lang=de", false, std::nullopt, "«lang=de», возможны en, ru"},
        {"#lang=EN", false, std::nullopt, "возможны en, ru"},
        {"#lang=en&lang=en", false, std::nullopt, "«lang» указано дважды"},
        {"#lang", false, std::nullopt, "«lang» без значения"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fragment);
        const ShareLinkReading read = ReadShareLink(c.fragment);
        EXPECT_EQ(read.form.has_value(), c.form);
        EXPECT_EQ(read.language, c.language);
        if (*c.problem == '\0') {
            EXPECT_EQ(read.problem, "");
        } else {
            EXPECT_NE(read.problem.find(c.problem), std::string::npos) << read.problem;
        }
    }
}

TEST(ShareLink, ReadsBackEveryFormItWrites) {
    const struct {
        const char* name;
        SharedForm form;
    } cases[] = {
        {"the heater example under a comma",
         Form(Preset::SS, Geometry::HeightDiameter, Given::HeatLoad,
              {"88", "20", "80", "5", std::nullopt, "2000,5"})},
        {"the area and the flow, boxes empty",
         Form(Preset::Other, Geometry::SurfaceArea, Given::WaterFlow,
              {"", "15", std::nullopt, std::nullopt, "1571", ""})},
        // Every character the link itself uses, blanks of grouped numbers, Cyrillic, a plus.
        {"texts with the link's own characters",
         Form(Preset::SR, Geometry::HeightDiameter, Given::HeatLoad,
              {"1E+3", "&=", "%2", "#", std::nullopt, "1\u00a0500 кВт a&b=c"})},
        {"the panel's inputs", WithPanel()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string fragment = ShareLinkFragment(c.form, Language::Russian);
        EXPECT_EQ(fragment.find_first_of(" #+\xc2\xd0"), std::string::npos) << fragment;
        const ShareLinkReading read = ReadShareLink("#" + fragment);
        ASSERT_TRUE(read.form) << read.problem;
        EXPECT_EQ(read.problem, "");
        ExpectSameForm(*read.form, c.form);
    }
}

TEST(ShareLink, ReadsAFragmentOrSaysWhyNot) {
    const std::optional<std::string> none;
    const struct {
        const char* fragment;
        // For a form: the given quantity and the texts of Text1, Text5 and Text6.
        bool form;
        Geometry geometry;
        Given given;
        std::array<std::optional<std::string>, 3> texts;
        const char* problem;  // part of the sentence; "" for none
    } cases[] = {
        // No link to a calculation: a plain visit, an anchor, only keys of others.
        {"", false, {}, {}, {}, ""},
        {"#", false, {}, {}, {}, ""},
        {"#top", false, {}, {}, {}, ""},
        {"#x=1&&y", false, {}, {}, {}, ""},
        // A link: unknown keys ignored; start choices where the link has none.
        {"#t1=88&utm=1", true, Geometry::HeightDiameter, Given::OutletTemp, {"88", none, none}, ""},
        {"a=1571&given=flow&v=3,5",
         true,
         Geometry::SurfaceArea,
         Given::WaterFlow,
         {none, "1571", "3,5"},
         ""},
        {"given=load&v=1%C2%A0500",
         true,
         Geometry::HeightDiameter,
         Given::HeatLoad,
         {none, none, "1\u00a0500"},
         ""},
        {"v=1E+3", true, Geometry::HeightDiameter, Given::OutletTemp, {none, none, "1E+3"}, ""},
        // Text1 takes 5 characters, Cyrillic ones too, whatever their bytes.
        {"t1=%D0%BF%D1%8F%D1%82%D1%8C%D1%81",
         true,
         Geometry::HeightDiameter,
         Given::OutletTemp,
         {"пятьс", none, none},
         ""},
        // Malformed.
        {"t1", false, {}, {}, {}, "«t1» без значения"},
        {"t1=78&t1=88", false, {}, {}, {}, "«t1» указано дважды"},
        {"given=heat", false, {}, {}, {}, "«given=heat», возможны outlet, load, flow"},
        {"preset=SR", false, {}, {}, {}, "«preset=SR», возможны sr, ss, other"},
        {"v=40%", false, {}, {}, {}, "неверная %-запись в «v=40%»"},
        {"v=4%0", false, {}, {}, {}, "неверная %-запись"},
        {"v=%zz", false, {}, {}, {}, "неверная %-запись"},
        {"v=%FF", false, {}, {}, {}, "в «v» не текст в UTF-8"},
        {"v=%C0%80", false, {}, {}, {}, "не текст в UTF-8"},
        {"t2=100", false, {}, {}, {}, "«t2» длиннее 2 знаков"},
        {"t1=%D0%BF%D1%8F%D1%82%D1%8C%D1%81%D0%BE", false, {}, {}, {}, "«t1» длиннее 5 знаков"},
        {"a=1&d=5", false, {}, {}, {}, "и площадь («a»), и высота или диаметр"},
        // The panel's inputs take the same checks.
        {"u=350&tap=1,5",
         true,
         Geometry::HeightDiameter,
         Given::OutletTemp,
         {none, none, none},
         ""},
        {"u", false, {}, {}, {}, "«u» без значения"},
        {"u=350&u=400", false, {}, {}, {}, "«u» указано дважды"},
        {"tap=1%E", false, {}, {}, {}, "неверная %-запись"},
        {"tap=%E0%80%80", false, {}, {}, {}, "в «tap» не текст в UTF-8"},
        {"u=123456789012345678901", false, {}, {}, {}, "«u» длиннее 20 знаков"},
        {"device=pipe",
         false,
         {},
         {},
         {},
         "«device=pipe», возможны window, jacket, shell, coil, own"},
        {"hold=4", false, {}, {}, {}, "«hold=4», возможны 1, 2, 3, 5, 10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fragment);
        const ShareLinkReading read = ReadShareLink(c.fragment);
        EXPECT_EQ(read.form.has_value(), c.form);
        if (*c.problem == '\0') {
            EXPECT_EQ(read.problem, "");
        } else {
            EXPECT_NE(read.problem.find(c.problem), std::string::npos) << read.problem;
            EXPECT_EQ(read.problem.rfind("Ссылка на расчёт не прочитана: ", 0), 0u);
        }
        if (!read.form) continue;
        EXPECT_EQ(read.form->modes.geometry, c.geometry);
        EXPECT_EQ(read.form->modes.given, c.given);
        EXPECT_EQ(read.form->texts[0], c.texts[0]);
        EXPECT_EQ(read.form->texts[4], c.texts[1]);
        EXPECT_EQ(read.form->texts[5], c.texts[2]);
    }
}

// Selects an option button in the fake window as a toolkit does, without its handler.
class Opened : public ::testing::Test, public FormDriver, public OptionSelector {
  protected:
    void Open(const SharedForm& form) { OpenSharedForm(form, modes, window, *this); }

    void select(std::string_view option) override {
        selected.emplace_back(option);
        if (option == "Option4" || option == "Option5") geometry = option;
        if (option >= "Option6") given = option;
        window.boxes.select(geometry == "Option5" ? Option::Option5 : Option::Option4,
                            given == "Option7"   ? Option::Option7
                            : given == "Option8" ? Option::Option8
                                                 : Option::Option6);
    }

    std::vector<std::string> selected;
    std::string geometry = "Option4";
    std::string given = "Option6";
};

TEST_F(Opened, TheHeaterExampleGivesWhatTypingItGives) {
    FormDriver typed;
    typed.window.boxes.separator(",");
    typed.Click("Option2");
    typed.window.boxes.set(Box::Text2, "20").set(Box::Text3, "80").set(Box::Text4, "5");
    typed.Click("Option7");
    typed.window.boxes.set(Box::Text6, "2000");
    typed.Enter();

    window.boxes.separator(",");
    window.boxes.clearWrites();
    Open(*ReadShareLink("preset=ss&t2=20&h=80&d=5&given=load&v=2000").form);
    EXPECT_EQ(selected, (std::vector<std::string>{"Option2", "Option4", "Option7"}));
    for (const Box box : kResultBoxes) EXPECT_EQ(window.text(box), typed.window.text(box));
    EXPECT_EQ(window.text(Box::Text1), "88");
    EXPECT_TRUE(window.visible("Label8"));
    EXPECT_EQ(window.accessibleNames["Text6"], typed.window.accessibleNames["Text6"]);
    // Recalculated once; the focus in Text1 with its text selected, and Enter goes on to Text2.
    const auto writes = window.boxes.writes();
    EXPECT_EQ(std::count(writes.begin(), writes.end(), Box::Text8), 1);
    EXPECT_EQ(window.focused, "Text1");
    EXPECT_EQ(window.selected, "Text1");
    Enter();
    EXPECT_EQ(window.focused, "Text2");
}

// The link's panel replaces what this device had stored; what the link leaves out is at its
// default, and the sections read it all as they read stored texts.
TEST(ShareLink, OpensThePanelItCarries) {
    testing::FakePanel page;
    page.values = {{"PanelU", "399"},  {"PanelC", "4180"}, {"DeviceType", "own"},
                   {"TapFlow", "0,4"}, {"RunHours", "6"},  {"CalibFlow", "1"}};
    DephlegmatorSettings settings(page);
    ColumnSection column(page);
    settings.Restore();
    column.Restore();

    const ShareLinkReading read = ReadShareLink(ShareLinkFragment(WithPanel(), Language::Russian));
    ASSERT_TRUE(read.form) << read.problem;
    OpenSharedPanel(*read.form, page, settings, column);
    EXPECT_EQ(page.value("PanelU"), "350");
    EXPECT_EQ(page.value("PanelC"), "3760");
    EXPECT_EQ(page.value("DeviceType"), "jacket");
    EXPECT_EQ(settings.coefficients().heatTransferK, 350);
    EXPECT_EQ(settings.coefficients().specificHeatC, 3760);
    EXPECT_EQ(page.value("TapFlow"), "1,5");
    EXPECT_EQ(page.value("RunHours"), "");
    EXPECT_EQ(page.value("TankReflux"), "3");
    EXPECT_EQ(page.value("CalibFlow"), "1") << "the calibration is not the link's";
    EXPECT_EQ(page.value("PanelLosses"), "150");
    EXPECT_EQ(page.value("MeasuredTakeOff"), "2462");
    EXPECT_EQ(page.value("CollectVolume"), "3");
    EXPECT_NE(ShareLinkFragment(WithPanel(), Language::Russian)
                  .find("&hold=3&losses=150&measured=2462&collect=3"),
              std::string::npos);

    // What the sections would keep is what a link made from them carries, calibration aside.
    SharedForm again = WithPanel();
    again.panel = {};
    std::vector<std::pair<std::string_view, std::string>> stored = settings.Stored();
    const auto kept = column.Stored();
    stored.insert(stored.end(), kept.begin(), kept.end());
    SetSharedPanel(again, stored);
    EXPECT_EQ(again.panel, WithPanel().panel);

    // A link without losses opens with none, which a link made again leaves out as the default.
    SharedForm none = WithPanel();
    none.panel.at(10).reset();
    OpenSharedPanel(none, page, settings, column);
    EXPECT_EQ(page.value("PanelLosses"), "0");
    SharedForm made = WithPanel();
    made.panel = {};
    SetSharedPanel(made, column.Stored());
    EXPECT_FALSE(made.panel.at(10));
}

TEST_F(Opened, TheAreaModeShowsTheAreaBoxAndMarksWhatItCannotTake) {
    Open(*ReadShareLink("preset=other&t1=78&t2=15&a=1571&given=flow&v=-1").form);
    EXPECT_TRUE(window.visible("Text5"));
    EXPECT_FALSE(window.visible("Text3"));
    EXPECT_EQ(window.text(Box::Text10), "1571");
    EXPECT_EQ(window.text(Box::Text8), kNoResult);
    EXPECT_EQ(window.marks.count("Text6"), 1u);
    Enter();
    EXPECT_EQ(window.focused, "Text2");
}

}  // namespace
}  // namespace dephlegmator
