// Keys and clicks reach the window's handlers: Enter from any control, the push button, the
// arrow keys in an option group, typing over the selection a focus move leaves, and Enter going
// on from the box the user has focused.
#include <QAbstractButton>
#include <memory>

#include "window_under_test.h"

using dephlegmator::testing::WindowUnderTest;

namespace {

// Where the focus goes, with the box's whole text selected, and the step that follows.
struct Step {
    const char* focus;
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
        checkFocus({"Text2", 1});
        QCOMPARE(ui_->box("Text10")->text(), QStringLiteral("39269"));  // 100 × 3.1415 × 125
    }

    void clickAndSpaceOnCommand1ActLikeEnter() {
        ui_->click("Command1");
        checkFocus({"Text2", 1});
        ui_->control("Command1")->setFocus();
        WindowUnderTest::press(Qt::Key_Space);
        checkFocus({"Text3", 2});
    }

    // Moving the selection with the arrow keys counts as a click on the newly selected button.
    void arrowKeysSelectAndRunTheHandler() {
        ui_->control("Option6")->setFocus();
        WindowUnderTest::press(Qt::Key_Down);
        QVERIFY(ui_->control<QAbstractButton>("Option7")->isChecked());
        QVERIFY(ui_->control("Label8")->isVisible());
        checkFocus({"Text6", 4});

        ui_->control("Option4")->setFocus();
        WindowUnderTest::press(Qt::Key_Down);
        QVERIFY(ui_->control<QAbstractButton>("Option5")->isChecked());
        checkFocus({"Text5", 2});
    }

    // The focus move selects the whole text, so typing replaces even a long value; Text6 takes a
    // text of any length.
    void typingReplacesTheWholeSelectedText() {
        ui_->click("Option7");
        ui_->box("Text6")->setText("50000");
        for (int i = 0; i < 5; ++i) WindowUnderTest::enter();  // round the cycle back to Text6
        checkFocus({"Text6", 4});
        WindowUnderTest::type("5000.0000125");
        QCOMPARE(ui_->box("Text6")->text(), QStringLiteral("5000.0000125"));
    }

    // A box the user clicks or tabs into is where the next Enter goes on from; a focus given by
    // the program, as in enterRecalculatesFromAnyControl, is not.
    void enterGoesOnFromTheBoxTheUserFocused() {
        ui_->box("Text4")->clear();
        ui_->click("Text4");
        WindowUnderTest::type("6");
        QCOMPARE(ui_->box("Text4")->text(), QStringLiteral("6"));
        WindowUnderTest::enter();
        checkFocus({"Text6", 4});

        ui_->click("Text6");
        WindowUnderTest::enter();
        checkFocus({"Text1", 0});

        ui_->control("Text3")->setFocus();
        WindowUnderTest::press(Qt::Key_Tab);
        QCOMPARE(WindowUnderTest::focusName(), QStringLiteral("Text4"));
        WindowUnderTest::enter();
        checkFocus({"Text6", 4});
    }

  private:
    void checkFocus(const Step& step) {
        QCOMPARE(WindowUnderTest::focusName(), QString(step.focus));
        const QLineEdit* box = ui_->box(step.focus);
        QCOMPARE(box->selectedText(), box->text());
        QCOMPARE(ui_->enterStep(), step.after);
    }

    std::unique_ptr<WindowUnderTest> ui_;
};

QTEST_MAIN(FocusCycleTest)
#include "focus_cycle_test.moc"
