// The window in the language the system asks for, as the program starts it: run once per system
// language, with EXPECTED_LANGUAGE saying which the window must speak. Captions fit their controls
// in both languages, and the window's geometry is the same in both.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <map>
#include <memory>

#include "control_factory.h"
#include "desktop_language.h"
#include "in_language.h"
#include "option_button.h"
#include "window_layout.h"
#include "window_under_test.h"

using dephlegmator::Language;
using dephlegmator::Tr;
using dephlegmator::testing::InLanguage;
using dephlegmator::testing::WindowUnderTest;
namespace layout = dephlegmator::layout;

namespace {

QString Caption(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
    if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
    return {};
}

bool HasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x0400 && c.unicode() <= 0x04FF; });
}

// Why the control's caption does not fit it; "" when it does. A frame's caption stands in its
// top edge after a 6 px inset and a 2 px padding on either side; an option button's caption
// beside its indicator, wrapping at spaces; a label's on one line, or wrapping at spaces when it
// is a column heading; a push button's within the style's margins.
QString Misfit(QWidget* widget) {
    const QString caption = Caption(widget);
    const QFontMetrics metrics = widget->fontMetrics();
    const QSize size = widget->size();
    constexpr int kLongest = 100000;
    if (qobject_cast<QGroupBox*>(widget) != nullptr) {
        constexpr int kTitleInsets = 6 + 2 + 2 + 2;  // inset, padding, the right border
        const int needed = metrics.horizontalAdvance(caption) + kTitleInsets;
        return needed <= size.width() ? QString() : QStringLiteral("needs %1 px").arg(needed);
    }
    if (auto* option = qobject_cast<dephlegmator::OptionButton*>(widget)) {
        const int indent =
            option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
            option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
        const QRect needed = metrics.boundingRect(QRect(0, 0, size.width() - indent, kLongest),
                                                  Qt::AlignLeft | Qt::TextWordWrap, caption);
        return needed.width() <= size.width() - indent && needed.height() <= size.height()
                   ? QString()
                   : QStringLiteral("needs %1 × %2 px beside the indicator")
                         .arg(needed.width())
                         .arg(needed.height());
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QRect room = label->contentsRect();
        const QRect needed =
            label->wordWrap() ? metrics.boundingRect(QRect(0, 0, room.width(), kLongest),
                                                     Qt::AlignLeft | Qt::TextWordWrap, caption)
                              : QRect(0, 0, metrics.horizontalAdvance(caption), metrics.height());
        return needed.width() <= room.width() && needed.height() <= room.height()
                   ? QString()
                   : QStringLiteral("needs %1 × %2 px").arg(needed.width()).arg(needed.height());
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        const QSize needed = button->sizeHint();
        return needed.width() <= size.width() && needed.height() <= size.height()
                   ? QString()
                   : QStringLiteral("needs %1 × %2 px").arg(needed.width()).arg(needed.height());
    }
    return {};
}

