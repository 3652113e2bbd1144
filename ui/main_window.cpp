#include "main_window.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <string_view>
#include <utility>

#include "accessible_names.h"
#include "control_factory.h"
#include "error_message.h"
#include "window_layout.h"

namespace dephlegmator {
namespace {

// Control names of the boxes, in the order of the Box enumeration.
constexpr std::array<std::string_view, 13> kBoxNames{
    "Text1", "Text2", "Text3",  "Text4",  "Text5",  "Text6",  "Text7",
    "Text8", "Text9", "Text71", "Text81", "Text91", "Text10",
};

template <typename Widget>
Widget* Find(const QWidget* window, std::string_view name) {
    auto* widget = window->findChild<Widget*>(ToQString(name));
    if (widget == nullptr)
        qFatal("The window has no control %s", ToQString(name).toUtf8().constData());
    return widget;
}

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
    Form_Load();
    Text1->setFocus();  // the first tab stop has the focus when the window opens
}

void FormMorvani::BuildControls() {
    for (const auto& row : layout::kControls) {
        QWidget* parent = row.parent.empty() ? this : Find<QWidget>(this, row.parent);
        CreateControl(row, parent);
    }
    GroupOptionButtons(this);
    for (std::string_view name : layout::kSelectedAtStart) {
        Find<QRadioButton>(this, name)->setChecked(true);
    }
    for (std::size_t i = 1; i < layout::kTabOrder.size(); ++i) {
        setTabOrder(Find<QWidget>(this, layout::kTabOrder[i - 1]),
                    Find<QWidget>(this, layout::kTabOrder[i]));
    }

    for (std::size_t i = 0; i < kBoxNames.size(); ++i) {
        boxes_[i] = Find<QLineEdit>(this, kBoxNames[i]);
    }
    Text1 = box(Box::Text1);
    Text2 = box(Box::Text2);
    Text3 = box(Box::Text3);
    Text4 = box(Box::Text4);
    Text5 = box(Box::Text5);
    Text6 = box(Box::Text6);
    Label4 = Find<QLabel>(this, "Label4");
    Label5 = Find<QLabel>(this, "Label5");
    Label6 = Find<QLabel>(this, "Label6");
    Label7 = Find<QLabel>(this, "Label7");
    Label8 = Find<QLabel>(this, "Label8");
    Label9 = Find<QLabel>(this, "Label9");
    Option1 = Find<QRadioButton>(this, "Option1");
    Option2 = Find<QRadioButton>(this, "Option2");
    Option3 = Find<QRadioButton>(this, "Option3");
    Option4 = Find<QRadioButton>(this, "Option4");
    Option5 = Find<QRadioButton>(this, "Option5");
    Option6 = Find<QRadioButton>(this, "Option6");
    Option7 = Find<QRadioButton>(this, "Option7");
    Option8 = Find<QRadioButton>(this, "Option8");
    Command1 = Find<QPushButton>(this, "Command1");
    Command1->setDefault(true);
    NameControls(this);
}

// An empty report brings the message box back.
void FormMorvani::setErrorReport(ErrorReport report) {
    if (report) {
        report_ = std::move(report);
    } else {
        report_ = [this](const CalcError& error) { ShowCalcError(this, error); };
    }
}

QLineEdit* FormMorvani::box(Box box) const {
    return boxes_[static_cast<std::size_t>(box)];
}

std::string FormMorvani::text(Box box) const {
    return this->box(box)->text().toStdString();
}

void FormMorvani::setText(Box box, const std::string& text) {
    this->box(box)->setText(QString::fromStdString(text));
}

bool FormMorvani::isSelected(Option option) const {
    switch (option) {
        case Option::Option4:
            return Option4->isChecked();
        case Option::Option5:
            return Option5->isChecked();
        case Option::Option6:
            return Option6->isChecked();
        case Option::Option7:
            return Option7->isChecked();
        case Option::Option8:
            return Option8->isChecked();
    }
    return false;
}

// The regional settings: the default locale, which is the system locale unless set otherwise.
std::string FormMorvani::decimalSeparator() const {
    return QLocale().decimalPoint().toStdString();
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
