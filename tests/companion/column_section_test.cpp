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

// The worked example at the tap and from a measured take-off: 2000 W, no losses.
TEST(ColumnSection, TakeOffStrengthAndMeasuredReflux) {
    Section section;
    section.type("TapFlow", "0.3").type("CollectVolume", "3").type("MeasuredTakeOff", "2462");
    section.show();
    EXPECT_EQ(section["TapReflux"], "1.4");
    EXPECT_EQ(section["TapTakeOff"], "4036");
    EXPECT_EQ(section["TakeOffStrength"], "97.2");
    EXPECT_EQ(section["CollectTime"], "45\u00A0мин");  // 3000 / 4036 h
    EXPECT_EQ(section["TapReason"], "");
    EXPECT_EQ(section["CollectReason"], "");
    EXPECT_EQ(section["TapRefluxLowFlow"], "1.1");
    EXPECT_EQ(section["TapRefluxHighFlow"], "1.8");
    EXPECT_EQ(section["TapRefluxColdWater"], "1.8");
    EXPECT_EQ(section["TapRefluxWarmWater"], "1.2");
    EXPECT_EQ(section["TapSensitivity"],
              "Расход на 10\u00A0% меньше или больше даёт R 1.1 или 1.8; вода на 5\u00A0К "
              "холоднее или теплее — 1.8 или 1.2.");
    EXPECT_EQ(section["MeasuredReflux"], "3");
    EXPECT_EQ(section["MeasuredLoad"], "1500");
    EXPECT_EQ(section["MeasuredFlow"], "0.38");
    EXPECT_EQ(section["MeasuredReason"], "");
    EXPECT_EQ(section.page.value("PanelLosses"), "0");
    EXPECT_EQ(section["PanelLossesHint"],
              "Обычно колонна в изоляции теряет около 15\u00A0Вт на метр высоты, голая медная — "
              "около 130\u00A0Вт, при 55\u00A0К выше комнаты.");
    {
        const testing::InLanguage english(Language::English);
        section.show();
        EXPECT_EQ(section["CollectTime"], "45\u00A0min");
        EXPECT_EQ(section["TapSensitivity"],
                  "10\u00A0% less or more water flow gives R 1.1 or 1.8; water 5\u00A0K colder or "
                  "warmer, 1.8 or 1.2.");
    }
}

// The losses come off the heater's power for every number: 2000 W less 150 shows what 1850 W
// without losses shows.
TEST(ColumnSection, EveryNumberRestsOnTheVapour) {
    const auto shown = [](const char* power, const char* losses) {
        Section section(power);
        section.type("PanelLosses", losses).type("TapFlow", "0.3").type("CollectVolume", "3");
        section.type("MeasuredTakeOff", "2000").type("TankVolume", "200");
        section.type("TankStart", "15").type("PumpFlow", "5").type("TankReflux", "3").show();
        return section.page.contents;
    };
    const auto lossy = shown("2000", "150");
    EXPECT_EQ(lossy, shown("1850", "0"));
    EXPECT_NE(lossy.at("TapReflux"), shown("2000", "0").at("TapReflux"));
    EXPECT_NE(lossy.at("TankTime"), shown("2000", "0").at("TankTime"));
    EXPECT_NE(lossy.at("MeasuredReflux"), shown("2000", "0").at("MeasuredReflux"));
}

