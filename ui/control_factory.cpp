#include "control_factory.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "option_button.h"

namespace dephlegmator {
namespace {

using layout::Align;
using layout::ControlRow;
using layout::Kind;

QString Caption(const ControlRow& row) {
    return ToQString(row.caption);
}

QRect PixelRect(const ControlRow& row) {
    return {TwipsToPixels(row.x), TwipsToPixels(row.y), TwipsToPixels(row.w), TwipsToPixels(row.h)};
}

Qt::Alignment Alignment(Align align) {
    switch (align) {
        case Align::Left:
            return Qt::AlignLeft;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Center:
            return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

QWidget* CreateTextBox(const ControlRow& row, QWidget* parent) {
    auto* box = new QLineEdit(Caption(row), parent);
    box->setAlignment(Alignment(row.align) | Qt::AlignVCenter);
    if (row.maxLength > 0) box->setMaxLength(row.maxLength);
    return box;
}

// A frame drawn as a line with its caption set into the top edge, so that the space below the
// caption belongs to the frame's controls.
QWidget* CreateFrame(const ControlRow& row, QWidget* parent) {
    auto* frame = new QGroupBox(Caption(row), parent);
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; }"));
    return frame;
}

QWidget* CreateLabel(const ControlRow& row, QWidget* parent) {
    auto* label = new QLabel(Caption(row), parent);
    label->setAlignment(Alignment(row.align) | Qt::AlignTop);
    // Unit labels stay on one line; the column headings wrap at spaces.
    label->setWordWrap(row.font == layout::Font::Standard);
    return label;
}

// Text must not be clipped whatever the fonts at hand: a unit label grows to the right, a column
// heading grows downwards, the push button widens about its centre, and an option button widens
// as far as its frame allows and then grows downwards.
QRect FitText(QWidget* widget, QRect rect) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap()) {
            rect.setHeight(std::max(rect.height(), label->heightForWidth(rect.width())));
        } else {
            rect.setWidth(std::max(rect.width(), label->sizeHint().width()));
        }
    } else if (qobject_cast<QPushButton*>(widget) != nullptr) {
        const int grow = std::max(0, widget->sizeHint().width() - rect.width());
        rect.adjust(-grow / 2, 0, grow - grow / 2, 0);
    } else if (auto* option = qobject_cast<OptionButton*>(widget)) {
        const int room = option->parentWidget()->width() - rect.x() - 2;
        rect.setWidth(
            std::clamp(option->sizeHint().width(), rect.width(), std::max(rect.width(), room)));
        rect.setHeight(std::max(rect.height(), option->heightForWidth(rect.width())));
    }
    return rect;
}

}  // namespace

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QFont MarkedFont() {
    QFont font(QStringLiteral("DejaVu Sans"), 12, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QWidget* CreateControl(const ControlRow& row, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (row.kind) {
        case Kind::Frame:
            widget = CreateFrame(row, parent);
            break;
        case Kind::Label:
            widget = CreateLabel(row, parent);
            break;
        case Kind::TextBox:
            widget = CreateTextBox(row, parent);
            break;
        case Kind::Option:
            widget = new OptionButton(Caption(row), parent);
            break;
        case Kind::Button:
            widget = new QPushButton(Caption(row), parent);
            break;
    }
    widget->setObjectName(ToQString(row.name));
    if (row.font == layout::Font::Bold12) widget->setFont(MarkedFont());
    widget->setGeometry(FitText(widget, PixelRect(row)));
    if (!row.visible) widget->setVisible(false);
    return widget;
}

}  // namespace dephlegmator
