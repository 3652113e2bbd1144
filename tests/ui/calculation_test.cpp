// The recalculate command end to end: typed inputs, results in the regional format, errors.
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "window_under_test.h"

using dephlegmator::CalcError;
using dephlegmator::testing::WindowUnderTest;

class CalculationTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        ui_ = std::make_unique<WindowUnderTest>();
        QVERIFY(ui_->active());
    }
    void cleanup() {
        ui_.reset();
        QLocale::setDefault(QLocale::c());
    }

    void firstEnterRecalculatesOnce() {
        WindowUnderTest::type("80");
        WindowUnderTest::enter();
        QCOMPARE(WindowUnderTest::focusName(), QStringLiteral("Text2"));
        QCOMPARE(ui_->enterStep(), 1);
        QCOMPARE(ui_->box("Text10")->text(), QStringLiteral("___"));  // empty geometry
        QCOMPARE(ui_->box("Text7")->text(), QStringLiteral("___"));   // input test failed silently
        QVERIFY(ui_->errors.empty());
    }

    void typicalRequestFromTheKeyboard() {
        typeTypicalRequest();
        QCOMPARE(resultTexts(), (QStringList{"5282", "3.37", "40", "1571"}));
        QCOMPARE(WindowUnderTest::focusName(), QStringLiteral("Text1"));
        QCOMPARE(ui_->box("Text1")->selectedText(), QStringLiteral("78"));
        QVERIFY(ui_->errors.empty());
    }

    void resultsUseTheRegionalDecimalSeparator() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        typeTypicalRequest();
        QCOMPARE(resultTexts(), (QStringList{"5282", "3,37", "40", "1571"}));
    }

    // A result box may be edited; the next calculation simply replaces its text.
    void editedResultIsReplaced() {
        typeTypicalRequest();
        ui_->box("Text8")->setFocus();
        ui_->box("Text8")->selectAll();
        WindowUnderTest::type("abc");
        WindowUnderTest::enter();
        QCOMPARE(ui_->box("Text8")->text(), QStringLiteral("3.37"));
    }

    // After a failed calculation the next keystrokes go into the box the message is about, and
    // the next Enter goes on from there: a load beyond the surface is to be lowered in Text6.
    void failedCalculationFocusesTheBoxItIsAbout() {
        for (const char* value : {"78", "15", "40", "5.2"}) {
            WindowUnderTest::type(value);
            WindowUnderTest::enter();
        }
        ui_->click(QStringLiteral("Option7"));
        WindowUnderTest::type("20000");
        WindowUnderTest::enter();  // the cycle takes the focus to Text1, the error back to Text6
        QCOMPARE(ui_->errors, std::vector{CalcError::Kind::HeatLoadBeyondSurface});
        QCOMPARE(WindowUnderTest::focusName(), QStringLiteral("Text6"));
        QCOMPARE(ui_->box("Text6")->selectedText(), QStringLiteral("20000"));
        WindowUnderTest::type("2000");
        WindowUnderTest::enter();
        QCOMPARE(ui_->box("Text1")->text(), QStringLiteral("78"));
        QCOMPARE(ui_->box("Text7")->text(), QStringLiteral("2000"));
        QCOMPARE(WindowUnderTest::focusName(), QStringLiteral("Text1"));
    }

    // The keypad's decimal key types the regional separator; it reads as the decimal point.
    void commaInputUnderARussianLocale() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        for (const char* value : {"78,5", "15", "100", "5", "40,5"}) {
            WindowUnderTest::type(QString::fromUtf8(value));
            WindowUnderTest::enter();
        }
        QCOMPARE(resultTexts(), (QStringList{"5305", "3,32", "40,5", "1571"}));
    }

    // A result wider than its box shows its first characters, which say what the number is.
    void longResultShowsItsStart() {
        for (const char* value : {"78", "15", "1E9", "1E9", "40"}) {
            WindowUnderTest::type(QString::fromUtf8(value));
            WindowUnderTest::enter();
        }
        for (const char* name : {"Text7", "Text10"}) {
            QLineEdit* box = ui_->box(name);
            QVERIFY2(box->text().contains(QStringLiteral("E+")), qPrintable(box->text()));
            QCOMPARE(box->cursorPosition(), 0);
            QCOMPARE(box->toolTip(), box->text());
        }
        QVERIFY(ui_->box("Text9")->toolTip().isEmpty());  // "40" fits
    }

    // Without a replacement report the error appears as a modal message box over the window.
    void defaultReportIsAModalMessageBox() {
        dephlegmator::FormMorvani window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QLineEdit*>("Text2")->setText("15");
        window.findChild<QLineEdit*>("Text3")->setText("100");
        window.findChild<QLineEdit*>("Text4")->setText("5");
        window.findChild<QLineEdit*>("Text6")->setText("15.000000000000002");
        QString shown;
        QTimer::singleShot(0, this, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY2(
            shown.startsWith(QStringLiteral("Ошибка вычисления: деление на ноль.\n\nНе удалось")),
            qPrintable(shown));
        QVERIFY(window.isVisible());
        // The focus the window gives back once the message closes: the box it is about, with
        // its text selected.
        QCOMPARE(window.focusWidget(), window.findChild<QLineEdit*>("Text6"));
        QCOMPARE(window.findChild<QLineEdit*>("Text6")->selectedText(),
                 QStringLiteral("15.000000000000002"));
    }

    // A box the calculation cannot take is marked with a frame and a tooltip; the Enter cycle
    // goes on, no message opens, and no result of an earlier calculation stays.
    void unreadableBoxIsMarkedWithoutMovingTheFocus() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        typeTypicalRequest();                   // the focus is back in Text1
        ui_->click(QStringLiteral("Option7"));  // heat load; the focus goes to Text6
        QLineEdit* given = ui_->box("Text6");
        given->insert(QString::fromUtf8("1,5 кВт"));  // over the selected text, as typed
        WindowUnderTest::enter();
        QCOMPARE(given->toolTip(), QString::fromUtf8("Введите число в ваттах, например 1500."));
        QCOMPARE(given->accessibleDescription(), given->toolTip());
        QVERIFY(given->property("marked").toBool());
        QVERIFY(given->styleSheet().contains(QStringLiteral("border")));
        QCOMPARE(WindowUnderTest::focusName(), QStringLiteral("Text1"));
        QVERIFY(ui_->errors.empty());
        QCOMPARE(resultTexts(), (QStringList{"___", "___", "___", "1571"}));

        given->setText(QStringLiteral("1500"));
        WindowUnderTest::enter();
        QVERIFY(!given->property("marked").toBool());
        QVERIFY(given->toolTip().isEmpty());
        QCOMPARE(resultTexts().first(), QStringLiteral("1500"));
    }

  private:
    // The typical request: 78 °C, inlet 15 °C, 100 cm × 5 cm, outlet 40 °C, one Enter per value.
    static void typeTypicalRequest() {
        for (const char* value : {"78", "15", "100", "5", "40"}) {
            WindowUnderTest::type(value);
            WindowUnderTest::enter();
        }
    }

    QStringList resultTexts() const {
        QStringList texts;
        for (const char* name : {"Text7", "Text8", "Text9", "Text10"}) {
            texts << ui_->box(name)->text();
        }
        return texts;
    }

    std::unique_ptr<WindowUnderTest> ui_;
};

QTEST_MAIN(CalculationTest)
#include "calculation_test.moc"