// Each refusal of the new numbers: «—» and its reason, the numbers that do not rest on it kept.
TEST(ColumnSection, TakeOffRefusals) {
    struct Case {
        const char* what;
        double tc;
        const char *losses, *flow, *measured, *collect;
        const char* id;  // the result refused
        const char* reasonId;
        const char* reason;
    };
    const Case cases[] = {
        {"losses below 0", 78, "-5", "0.3", "2462", "3", "TapReflux", "TapReason",
         "Введите потери тепла колонной, Вт — 0 или больше."},
        {"no vapour left", 78, "2000", "0.3", "2462", "3", "MeasuredReflux", "MeasuredReason",
         "Потери 2000\u00A0Вт забирают всю мощность нагрева 2000\u00A0Вт: пар до дефлегматора не "
         "доходит."},
        {"above boiling water", 101, "0", "0.3", "2462", "3", "TakeOffStrength", "TapReason",
         "При 101\u00A0°С, выше 100\u00A0°С, состав пара неизвестен: крепости и скорости отбора "
         "нет."},
        {"too weak", 100, "0", "0.3", "2462", "3", "TapTakeOff", "TapReason",
         "При 100\u00A0°С в паре меньше 0.5\u00A0% об. спирта: крепости и скорости отбора нет."},
        {"full reflux", 78, "0", "2", "2462", "3", "CollectTime", "CollectReason",
         "При полной флегме отбора нет: объём не наберётся."},
        {"no volume", 78, "0", "0.3", "2462", "0", "CollectTime", "CollectReason",
         "Введите, сколько отобрать, л — число больше нуля."},
        {"more than the vapour", 78, "0", "0.3", "10000", "3", "MeasuredReflux", "MeasuredReason",
         "Отбор 10000\u00A0мл/ч уносит 2031\u00A0Вт — больше, чем приносит пар (2000\u00A0Вт). "
         "Проверьте замер, мощность нагрева и потери."},
        {"measured not a number", 78, "0", "0.3", "abc", "3", "MeasuredFlow", "MeasuredReason",
         "Введите замеренный отбор, мл/ч — число больше нуля."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Section section;
        section.type("PanelLosses", c.losses).type("TapFlow", c.flow);
        section.type("MeasuredTakeOff", c.measured).type("CollectVolume", c.collect);
        section.show(
            {Condenser{c.tc, 15, 0.157075, kHeatTransferKAtLoad, kSpecificHeatCAtLoad}, {}});
        EXPECT_EQ(section[c.id], "—");
        EXPECT_EQ(section[c.reasonId], c.reason);
    }
    // Above boiling water the ratio stands; at full reflux the strength does.
    Section hot;
    hot.type("TapFlow", "0.3").show({Condenser{101, 15, 0.157075, 680, 3760}, {}});
    EXPECT_NE(hot["TapReflux"], "—");
    Section full;
    full.type("TapFlow", "2").show();
    EXPECT_EQ(full["TapTakeOff"], "0");
    EXPECT_EQ(full["TakeOffStrength"], "97.2");
    EXPECT_EQ(full.page.mark("PanelLosses"), "");
    Section marked;
    marked.type("PanelLosses", "-5").show();
    EXPECT_EQ(marked.page.mark("PanelLosses"), "Введите потери тепла колонной, Вт — 0 или больше.");
}

TEST(ColumnSection, MeasuredLoadBeyondTheSurface) {
    Section section("10000");
    section.type("MeasuredTakeOff", "1000").show();
    EXPECT_NE(section["MeasuredReflux"], "—");
    EXPECT_EQ(section["MeasuredFlow"], "—");
    EXPECT_EQ(section["MeasuredReason"],
              "Никакой расход воды не даст сконденсировать 9797\u00A0Вт: предел поверхности "
              "6729\u00A0Вт.");
}

// Warm water whose 5 K more reaches Tc: those cells have no ratio, and the sentence says why.
TEST(ColumnSection, SensitivityWithTheInletOutOfRange) {
    Section section;
    section.type("TapFlow", "0.3").show({Condenser{78, 74, 0.157075, 680, 3760}, {}});
    EXPECT_EQ(section["TapRefluxWarmWater"], "—");
    EXPECT_NE(section["TapRefluxColdWater"], "—");
    EXPECT_NE(section["TapSensitivity"].find("не посчитать"), std::string::npos);
}

// Losses are kept only where they differ from none; a stored 0 or a bad text comes back as "0".
TEST(ColumnSection, StoresLossesMeasuredAndCollect) {
    FakePanel page;
    page.values = {{"PanelLosses", "150"}, {"MeasuredTakeOff", "2462"}, {"CollectVolume", "3"}};
    ColumnSection column(page);
    column.Restore();
    std::string ids;
    for (const auto& [id, text] : column.Stored()) ids += std::string(id) + "=" + text + " ";
    EXPECT_EQ(ids, "PanelLosses=150 CollectVolume=3 MeasuredTakeOff=2462 ");
    for (const char* stored : {"0", "-1", "abc"}) {
        page.values = {{"PanelLosses", stored}};
        column.Restore();
        EXPECT_EQ(page.value("PanelLosses"), "0") << stored;
        EXPECT_TRUE(column.Stored().empty()) << stored;
    }
    column.SetLosses(182.667);
    EXPECT_EQ(page.value("PanelLosses"), "183");
    EXPECT_EQ(column.losses(), 183);
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
