#include <QAccessible>
#include <QLineEdit>
#include <QSet>
#include <QTest>

#include "window_under_test.h"

using dephlegmator::testing::WindowUnderTest;

namespace {

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void everyFocusableControlHasAUniqueName() {
        WindowUnderTest w;
        QSet<QString> names;
        int focusable = 0;
        for (QWidget* widget : w.window.findChildren<QWidget*>()) {
            if (widget->focusPolicy() == Qt::NoFocus) continue;
            ++focusable;
            const QString name = AccessibleName(widget);
            QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName() + " has no name"));
            QVERIFY2(!names.contains(name), qPrintable(name + " names two controls"));
            names.insert(name);
        }
        QCOMPARE(focusable, 22);  // 13 boxes, 8 option buttons, the push button
    }

    void boxesSayWhatTheyHoldAndTheirUnit() {
        WindowUnderTest w;
        const struct {
            const char* box;
            const char* words;
            const char* unit;
            bool result;
        } cases[] = {
            {"Text1", "конденсации", "°С", false}, {"Text2", "на входе", "°С", false},
            {"Text3", "Высота", "см", false},      {"Text4", "Диаметр", "см", false},
            {"Text5", "Площадь", "см²", false},    {"Text7", "Внешнее", "Вт", true},
            {"Text8", "Внешнее", "л/мин", true},   {"Text9", "Внешнее", "°С", true},
            {"Text71", "Автономное", "Вт", true},  {"Text81", "Автономное", "л/мин", true},
            {"Text91", "Автономное", "°С", true},  {"Text10", "Площадь", "см²", true},
        };
        // Until the first calculation every result box says it has no result.
        const QString noResult = QString::fromUtf8(", нет результата");
        for (const auto& c : cases) {
            QString name = AccessibleName(w.box(QString::fromLatin1(c.box)));
            QCOMPARE(name.endsWith(noResult), c.result);
            name.remove(noResult);
            QVERIFY2(name.contains(QString::fromUtf8(c.words)), qPrintable(name));
            QVERIFY2(name.endsWith(QString::fromUtf8(c.unit)), qPrintable(name));
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
