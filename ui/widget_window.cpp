#include "widget_window.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>

#include "control_factory.h"

namespace dephlegmator {

void WidgetWindow::add(std::string_view name, QWidget* widget) {
    controls_.emplace(name, widget);
}

QWidget* WidgetWindow::widget(std::string_view name) const {
    const auto found = controls_.find(name);
    if (found == controls_.end())
        qFatal("The window has no control %s", ToQString(name).toUtf8().constData());
    return found->second;
}

QLineEdit* WidgetWindow::lineEdit(std::string_view name) const {
    return qobject_cast<QLineEdit*>(widget(name));
}

std::string WidgetWindow::text(Box box) const {
    return lineEdit(BoxName(box))->text().toStdString();
}

// A text wider than its box shows its beginning: the leading digits are the ones that say what
// the number is. The whole text, exponent included, is then in the box's tooltip.
void WidgetWindow::setText(Box box, const std::string& text) {
    QLineEdit* target = lineEdit(BoxName(box));
    const QString shown = QString::fromStdString(text);
    target->setText(shown);
    target->setCursorPosition(0);
    // An input box's tooltip belongs to its mark.
    if (std::ranges::find(kResultBoxes, box) == kResultBoxes.end()) return;
    constexpr int kInnerMargins = 6;  // px a QLineEdit keeps free beside its text
    const bool fits = target->fontMetrics().horizontalAdvance(shown) <=
                      target->contentsRect().width() - kInnerMargins;
    target->setToolTip(fits ? QString() : shown);
}

bool WidgetWindow::isSelected(Option option) const {
    return qobject_cast<QAbstractButton*>(widget(OptionName(option)))->isChecked();
}

// The regional settings: the default locale, which is the system locale unless set otherwise.
std::string WidgetWindow::decimalSeparator() const {
    return QLocale().decimalPoint().toStdString();
}

void WidgetWindow::focus(std::string_view control) {
    widget(control)->setFocus(Qt::OtherFocusReason);
}

void WidgetWindow::selectAll(std::string_view box) {
    lineEdit(box)->selectAll();
}

void WidgetWindow::setVisible(std::string_view control, bool visible) {
    widget(control)->setVisible(visible);
}

// setChecked emits toggled, not clicked, to which the handlers are connected.
void WidgetWindow::check(std::string_view option) {
    qobject_cast<QAbstractButton*>(widget(option))->setChecked(true);
}

// A red frame on a pale red ground, and the problem in the tooltip and the accessible
// description, where the pointer and a screen reader find it.
void WidgetWindow::setMark(std::string_view box, std::string_view problem) {
    QLineEdit* edit = lineEdit(box);
    const QString text = ToQString(problem);
    edit->setStyleSheet(problem.empty() ? QString()
                                        : QStringLiteral("QLineEdit { border: 2px solid #c00000; "
                                                         "background: #fff0f0; color: black; }"));
    edit->setToolTip(text);
    edit->setAccessibleDescription(text);
    edit->setProperty("marked", !problem.empty());
}

void WidgetWindow::setAccessibleName(std::string_view control, std::string_view name) {
    widget(control)->setAccessibleName(ToQString(name));
}

void WidgetWindow::setCaption(std::string_view control, std::string_view caption) {
    SetCaption(widget(control), ToQString(caption));
}

void WidgetWindow::setToolTip(std::string_view control, std::string_view tip) {
    widget(control)->setToolTip(ToQString(tip));
}

void WidgetWindow::reportError(const CalcError& error, const std::string& message) {
    if (report_) report_(error, message);
}

}  // namespace dephlegmator
