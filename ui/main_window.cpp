#include "main_window.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <utility>

#include "control_factory.h"
#include "error_messages.h"
#include "window_layout.h"
#include "window_texts.h"

namespace dephlegmator {
namespace {

// Only the selected button of a group is a tab stop; the arrow keys move within the group.
void KeepTabStopOnSelected(QAbstractButton* button, bool selected) {
    button->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
}

// The reasons for which a box gets the focus from the user rather than from a handler, which
// moves it with Qt::OtherFocusReason.
constexpr std::array kUsersFocusReasons{Qt::MouseFocusReason, Qt::TabFocusReason,
                                        Qt::BacktabFocusReason, Qt::ShortcutFocusReason};

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
    WriteCaptions(controls_);  // and the tooltips that go with them
    ConnectHandlers();
    modes_.Form_Load();
    controls_.focus("Text1");  // the first tab stop has the focus when the window opens
}

void FormMorvani::BuildControls() {
    for (const auto& row : layout::kControls) {
        QWidget* parent = row.parent.empty() ? this : controls_.widget(row.parent);
        controls_.add(row.name, CreateControl(row, parent));
    }
    GroupOptionButtons(this);
    for (std::string_view name : layout::kSelectedAtStart) {
        qobject_cast<QRadioButton*>(controls_.widget(name))->setChecked(true);
    }
    for (std::size_t i = 1; i < layout::kTabOrder.size(); ++i) {
        setTabOrder(controls_.widget(layout::kTabOrder[i - 1]),
                    controls_.widget(layout::kTabOrder[i]));
    }
    qobject_cast<QPushButton*>(controls_.widget("Command1"))->setDefault(true);
}

void FormMorvani::ConnectHandlers() {
    for (const auto& [name, run] : kClickHandlers) {
        auto* button = qobject_cast<QAbstractButton*>(controls_.widget(name));
        connect(button, &QAbstractButton::clicked, this, [this, run = run] { (modes_.*run)(); });
    }
    for (auto* box : findChildren<QLineEdit*>()) box->installEventFilter(this);
    for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
        const Box box = kInputBoxes[i];
        auto* edit = qobject_cast<QLineEdit*>(controls_.widget(BoxName(box)));
        texts_.at(i) = edit->text();
        connect(edit, &QLineEdit::textChanged, this, [this, i](const QString& text) {
            previousTexts_.at(i) = std::exchange(texts_.at(i), text);
        });
        connect(edit, &QLineEdit::textEdited, this,
                [this, box](const QString& text) { Edited(box, text); });
    }
}

void FormMorvani::Edited(Box box, const QString& text) {
    const auto i = static_cast<std::size_t>(box);
    const std::size_t limit = TypingLimit(box);
    if (limit == 0 || static_cast<std::size_t>(text.size()) <= limit) {
        modes_.TextChanged(box);
        return;
    }
    const QString before = texts_.at(i) == text ? previousTexts_.at(i) : texts_.at(i);
    auto* edit = qobject_cast<QLineEdit*>(controls_.widget(BoxName(box)));
    // The edit replaced the selection with what stands before the caret, after the part the two
    // texts share: head + inserted + tail.
    const qsizetype caret = edit->cursorPosition();
    const qsizetype tailLength = std::min(text.size() - caret, before.size());
    qsizetype from = 0;
    while (from < caret && from < before.size() - tailLength && before[from] == text[from]) {
        ++from;
    }
    const Insertion insertion{text.left(from).toStdString(),
                              text.mid(from, caret - from).toStdString(),
                              text.mid(caret).toStdString()};
    const QString kept = QString::fromStdString(modes_.TextCut(box, insertion));
    edit->setCursorPosition(static_cast<int>(kept.size() - (text.size() - caret)));
}

bool FormMorvani::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn &&
        std::ranges::find(kUsersFocusReasons, static_cast<QFocusEvent*>(event)->reason()) !=
            kUsersFocusReasons.end()) {
        modes_.BoxFocused(watched->objectName().toStdString());
    }
    return QDialog::eventFilter(watched, event);
}

void FormMorvani::setErrorReport(ErrorReport report) {
    if (report) {
        controls_.setErrorReport(std::move(report));
    } else {
        controls_.setErrorReport([this](const CalcError&, const std::string& message) {
            QMessageBox::critical(this, ToQString(ErrorTitle()), ToQString(message));
        });
    }
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
