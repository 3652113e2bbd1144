// The section «Ваш дефлегматор»: the panel's U and c, the device types, the calibration from a
// measured run and the stored values it starts from.
#include <gtest/gtest.h>

#include <string>

#include "array_controls.h"
#include "fake_panel.h"
#include "number_text.h"
#include "panel_settings.h"

namespace dephlegmator::panel_settings_test {
namespace {

using testing::FakePanel;

// 78 °C over 100 cm × 5 cm (0.157075 m²), as the window holds it.
FormInputs ExampleWindow() {
    testing::ArrayControls window;
    window.set(Box::Text1, "78").set(Box::Text2, "15").set(Box::Text3, "100");
    window.set(Box::Text4, "5").set(Box::Text6, "40");
    return ReadFormInputs(window);
}

struct Section {
    FakePanel page;
    DephlegmatorSettings settings{page};

    Section() { settings.Restore(); }
    bool Calibrate(const char* flow, const char* tin, const char* tout,
                   const FormInputs& window = ExampleWindow()) {
        page.values["CalibFlow"] = flow;
        page.values["CalibTin"] = tin;
        page.values["CalibTout"] = tout;
        return settings.Calibrate(window);
    }
};

TEST(PanelSettings, StartsAsTheWindowWithoutAskingTheSeparator) {
    Section section;
    EXPECT_EQ(section.page.value("PanelU"), "680");
    EXPECT_EQ(section.page.value("PanelC"), "3760");
    EXPECT_EQ(section.page.value("DeviceType"), "window");
    EXPECT_EQ(section.page.content("CalibU"), "—");
    EXPECT_EQ(section.page.separatorAsked, 0);
    EXPECT_EQ(section.settings.coefficients().heatTransferK, 680);
    EXPECT_EQ(section.settings.coefficients().specificHeatC, 3760);
    EXPECT_EQ(section.settings.coefficients().problem, "");
}

// What was stored on this device is kept when it reads as a positive number, rewritten with the
// regional separator; anything else gives way to the default.
TEST(PanelSettings, RestoresWhatReadsAndIgnoresTheRest) {
    struct Case {
        const char *storedU, *storedC, *storedDevice, *storedFlow;
        const char *u, *c, *device, *flow;
    };
    const Case cases[] = {
        {"500", "4180", "shell", "1.5", "500", "4180", "shell", "1,5"},
        {"abc", "-5", "shell", "0", "680", "3760", "window", ""},
        {"1E400", "", "", "1,5\u00A0л", "680", "3760", "window", ""},
        {"350", "4 180", "jacket", " 2 ", "350", "4180", "jacket", "2"},
        {"500", "3760", "jacket", "", "500", "3760", "own", ""},  // not the jacket's U
        {"420", "3760", "nonsense", "", "420", "3760", "own", ""},
        {"680", "3760", "own", "", "680", "3760", "own", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.storedU) + " " + c.storedDevice);
        FakePanel page;
        page.values = {{"PanelU", c.storedU},
                       {"PanelC", c.storedC},
                       {"DeviceType", c.storedDevice},
                       {"CalibFlow", c.storedFlow}};
        DephlegmatorSettings settings(page);
        settings.Restore();
        EXPECT_EQ(page.value("PanelU"), c.u);
        EXPECT_EQ(page.value("PanelC"), c.c);
        EXPECT_EQ(page.value("DeviceType"), c.device);
        EXPECT_EQ(page.value("CalibFlow"), c.flow);
        EXPECT_EQ(settings.coefficients().problem, "");
        EXPECT_EQ(FormatNumber(settings.coefficients().heatTransferK, ","), c.u);
    }
}

TEST(PanelSettings, DeviceTypeSetsItsUAndTypingSwitchesToOwn) {
    Section section;
    section.page.values["DeviceType"] = "jacket";
    section.settings.DeviceTypeChanged();
    EXPECT_EQ(section.page.value("PanelU"), "350");
    EXPECT_EQ(section.page.content("DeviceRange"), "обычно 300–450\u00A0Вт/(м²·К)");
    EXPECT_EQ(section.settings.coefficients().heatTransferK, 350);

    section.page.values["PanelU"] = "350";  // the type's own value typed again keeps the type
    section.settings.HeatTransferTyped();
    EXPECT_EQ(section.page.value("DeviceType"), "jacket");

    section.page.values["PanelU"] = "420,5";
    section.settings.HeatTransferTyped();
    EXPECT_EQ(section.page.value("DeviceType"), "own");
    EXPECT_EQ(section.page.content("DeviceRange"), "");
    EXPECT_EQ(section.settings.coefficients().heatTransferK, 420.5);

    section.page.values["DeviceType"] = "own";  // «свой» keeps the U there is
    section.settings.DeviceTypeChanged();
    EXPECT_EQ(section.page.value("PanelU"), "420,5");
}

// A U or c that is not a positive number is marked, and the panel gets the reason instead of
// numbers computed with the value before it.
TEST(PanelSettings, MarksAnUnusableCoefficient) {
    Section section;
    for (const char* typed : {"", "0", "-680", "абв", "680\u00A0Вт"}) {
        SCOPED_TRACE(typed);
        section.page.values["PanelU"] = typed;
        section.settings.HeatTransferTyped();
        EXPECT_NE(section.page.mark("PanelU"), "");
        EXPECT_EQ(section.settings.coefficients().problem, section.page.mark("PanelU"));
    }
    section.page.values["PanelU"] = "700";
    section.settings.HeatTransferTyped();
    section.page.values["PanelC"] = "0";
    section.settings.SpecificHeatTyped();
    EXPECT_EQ(section.page.mark("PanelU"), "");
    EXPECT_EQ(section.settings.coefficients().problem, section.page.mark("PanelC"));
    section.page.values["PanelC"] = "4180";
    section.settings.SpecificHeatTyped();
    EXPECT_EQ(section.settings.coefficients().problem, "");
    EXPECT_EQ(section.settings.coefficients().specificHeatC, 4180);
}

TEST(PanelSettings, CalibratesTheExampleRun) {
    Section section;
    ASSERT_TRUE(section.Calibrate("1", "15", "50"));  // 3760 / 60 / 0.157075 × ln(63 / 28)
    EXPECT_EQ(section.page.content("CalibU"), "324");
    EXPECT_EQ(section.page.value("PanelU"), "324");
    EXPECT_EQ(section.page.value("DeviceType"), "own");
    EXPECT_EQ(section.settings.coefficients().heatTransferK, 324);  // the number shown
    EXPECT_EQ(section.page.content("CalibMessage"),
              "U = 324\u00A0Вт/(м²·К): панель считает с ним.");

    section.page.values["PanelC"] = "4180";  // the formula takes the panel's c
    section.settings.SpecificHeatTyped();
    ASSERT_TRUE(section.Calibrate("1", "15", "50"));
    EXPECT_EQ(section.page.content("CalibU"), "360");
}

// A run at full reflux gives the column's losses too, or says why it cannot.
TEST(PanelSettings, LossesFromAFullRefluxRun) {
    struct Case {
        const char* what;
        const char* checked;
        std::optional<double> power;
        const char* tout;
        const char *losses, *reason;
        bool take;
    };
    const Case cases[] = {
        {"not at full reflux", "", 2000, "44", "—", "", false},
        {"the example", "1", 2000, "44", "183", "", true},  // 2000 − 62.67 × 29
        {"no heater power", "1", std::nullopt, "44", "—",
         "Потери не найти: введите мощность нагрева в «У колонны».", false},
        {"more than the heater", "1", 2000, "50", "—",
         "Потери не найти: вода унесла 2193 Вт, больше мощности нагрева 2000 Вт. "
         "Проверьте замер и мощность нагрева.",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Section section;
        section.page.values["CalibFullReflux"] = c.checked;
        section.page.values["CalibFlow"] = "1";
        section.page.values["CalibTin"] = "15";
        section.page.values["CalibTout"] = c.tout;
        section.settings.Calibrate(ExampleWindow(), c.power);
        EXPECT_EQ(section.page.content("CalibLosses"), c.losses);
        EXPECT_EQ(section.page.content("CalibLossesReason"), c.reason);
        EXPECT_EQ(section.page.isShown("CalibTakeLosses"), c.take);
        EXPECT_EQ(section.settings.calibratedLosses().has_value(), c.take);
    }
    // A refused run leaves no losses from the one before; the checkbox is kept on the device.
    Section section;
    section.page.values["CalibFullReflux"] = "1";
    section.Calibrate("1", "15", "44");
    section.settings.Calibrate(ExampleWindow(), 2000);
    ASSERT_EQ(section.settings.calibratedLosses(), 183);
    section.page.values["CalibTout"] = "90";
    section.settings.Calibrate(ExampleWindow(), 2000);
    EXPECT_FALSE(section.settings.calibratedLosses());
    EXPECT_EQ(section.page.content("CalibLosses"), "—");
    bool kept = false;
    for (const auto& [id, text] : section.settings.Stored()) kept |= id == "CalibFullReflux";
    EXPECT_TRUE(kept);
}

// A run that gives no coefficient is refused with its reason, the box at fault marked, and the
// panel's U left as it was.
TEST(PanelSettings, RefusesARunThatGivesNoCoefficient) {
    testing::ArrayControls noHeight;
    noHeight.set(Box::Text1, "78").set(Box::Text2, "15").set(Box::Text4, "5");
    testing::ArrayControls noTc;
    noTc.set(Box::Text2, "15").set(Box::Text3, "100").set(Box::Text4, "5");
    struct Case {
        const char *flow, *tin, *tout;
        FormInputs window;
        const char* markedBox;  // "" where the fault is the window's or the result's
        const char* reason;
    };
    const Case cases[] = {
        {"", "15", "50", ExampleWindow(), "CalibFlow",
         "Введите расход воды при замере, л/мин — число больше нуля."},
        {"1", "abc", "50", ExampleWindow(), "CalibTin",
         "Введите температуру воды на входе при замере, °С — число больше нуля."},
        {"1", "15", "-50", ExampleWindow(), "CalibTout",
         "Введите температуру воды на выходе при замере, °С — число больше нуля."},
        {"1", "50", "15", ExampleWindow(), "CalibTout",
         "Температура на выходе должна быть выше температуры на входе (50) и ниже температуры "
         "конденсации в окне (78)."},
        {"1", "15", "78", ExampleWindow(), "CalibTout",
         "Температура на выходе должна быть выше температуры на входе (15) и ниже температуры "
         "конденсации в окне (78)."},
        {"1", "15", "50", ReadFormInputs(noHeight), "",
         "Температура конденсации и поверхность берутся из окна. Введите высоту."},
        {"1", "15", "50", ReadFormInputs(noTc), "",
         "Температура конденсации и поверхность берутся из окна. Введите температуру "
         "конденсации."},
        {"1E-300", "15", "50", ExampleWindow(), "",
         "Из этих замеров коэффициент не получается: проверьте числа."},
        {"1E305", "15", "50", ExampleWindow(), "",
         "Из этих замеров коэффициент не получается: проверьте числа."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.flow) + " " + c.tin + " " + c.tout);
        Section section;
        section.page.values["DeviceType"] = "coil";
        section.settings.DeviceTypeChanged();
        EXPECT_FALSE(section.Calibrate(c.flow, c.tin, c.tout, c.window));
        EXPECT_EQ(section.page.content("CalibMessage"), c.reason);
        EXPECT_EQ(section.page.content("CalibU"), "—");
        if (*c.markedBox != '\0') {
            EXPECT_EQ(section.page.mark(c.markedBox), c.reason);
        }
        EXPECT_EQ(section.page.value("PanelU"), "1000");
        EXPECT_EQ(section.page.value("DeviceType"), "coil");
        EXPECT_EQ(section.settings.coefficients().heatTransferK, 1000);
    }
}

// A typo in a measurement gives a U far outside the usual range: it is shown with its warning,
// the panel keeps its U until the user confirms, and the U before a calibration can come back.
TEST(PanelSettings, AnUnusualCoefficientWaitsForConfirmation) {
    Section section;
    ASSERT_TRUE(section.Calibrate("1", "15", "50"));
    EXPECT_EQ(section.page.value("PanelU"), "324");
    EXPECT_TRUE(section.page.isShown("CalibUndo"));
    EXPECT_FALSE(section.page.isShown("CalibAccept"));

    EXPECT_FALSE(section.Calibrate("1", "15", "16"));  // 16 typed for 46
    EXPECT_EQ(section.page.content("CalibU"), "6");
    EXPECT_EQ(section.page.value("PanelU"), "324");
    EXPECT_EQ(section.settings.coefficients().heatTransferK, 324);
    EXPECT_TRUE(section.page.isShown("CalibAccept"));
    EXPECT_EQ(section.page.content("CalibMessage"),
              "U = 6\u00A0Вт/(м²·К) вне обычных 100–3000: так бывает при ошибке замера. Проверьте "
              "расход и температуры. U панели пока прежний (324); «Всё равно принять» поставит 6.");

    ASSERT_TRUE(section.settings.AcceptCalibration());
    EXPECT_EQ(section.page.value("PanelU"), "6");
    EXPECT_EQ(section.settings.coefficients().heatTransferK, 6);
    EXPECT_FALSE(section.page.isShown("CalibAccept"));
    EXPECT_NE(section.page.content("CalibMessage").find("Значение принято."), std::string::npos);
    EXPECT_FALSE(section.settings.AcceptCalibration()) << "nothing waits any more";

    ASSERT_TRUE(section.settings.UndoCalibration());
    EXPECT_EQ(section.page.value("PanelU"), "324");
    EXPECT_EQ(section.page.value("DeviceType"), "own");
    EXPECT_EQ(section.settings.coefficients().heatTransferK, 324);
    EXPECT_EQ(section.page.content("CalibMessage"),
              "U = 324\u00A0Вт/(м²·К), как до последнего замера.");
    EXPECT_FALSE(section.page.isShown("CalibUndo"));
    EXPECT_FALSE(section.settings.UndoCalibration()) << "one step back";

    // An edit of a calibration box, or of U, withdraws what waited for confirmation.
    const struct {
        const char* name;
        void (DephlegmatorSettings::*edit)();
    } edits[] = {{"a calibration box", &DephlegmatorSettings::CalibrationEdited},
                 {"U typed", &DephlegmatorSettings::HeatTransferTyped}};
    for (const auto& edit : edits) {
        SCOPED_TRACE(edit.name);
        EXPECT_FALSE(section.Calibrate("20", "15", "50"));  // 6471
        (section.settings.*edit.edit)();
        EXPECT_FALSE(section.page.isShown("CalibAccept"));
        EXPECT_FALSE(section.settings.AcceptCalibration());
        EXPECT_EQ(section.settings.coefficients().heatTransferK, 324);
    }
}

// After a reload CalibU shows the last applied calibration's U.
TEST(PanelSettings, KeepsTheLastCalibration) {
    Section section;
    ASSERT_TRUE(section.Calibrate("1", "15", "50"));
    EXPECT_FALSE(section.Calibrate("1", "15", "16")) << "not applied, so not kept";
    const struct {
        const char *stored, *shown;
    } cases[] = {{"", "—"}, {"324", "324"}, {"32,5", "—"}, {"0", "—"}, {"abc", "—"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        FakePanel page;
        if (*c.stored != '\0') page.values["CalibU"] = c.stored;
        for (const auto& [id, text] : section.settings.Stored()) {
            if (id != "CalibU") page.values[std::string(id)] = text;
        }
        DephlegmatorSettings settings(page);
        settings.Restore();
        EXPECT_EQ(page.content("CalibU"), c.shown);
        EXPECT_EQ(page.value("PanelU"), "324");
        EXPECT_FALSE(page.isShown("CalibUndo"));
    }
    std::string kept;
    for (const auto& [id, text] : section.settings.Stored()) {
        if (id == "CalibU") kept = text;
    }
    EXPECT_EQ(kept, "324");
}

TEST(PanelSettings, ResetReturnsTheDefaults) {
    Section section;
    section.page.values["PanelC"] = "x";
    section.settings.SpecificHeatTyped();
    section.Calibrate("1", "15", "50");
    EXPECT_EQ(section.settings.Stored().size(), 7u);  // CalibU too
    section.settings.Reset();
    EXPECT_TRUE(section.settings.Stored().empty()) << "nothing of the defaults is kept";
    EXPECT_EQ(section.page.value("PanelU"), "680");
    EXPECT_EQ(section.page.value("PanelC"), "3760");
    EXPECT_EQ(section.page.value("DeviceType"), "window");
    EXPECT_EQ(section.page.value("CalibFlow"), "");
    EXPECT_EQ(section.page.mark("PanelC"), "");
    EXPECT_EQ(section.page.content("CalibU"), "—");
    EXPECT_EQ(section.settings.coefficients().problem, "");
    EXPECT_EQ(section.settings.coefficients().heatTransferK, 680);
    EXPECT_FALSE(section.settings.UndoCalibration());
}

}  // namespace
}  // namespace dephlegmator::panel_settings_test
