// The window as it opens: controls, texts, alignments, fonts, tab order, closing.
#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <memory>

#include "window_under_test.h"

using dephlegmator::testing::WindowUnderTest;

class StartStateTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        ui_ = std::make_unique<WindowUnderTest>();
        QVERIFY(ui_->active());
    }
    void cleanup() { ui_.reset(); }

    void titleAndFixedClientArea() {
        QCOMPARE(ui_->window.windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(ui_->window.size(), QSize(625, 562));
        QCOMPARE(ui_->window.minimumSize(), ui_->window.maximumSize());
    }

    void exactlyTheStartControlsAreVisible() {
        const QStringList visible{"Text1",    "Text2",   "Text3",   "Text4",   "Text6",   "Text7",
                                  "Text8",    "Text9",   "Text71",  "Text81",  "Text91",  "Text10",
                                  "Command1", "Frame1",  "Frame2",  "Frame3",  "Frame4",  "Frame5",
                                  "Frame6",   "Frame7",  "Frame8",  "Label1",  "Label2",  "Label3",
                                  "Label4",   "Label5",  "Label7",  "Label10", "Label11", "Label12",
                                  "Label13",  "Label14", "Option1", "Option2", "Option3", "Option4",
                                  "Option5",  "Option6", "Option7", "Option8"};
        for (const QString& name : visible)
            QVERIFY2(ui_->control(name)->isVisible(), qPrintable(name));
        for (const char* name : {"Text5", "Label6", "Label8", "Label9"}) {
            QVERIFY2(!ui_->control(name)->isVisible(), qPrintable(name));
        }
    }

    void startTextsAndSelections() {
        QCOMPARE(ui_->box("Text1")->text(), QStringLiteral("78"));
        for (const char* name : {"Text2", "Text3", "Text4", "Text5", "Text6"}) {
            QVERIFY2(ui_->box(name)->text().isEmpty(), qPrintable(name));
        }
        for (const char* name :
             {"Text7", "Text8", "Text9", "Text71", "Text81", "Text91", "Text10"}) {
            QCOMPARE(ui_->box(name)->text(), QStringLiteral("___"));
        }
        for (const char* name : {"Option1", "Option4", "Option6"}) {
            QVERIFY2(ui_->control<QAbstractButton>(name)->isChecked(), qPrintable(name));
        }
        QCOMPARE(ui_->enterStep(), 0);
        QCOMPARE(ui_->window.state().HeatTransferK, 680.0);
        QCOMPARE(ui_->window.state().SpecificHeatC, 3760.0);
    }

    void focusInText1WithItsTextSelected() {
        QCOMPARE(WindowUnderTest::focusName(), QStringLiteral("Text1"));
        QCOMPARE(ui_->box("Text1")->selectedText(), QStringLiteral("78"));
        WindowUnderTest::type("80");
        QCOMPARE(ui_->box("Text1")->text(), QStringLiteral("80"));
    }

    void alignments() {
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) {
            QVERIFY2(ui_->box(name)->alignment() & Qt::AlignRight, qPrintable(name));
        }
        for (const char* name :
             {"Text7", "Text8", "Text9", "Text71", "Text81", "Text91", "Text10"}) {
            QVERIFY2(ui_->box(name)->alignment() & Qt::AlignHCenter, qPrintable(name));
        }
        QVERIFY(ui_->control<QLabel>("Label13")->alignment() & Qt::AlignHCenter);
        QVERIFY(ui_->control<QLabel>("Label14")->alignment() & Qt::AlignHCenter);
    }

    void markedFontIsBold12AndTheRestStandard() {
        for (const char* name : {"Text1", "Text6", "Text10", "Label1", "Label9", "Label12"}) {
            const QFont font = ui_->control(name)->font();
            QVERIFY2(font.bold() && font.pointSize() == 12, qPrintable(name));
        }
        for (const char* name : {"Frame1", "Option4", "Command1", "Label13", "Label14"}) {
            QCOMPARE(ui_->control(name)->font(), ui_->window.font());
        }
    }

    // Hidden boxes are skipped and each option group is one stop, at its selected button.
    void tabOrder() {
        const QStringList expected{"Command1", "Text2",   "Text3",  "Text4", "Text6", "Option1",
                                   "Option4",  "Option6", "Text7",  "Text8", "Text9", "Text10",
                                   "Text81",   "Text91",  "Text71", "Text1"};
        for (const QString& name : expected) {
            WindowUnderTest::press(Qt::Key_Tab);
            QCOMPARE(WindowUnderTest::focusName(), name);
        }
        ui_->click("Option2");
        ui_->click("Option5");
        ui_->box("Text6")->setFocus();
        WindowUnderTest::press(Qt::Key_Tab);
        QCOMPARE(WindowUnderTest::focusName(), QStringLiteral("Option2"));
        WindowUnderTest::press(Qt::Key_Tab);
        QCOMPARE(WindowUnderTest::focusName(), QStringLiteral("Option5"));
        ui_->box("Text2")->setFocus();  // Text3 and Text4 are hidden in area mode
        WindowUnderTest::press(Qt::Key_Tab);
        QCOMPARE(WindowUnderTest::focusName(), QStringLiteral("Text5"));
    }

    void escapeDoesNotCloseButTheTitleBarDoes() {
        QSignalSpy finished(&ui_->window, &QDialog::finished);
        WindowUnderTest::press(Qt::Key_Escape);
        ui_->control("Option6")->setFocus();
        WindowUnderTest::press(Qt::Key_Escape);
        QVERIFY(ui_->window.isVisible());
        QCOMPARE(finished.count(), 0);
        QVERIFY(ui_->window.close());
        QVERIFY(!ui_->window.isVisible());
        QCOMPARE(finished.count(), 1);
    }

  private:
    std::unique_ptr<WindowUnderTest> ui_;
};

QTEST_MAIN(StartStateTest)
#include "start_state_test.moc"