Language Expected() {
    return qEnvironmentVariable("EXPECTED_LANGUAGE") == QStringLiteral("English")
               ? Language::English
               : Language::Russian;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(qEnvironmentVariableIsSet("EXPECTED_LANGUAGE"), "EXPECTED_LANGUAGE not set");
        language_ = dephlegmator::SetUpDesktopLanguage(*QCoreApplication::instance());
    }

    void theSystemsLanguageIsChosen() { QCOMPARE(language_, Expected()); }

    void captionsAreTheCataloguesInThatLanguage() {
        WindowUnderTest ui;
        for (const layout::ControlRow& row : layout::kControls) {
            if (!row.caption) continue;
            QCOMPARE(Caption(ui.control(dephlegmator::ToQString(row.name))),
                     dephlegmator::ToQString(Tr(*row.caption, Expected())));
        }
        if (Expected() == Language::Russian) {
            QCOMPARE(Caption(ui.control(QStringLiteral("Option1"))), QStringLiteral("СР"));
            QCOMPARE(Caption(ui.control(QStringLiteral("Command1"))),
                     QStringLiteral("Пересчет(ENTER)"));
        } else {
            QCOMPARE(Caption(ui.control(QStringLiteral("Frame3"))),
                     QStringLiteral("Reflux condenser"));
        }
    }

    // Qt's own texts: Russian from Qt's translation, where it is installed, or Qt's English.
    void qtsOwnTextsFollow() {
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        if (Expected() == Language::English) {
            QCOMPARE(cancel, QStringLiteral("Cancel"));
        } else if (cancel == QStringLiteral("Cancel")) {
            QSKIP("Qt's Russian translation is not installed");
        } else {
            QVERIFY2(HasCyrillic(cancel), qPrintable(cancel));
        }
    }

    // Every text a control shows or a screen reader reads, after a mark and a failed
    // calculation as well.
    void englishWindowHasNoCyrillicText() {
        if (Expected() != Language::English) QSKIP("the window speaks Russian");
        WindowUnderTest ui;
        QStringList messages;
        ui.window.setErrorReport(
            [&messages](const dephlegmator::CalcError&, const std::string& message) {
                messages << QString::fromStdString(message);
            });
        ui.box(QStringLiteral("Text2"))->setText(QStringLiteral("15"));
        ui.box(QStringLiteral("Text3"))->setText(QStringLiteral("100"));
        ui.box(QStringLiteral("Text4"))->setText(QStringLiteral("-5"));
        ui.box(QStringLiteral("Text6"))->setText(QStringLiteral("40"));
        ui.click(QStringLiteral("Command1"));
        QVERIFY(ui.box(QStringLiteral("Text4"))->property("marked").toBool());
        ui.box(QStringLiteral("Text4"))->setText(QStringLiteral("5"));
        ui.box(QStringLiteral("Text6"))->setText(QStringLiteral("15.000000000000002"));
        ui.click(QStringLiteral("Command1"));
        QCOMPARE(messages.size(), 1);
        QVERIFY2(!HasCyrillic(messages.front()), qPrintable(messages.front()));
        QVERIFY(!HasCyrillic(ui.window.windowTitle()));
        for (QWidget* widget : ui.window.findChildren<QWidget*>()) {
            for (const QString& text : {Caption(widget), widget->accessibleName(),
                                        widget->toolTip(), widget->accessibleDescription()}) {
                QVERIFY2(!HasCyrillic(text), qPrintable(widget->objectName() + ": " + text));
            }
        }
    }

    void captionsFitTheirControls_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("Russian") << Language::Russian;
        QTest::newRow("English") << Language::English;
    }
    void captionsFitTheirControls() {
        QFETCH(Language, language);
        const InLanguage inLanguage(language);
        WindowUnderTest ui;
        for (const layout::ControlRow& row : layout::kControls) {
            QWidget* widget = ui.control(dephlegmator::ToQString(row.name));
            const QString misfit = Misfit(widget);
            QVERIFY2(misfit.isEmpty(),
                     qPrintable(widget->objectName() + " «" + Caption(widget) + "» in " +
                                QString::number(widget->width()) + " × " +
                                QString::number(widget->height()) + " px " + misfit));
        }
    }

    // English captions are chosen to fit the controls as the Russian ones size them.
    void theGeometryIsTheSameInBothLanguages() {
        std::map<QString, QRect> russian;
        {
            const InLanguage inRussian(Language::Russian);
            WindowUnderTest ui;
            for (QWidget* widget : ui.window.findChildren<QWidget*>()) {
                if (!widget->objectName().isEmpty())
                    russian[widget->objectName()] = widget->geometry();
            }
        }
        const InLanguage inEnglish(Language::English);
        WindowUnderTest ui;
        QCOMPARE(ui.window.size(), QSize(625, 562));
        for (const auto& [name, geometry] : russian) {
            const QRect english = ui.control(name)->geometry();
            QVERIFY2(english == geometry,
                     qPrintable(QStringLiteral("%1: %2 × %3 px in English, %4 × %5 in Russian")
                                    .arg(name)
                                    .arg(english.width())
                                    .arg(english.height())
                                    .arg(geometry.width())
                                    .arg(geometry.height())));
        }
    }

  private:
    Language language_ = Language::Russian;
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
