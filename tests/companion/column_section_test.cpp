// The section «У колонны»: the tap's reflux ratio, the water of a run and the cooling tank, with
// «—» and one line of reason wherever a number cannot be given.
#include <gtest/gtest.h>

#include <string>

#include "array_controls.h"
#include "column_section.h"
#include "fake_panel.h"
#include "in_language.h"
#include "number_text.h"
#include "panel_texts.h"

namespace dephlegmator {
namespace {

using testing::FakePanel;

// 78 °C and 15 °C over 100 cm × 5 cm, U 680, c 3760.
PanelBasis Example() {
    return {Condenser{78, 15, 0.157075, kHeatTransferKAtLoad, kSpecificHeatCAtLoad}, {}};
}

struct Section {
    FakePanel page;
    ColumnSection column{page};

    explicit Section(const char* power = "2000") {
        page.separator = ".";
        column.Restore();
        page.values["PanelPower"] = power;
    }
    Section& type(const char* id, const char* text) {
        page.values[id] = text;
        return *this;
    }
    Section& show(const PanelBasis& basis = Example()) {
        column.Show(basis);
        return *this;
    }
    std::string operator[](const char* id) const { return page.content(id); }
};

TEST(ColumnSection, FromTheTapToTheRefluxRatio) {
    struct Case {
        const char *flow, *load, *outlet, *reflux;
    };
    const Case cases[] = {
        {"0.3", "1180", "77.8", "1.4"},
        {"0.5", "1909", "75.9", "20.9"},
        {"2", "2000", "31", "полная флегма"},  // condenses all: the water warms by P / C
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flow);
        Section section;
        section.type("TapFlow", c.flow).type("RunHours", "4").show();
        EXPECT_EQ(section["TapLoad"], c.load);
        EXPECT_EQ(section["TapOutlet"], c.outlet);
        EXPECT_EQ(section["TapReflux"], c.reflux);
        EXPECT_EQ(section["TapReason"], "");
        EXPECT_EQ(section["RunWater"], FormatRounded(ParseNumber(c.flow) * 240, 0, "."));
    }
}

// The flow the reflux table gives for a ratio, set at the tap, gives that ratio back.
TEST(ColumnSection, TapRefluxInvertsTheRefluxTable) {
    const Condenser condenser = *Example().condenser;
    for (const RefluxRatio& row : kRefluxRatios) {
        if (row.ratio == kFullReflux) continue;
        SCOPED_TRACE(row.number);
        const double flow = condenser.flowForLoad(RefluxLoad(2000, row.ratio));
        Section section;
        section.type("TapFlow", FormatNumber(flow, ".").c_str()).show();
        EXPECT_EQ(section["TapReflux"], FormatRounded(row.ratio, 1, "."));
    }
}

TEST(ColumnSection, TankExamples) {
    struct Case {
        const char *reflux, *limit, *time;
    };
    const Case cases[] = {{"полная флегма", "55.9", "4\u00A0ч 16\u00A0мин"},
                          {"3", "61.4", "4\u00A0ч 51\u00A0мин"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reflux);
        Section section;
        section.type("TankVolume", "200").type("TankStart", "15").type("PumpFlow", "5");
        section.type("TankReflux", c.reflux).show();
        EXPECT_EQ(section["TankLimitTemp"], c.limit);
        EXPECT_EQ(section["TankTime"], c.time);
        EXPECT_EQ(section["TankReason"], "");
        const std::optional<Chart> chart = section.page.drawing("TankChart");
        ASSERT_TRUE(chart);
        EXPECT_EQ(chart->levels.at(0).caption, "предел " + std::string(c.limit) + "\u00A0°С");
        EXPECT_EQ(section.page.names["TankChart"],
                  "График: температура воды в баке растёт от 15\u00A0°С до предела " +
                      std::string(c.limit) + "\u00A0°С за " + c.time + ".");
    }
}

// Wherever a number cannot be given the section shows «—» and says why in one line; a box that
// is not a positive number is marked, an empty one only asked for.
TEST(ColumnSection, DashesWithOneReasonAndNoStaleNumber) {
    Section section;
    section.type("TapFlow", "0.3").type("RunHours", "5").type("TankVolume", "200");
    section.type("TankStart", "15").type("PumpFlow", "5").show();
    ASSERT_EQ(section["TapLoad"], "1180");

    section.type("PanelPower", "").show();
    EXPECT_EQ(section["TapLoad"], "—");
    EXPECT_EQ(section["TapReflux"], "—");
    EXPECT_EQ(section["TapReason"], "Введите мощность нагрева, Вт — число больше нуля.");
    EXPECT_EQ(section["TankTime"], "—");
    EXPECT_FALSE(section.page.drawing("TankChart"));
    EXPECT_EQ(section.page.mark("PanelPower"), "") << "empty: asked for, not marked";
    EXPECT_EQ(section["RunWater"], "90") << "the run needs no power";

    section.type("PanelPower", "2000").type("TapFlow", "0,3\u00A0л").show();
    EXPECT_EQ(section.page.mark("TapFlow"),
              "Введите расход воды из крана, л/мин — число больше нуля.");
    EXPECT_EQ(section["TapReason"], section.page.mark("TapFlow"));
    EXPECT_EQ(section["RunWater"], "—");
    EXPECT_EQ(section["RunReason"], section.page.mark("TapFlow"));
    EXPECT_EQ(section["TankLimitTemp"], "55.9") << "the tank needs no tap";

    section.type("TapFlow", "0.3").type("PumpFlow", "-5").show();
    EXPECT_EQ(section["TankLimitTemp"], "—");
    EXPECT_EQ(section["TankReason"], "Введите расход насоса, л/мин — число больше нуля.");

    section.type("PumpFlow", "5").show(PanelBasis{std::nullopt, "Введите высоту."});
    for (const char* id : {"TapLoad", "TapOutlet", "TapReflux", "TankLimitTemp", "TankTime"}) {
        EXPECT_EQ(section[id], "—") << id;
    }
    EXPECT_EQ(section["TapReason"], "Введите высоту.");
    EXPECT_EQ(section["TankReason"], "Введите высоту.");
}

// A result beyond what a double holds is no number: «—» and one line saying so, the limit kept.
TEST(ColumnSection, ResultsTooLargeToShow) {
    Section section;
    section.type("TapFlow", "1e308").type("RunHours", "5").type("TankVolume", "1e308");
    section.type("TankStart", "15").type("PumpFlow", "5").show();
    const std::string tooLarge =
        "Результат слишком велик, чтобы его показать: проверьте введённые числа.";
    EXPECT_EQ(section["RunWater"], "—");
    EXPECT_EQ(section["RunReason"], tooLarge);
    EXPECT_EQ(section["TankTime"], "—");
    EXPECT_EQ(section["TankReason"], tooLarge);
    EXPECT_EQ(section["TankLimitTemp"], "55.9");
    EXPECT_FALSE(section.page.drawing("TankChart"));
    EXPECT_EQ(section["TapLoad"], "2000") << "the tap's own numbers stay finite";
}

TEST(ColumnSection, TankTooWarmFromTheStart) {
    Section section;
    section.type("TankVolume", "200").type("TankStart", "60").type("PumpFlow", "5").show();
    EXPECT_EQ(section["TankLimitTemp"], "55.9");
    EXPECT_EQ(section["TankTime"], "бак не справится с самого начала");
    EXPECT_EQ(section["TankReason"],
              "Уже при 60\u00A0°С насос на 5\u00A0л/\u2060мин не даёт дефлегматору сконденсировать "
              "нужные 2000\u00A0"
              "Вт. Увеличьте расход насоса или поверхность дефлегматора, или уменьшите мощность "
              "нагрева.");
    EXPECT_FALSE(section.page.drawing("TankChart"));
}

// The heat load and Tin reach the section on each recalculation; a TankStart the user typed
// stays, and is the only one kept on this device.
TEST(ColumnSection, FollowsTheWindowUntilTheUserTypes) {
    testing::ArrayControls window;
    window.set(Box::Text1, "78").set(Box::Text2, "15").set(Box::Text3, "100");
    window.set(Box::Text4, "5").set(Box::Text6, "2500").select(Option::Option4, Option::Option7);
    Section section("1000");
    section.column.Recalculated(ReadFormInputs(window), false);
    EXPECT_EQ(section.page.value("PanelPower"), "2500");
    EXPECT_EQ(section.page.value("TankStart"), "15");
    const auto storedIds = [&section] {
        std::string ids;
        for (const auto& [id, text] : section.column.Stored()) ids += std::string(id) + " ";
        return ids;
    };
    EXPECT_EQ(storedIds(), "PanelPower ") << "nothing else typed, TankStart following Tin";

    section.type("TankStart", "20").column.TankStartTyped();
    window.set(Box::Text2, "12").set(Box::Text6, "40").select(Option::Option4, Option::Option6);
    section.column.Recalculated(ReadFormInputs(window), false);
    EXPECT_EQ(section.page.value("TankStart"), "20");
    EXPECT_EQ(section.page.value("PanelPower"), "2500") << "typed by the user outside heat load";
    EXPECT_NE(storedIds().find("TankStart"), std::string::npos);

    section.type("TankStart", "").column.TankStartTyped();
    EXPECT_EQ(section.page.value("TankStart"), "12");

    // What the window cannot take is not copied: a heat load of 0 leaves the user's power.
    window.set(Box::Text2, "12,5 ").set(Box::Text6, "0").select(Option::Option4, Option::Option7);
    section.column.Recalculated(ReadFormInputs(window), false);
    EXPECT_EQ(section.page.value("PanelPower"), "2500");
    EXPECT_EQ(section.page.value("TankStart"), "12.5") << "written as the window writes numbers";
}

// Only a load the calculation took reaches PanelPower, which says where its value came from
// until the user types one.
TEST(ColumnSection, CopiesOnlyALoadTheWindowTook) {
    testing::ArrayControls window;
    window.set(Box::Text1, "78").set(Box::Text2, "15").set(Box::Text3, "100");
    window.set(Box::Text4, "5").set(Box::Text6, "2000").select(Option::Option4, Option::Option7);
    Section section("");
    section.column.Recalculated(ReadFormInputs(window), false);
    section.show();
    EXPECT_EQ(section.page.value("PanelPower"), "2000");
    EXPECT_EQ(section["PanelPowerSource"], "из окна, 2000\u00A0Вт");
    {
        const testing::InLanguage english(Language::English);
        section.show();
        EXPECT_EQ(section["PanelPowerSource"], "from the window, 2000\u00A0W");
    }

    window.set(Box::Text6, "20000");  // beyond the surface: the calculation refuses it
    section.column.Recalculated(ReadFormInputs(window), true);
    section.show();
    EXPECT_EQ(section.page.value("PanelPower"), "2000");
    EXPECT_EQ(section["PanelPowerSource"], "из окна, 2000\u00A0Вт");

    section.type("PanelPower", "1500").column.PowerTyped();
    section.show();
    EXPECT_EQ(section["PanelPowerSource"], "");
    EXPECT_EQ(section.column.heaterPower(), 1500);
    section.column.Recalculated(ReadFormInputs(window), true);
    section.show();
    EXPECT_EQ(section.page.value("PanelPower"), "1500");
    EXPECT_EQ(section["PanelPowerSource"], "");
}

TEST(ColumnSection, RestoresWhatReads) {
    FakePanel page;
    page.values = {{"PanelPower", "2 500"},
                   {"TapFlow", "0,5"},
                   {"RunHours", "abc"},
                   {"TankStart", "18"},
                   {"TankReflux", "семь"}};
    ColumnSection column(page);
    column.Restore();
    EXPECT_EQ(page.value("PanelPower"), "2500");
    EXPECT_EQ(page.value("TapFlow"), "0,5");  // the fake's separator is ','
    EXPECT_EQ(page.value("RunHours"), "");
    EXPECT_EQ(page.value("TankReflux"), "полная флегма");
    bool keepsTankStart = false;
    for (const auto& [id, text] : column.Stored()) keepsTankStart |= id == "TankStart";
    EXPECT_TRUE(keepsTankStart) << "a stored TankStart was the user's";
}

TEST(ColumnSection, HoursAndMinutes) {
    EXPECT_EQ(HoursAndMinutes(15379.48), "4\u00A0ч 16\u00A0мин");
    EXPECT_EQ(HoursAndMinutes(17456.61), "4\u00A0ч 51\u00A0мин");
    EXPECT_EQ(HoursAndMinutes(600), "10\u00A0мин");
    EXPECT_EQ(HoursAndMinutes(7200), "2\u00A0ч");
    EXPECT_EQ(HoursAndMinutes(7190), "2\u00A0ч");
    EXPECT_EQ(HoursAndMinutes(20), "0\u00A0мин");
}

}  // namespace
}  // namespace dephlegmator
