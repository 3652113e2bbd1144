// What the window does while the user types: a text cut at its box's limit says so, by keys and
// by a paste, and the preset button follows Text1.
#include <QClipboard>
#include <QRadioButton>
#include <memory>

#include "window_under_test.h"

using dephlegmator::testing::WindowUnderTest;

class TypingTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        ui_ = std::make_unique<WindowUnderTest>();
        QVERIFY(ui_->active());
    }
    void cleanup() { ui_.reset(); }

    void keysRefusedAtTheLimitMarkTheBox() {
        WindowUnderTest::enter();  // to Text2
        WindowUnderTest::type("12,5");
        QLineEdit* inlet = ui_->box("Text2");
        QCOMPARE(inlet->text(), QStringLiteral("12"));
        QCOMPARE(inlet->toolTip(),
                 QString::fromUtf8("Не больше 2 знаков: «12,5» сокращено до «12»."));
        QVERIFY(inlet->property("marked").toBool());
        QTest::keyClick(inlet, Qt::Key_Backspace);  // the next edit takes the mark away
        QCOMPARE(inlet->text(), QStringLiteral("1"));
        QVERIFY(!inlet->property("marked").toBool());
    }

    void aPasteCutAtTheLimitMarksTheBox() {
        ui_->click(QStringLiteral("Option5"));  // the focus in Text5, limit 4
        QApplication::clipboard()->setText(QStringLiteral("12000"));
        QLineEdit* area = ui_->box("Text5");
        QTest::keyClick(area, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(area->text(), QStringLiteral("1200"));
        QCOMPARE(area->cursorPosition(), 4);
        QCOMPARE(area->toolTip(),
                 QString::fromUtf8("Не больше 4 знаков: «12000» сокращено до «1200»."));
        WindowUnderTest::enter();  // a recalculation takes the mark away too
        QVERIFY(!area->property("marked").toBool());
    }

    void typingAnotherTemperatureSelectsOption3() {
        WindowUnderTest::type("80");
        QVERIFY(ui_->control<QRadioButton>(QStringLiteral("Option3"))->isChecked());
        QCOMPARE(WindowUnderTest::focusName(), QStringLiteral("Text1"));
        QCOMPARE(ui_->enterStep(), 0);
    }

  private:
    std::unique_ptr<WindowUnderTest> ui_;
};

QTEST_MAIN(TypingTest)
#include "typing_test.moc"
