#include "main_window.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

#include "control_factory.h"
#include "error_messages.h"
#include "window_layout.h"

namespace dephlegmator {
namespace {

// Only the selected button of a group is a tab stop; the arrow keys move within the group.
void KeepTabStopOnSelected(QAbstractButton* button, bool selected) {
    button->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
}

// One exclusive group per frame that holds option buttons.
void GroupOptionButtons(QWidget* window) {
    for (auto* frame : window->findChildren<QGroupBox*>()) {
        const auto buttons = frame->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        if (buttons.isEmpty()) continue;
        auto* group = new QButtonGroup(frame);
        for (auto* button : buttons) {
            group->addButton(button);
            KeepTabStopOnSelected(button, false);
        }
        QObject::connect(group, &QButtonGroup::buttonToggled, group, KeepTabStopOnSelected);
    }
}

}  // namespace

FormMorvani::FormMorvani(QWidget* parent) : QDialog(parent) {
    setErrorReport(nullptr);
    setWindowTitle(ToQString(layout::kTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(TwipsToPixels(layout::kClientWidth), TwipsToPixels(layout::kClientHeight));
    BuildControls();
    ConnectHandlers();
    modes_.Form_Load();
    focus("Text1");  // the first tab stop has the focus when the window opens
}

void FormMorvani::BuildControls() {
    for (const auto& row : layout::kControls) {
        QWidget* parent = row.parent.empty() ? this : widget(row.parent);
        controls_.emplace(row.name, CreateControl(row, parent));
    }
    GroupOptionButtons(this);
    for (std::string_view name : layout::kSelectedAtStart) {
        qobject_cast<QRadioButton*>(widget(name))->setChecked(true);
    }
    for (std::size_t i = 1; i < layout::kTabOrder.size(); ++i) {
        setTabOrder(widget(layout::kTabOrder[i - 1]), widget(layout::kTabOrder[i]));
    }
    qobject_cast<QPushButton*>(widget("Command1"))->setDefault(true);
}

void FormMorvani::ConnectHandlers() {
    for (const auto& [name, run] : kClickHandlers) {
        auto* button = qobject_cast<QAbstractButton*>(widget(name));
        connect(button, &QAbstractButton::clicked, this, [this, run = run] { (modes_.*run)(); });
    }
}

QWidget* FormMorvani::widget(std::string_view name) const {
    const auto found = controls_.find(name);
    if (found == controls_.end())
        qFatal("The window has no control %s", ToQString(name).toUtf8().constData());
    return found->second;
}

QLineEdit* FormMorvani::lineEdit(std::string_view name) const {
    return qobject_cast<QLineEdit*>(widget(name));
}

void FormMorvani::setErrorReport(ErrorReport report) {
    if (report) {
        report_ = std::move(report);
    } else {
        report_ = [this](const CalcError& error) {
            QMessageBox::critical(this, ToQString(kErrorTitle),
                                  ToQString(ErrorMessage(error, *this)));
        };
    }
}

std::string FormMorvani::text(Box box) const {
    return lineEdit(BoxName(box))->text().toStdString();
}

// A text wider than its box shows its beginning: the leading digits are the ones that say what
// the number is. The whole text, exponent included, is then in the box's tooltip.
void FormMorvani::setText(Box box, const std::string& text) {
    QLineEdit* target = lineEdit(BoxName(box));
    const QString shown = QString::fromStdString(text);
    target->setText(shown);
    target->setCursorPosition(0);
    constexpr int kInnerMargins = 6;  // px a QLineEdit keeps free beside its text
    const bool fits = target->fontMetrics().horizontalAdvance(shown) <=
                      target->contentsRect().width() - kInnerMargins;
    target->setToolTip(fits ? QString() : shown);
}

bool FormMorvani::isSelected(Option option) const {
    return qobject_cast<QAbstractButton*>(widget(OptionName(option)))->isChecked();
}

// The regional settings: the default locale, which is the system locale unless set otherwise.
std::string FormMorvani::decimalSeparator() const {
    return QLocale().decimalPoint().toStdString();
}

void FormMorvani::focus(std::string_view control) {
    widget(control)->setFocus(Qt::OtherFocusReason);
}

void FormMorvani::selectAll(std::string_view box) {
    lineEdit(box)->selectAll();
}

void FormMorvani::setVisible(std::string_view control, bool visible) {
    widget(control)->setVisible(visible);
}

void FormMorvani::setAccessibleName(std::string_view control, std::string_view name) {
    widget(control)->setAccessibleName(ToQString(name));
}

void FormMorvani::reportError(const CalcError& error) {
    report_(error);
}

// Escape does not close the window; closing it by the title bar still does.
void FormMorvani::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace dephlegmator
