// The option handlers and the Enter-driven focus cycle.
#include <QAbstractButton>
#include <memory>

#include "window_under_test.h"

using dephlegmator::testing::WindowUnderTest;

namespace {

// One recalculate command: where the focus goes, how many leading characters are selected and
// the step that follows.
struct Step {
    const char* focus;
    int selected;
    int after;
};

}  // namespace

class FocusCycleTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        ui_ = std::make_unique<WindowUnderTest>();
        QVERIFY(ui_->active());
        // Texts longer than the selections, so that a selection of the wrong length shows.
        ui_->box("Text1")->setText("78.35");
        ui_->box("Text2")->setText("15");
        ui_->box("Text3")->setText("100");
        ui_->box("Text4")->setText("125");
        ui_->box("Text5")->setText("1500");
        ui_->box("Text6")->setText("40.125");
    }
    void cleanup() { ui_.reset(); }

    void enterWalksTheHeightDiameterCycle() {
        walk({{"Text2", 2, 1},
              {"Text3", 3, 2},
              {"Text4", 3, 3},
              {"Text6", 4, 4},
              {"Text1", 4, 0},
              {"Text2", 2, 1}});
        QVERIFY(ui_->errors.empty());
    }

    void enterWalksTheAreaCycle() {
        ui_->click("Option5");
        checkFocus({"Text5", 4, 2});
        walk({{"Text6", 4, 3}, {"Text1", 4, 0}, {"Text2", 2, 1}, {"Text5", 4, 2}, {"Text6", 4, 3}});
    }

    void enterRecalculatesFromAnyControl_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("input box") << "Text3";
        QTest::newRow("result box") << "Text81";
        QTest::newRow("option button") << "Option6";
        QTest::newRow("push button") << "Command1";
    }
    void enterRecalculatesFromAnyControl() {
        QFETCH(QString, focus);
        ui_->control(focus)->setFocus();
        WindowUnderTest::enter();
        checkFocus({"Text2", 2, 1});
        QCOMPARE(ui_->box("Text10")->text(), QStringLiteral("39269"));  // 100 × 3.1415 × 125
    }

    void clickAndSpaceOnCommand1ActLikeEnter() {
        ui_->click("Command1");
        checkFocus({"Text2", 2, 1});
        ui_->control("Command1")->setFocus();
        WindowUnderTest::press(Qt::Key_Space);
        checkFocus({"Text3", 3, 2});
    }

    void presetsReplaceText1WithoutMovingTheFocus() {
        WindowUnderTest::enter();
        ui_->click("Option2");
        QCOMPARE(ui_->box("Text1")->text(), QStringLiteral("88"));
        QCOMPARE(WindowUnderTest::focusName(), QStringLiteral("Option2"));
        QCOMPARE(ui_->enterStep(), 0);
        ui_->click("Option1");
        QCOMPARE(ui_->box("Text1")->text(), QStringLiteral("78"));
        QCOMPARE(ui_->enterStep(), 0);
        WindowUnderTest::enter();
        checkFocus({"Text2", 2, 1});
    }

    void otherTemperatureKeepsTheTextAndSelectsIt() {
        WindowUnderTest::enter();
        ui_->click("Option3");
        checkFocus({"Text1", 4, 0});
        QCOMPARE(ui_->box("Text1")->selectedText(), QStringLiteral("78.3"));
        WindowUnderTest::type("80");
        QCOMPARE(ui_->box("Text1")->text(), QStringLiteral("805"));
    }

    void geometryModesSwapTheBoxesAndKeepTheirTexts() {
        ui_->click("Option5");
        checkFocus({"Text5", 4, 2});
        checkVisible({"Text5", "Label6"}, {"Text3", "Text4", "Label4", "Label5"});
        WindowUnderTest::type("7");
        ui_->click("Option4");
        checkFocus({"Text3", 3, 2});
        checkVisible({"Text3", "Text4", "Label4", "Label5"}, {"Text5", "Label6"});
        QCOMPARE(ui_->box("Text3")->text(), QStringLiteral("100"));
        QCOMPARE(ui_->box("Text4")->text(), QStringLiteral("125"));
        QCOMPARE(ui_->box("Text5")->text(), QStringLiteral("7"));
        WindowUnderTest::enter();
        checkFocus({"Text4", 3, 3});
    }

    void givenQuantityShowsItsUnit_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<bool>("areaMode");
        QTest::addColumn<int>("step");
        QTest::newRow("Option6") << "Option6"
                                 << "Label7" << false << 4;
        QTest::newRow("Option7") << "Option7"
                                 << "Label8" << false << 4;
        QTest::newRow("Option8") << "Option8"
                                 << "Label9" << false << 4;
        QTest::newRow("Option6, area") << "Option6"
                                       << "Label7" << true << 3;
        QTest::newRow("Option7, area") << "Option7"
                                       << "Label8" << true << 3;
        QTest::newRow("Option8, area") << "Option8"
                                       << "Label9" << true << 3;
    }
    void givenQuantityShowsItsUnit() {
        QFETCH(QString, option);
        QFETCH(QString, unit);
        QFETCH(bool, areaMode);
        QFETCH(int, step);
        if (areaMode) ui_->click("Option5");
        if (option != "Option6") ui_->click("Option6");
        ui_->click(option);
        checkFocus({"Text6", 4, step});
        for (const char* label : {"Label7", "Label8", "Label9"}) {
            QCOMPARE(ui_->control(label)->isVisible(), unit == label);
        }
        QCOMPARE(ui_->box("Text6")->text(), QStringLiteral("40.125"));
        WindowUnderTest::enter();
        checkFocus({"Text1", 4, 0});
    }

    // Moving the selection with the arrow keys counts as a click on the newly selected button.
    void arrowKeysSelectAndRunTheHandler() {
        ui_->control("Option6")->setFocus();
        WindowUnderTest::press(Qt::Key_Down);
        QVERIFY(ui_->control<QAbstractButton>("Option7")->isChecked());
        QVERIFY(ui_->control("Label8")->isVisible());
        checkFocus({"Text6", 4, 4});

        ui_->control("Option4")->setFocus();
        WindowUnderTest::press(Qt::Key_Down);
        QVERIFY(ui_->control<QAbstractButton>("Option5")->isChecked());
        checkFocus({"Text5", 4, 2});
    }

  private:
    void checkFocus(const Step& step) {
        QCOMPARE(WindowUnderTest::focusName(), QString(step.focus));
        const QLineEdit* box = ui_->box(step.focus);
        QCOMPARE(box->selectedText(), box->text().left(step.selected));
        QVERIFY(!box->hasSelectedText() || box->selectionStart() == 0);
        QCOMPARE(ui_->enterStep(), step.after);
    }

    void walk(std::initializer_list<Step> steps) {
        for (const Step& step : steps) {
            WindowUnderTest::enter();
            checkFocus(step);
        }
    }

    void checkVisible(const QStringList& shown, const QStringList& hidden) {
        for (const QString& name : shown)
            QVERIFY2(ui_->control(name)->isVisible(), qPrintable(name));
        for (const QString& name : hidden)
            QVERIFY2(!ui_->control(name)->isVisible(), qPrintable(name));
    }

    std::unique_ptr<WindowUnderTest> ui_;
};

QTEST_MAIN(FocusCycleTest)
#include "focus_cycle_test.moc"
