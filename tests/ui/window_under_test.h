#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <vector>

#include "main_window.h"

namespace dephlegmator::testing {

// The window, shown, with failed calculations recorded instead of shown in a message box.
class WindowUnderTest {
  public:
    WindowUnderTest() {
        window.setErrorReport(
            [this](const CalcError& error, const std::string&) { errors.push_back(error.kind()); });
        window.show();
        window.activateWindow();
    }

    bool active() { return QTest::qWaitForWindowActive(&window); }

    template <typename Widget = QWidget>
    Widget* control(const QString& name) const {
        auto* widget = window.findChild<Widget*>(name);
        if (widget == nullptr) qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QLineEdit* box(const QString& name) const { return control<QLineEdit>(name); }

    static QWidget* focused() { return QApplication::focusWidget(); }
    static QString focusName() {
        return focused() != nullptr ? focused()->objectName() : QString();
    }

    // Keys go where the user's keys go: to the control with the focus.
    static void press(Qt::Key key) { QTest::keyClick(focused(), key); }
    static void enter() { press(Qt::Key_Return); }
    static void type(const QString& text) { QTest::keyClicks(focused(), text); }

    void click(const QString& name) const { QTest::mouseClick(control(name), Qt::LeftButton); }

    int enterStep() const { return window.enterStep(); }

    FormMorvani window;
    std::vector<CalcError::Kind> errors;
};

}  // namespace dephlegmator::testing
