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
using layout::ControlSpec;
using layout::Kind;

QString Caption(const ControlSpec& spec) {
    return ToQString(spec.caption);
}

QRect PixelRect(const ControlSpec& spec) {
    return {TwipsToPixels(spec.x), TwipsToPixels(spec.y), TwipsToPixels(spec.w),
            TwipsToPixels(spec.h)};
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

QWidget* CreateTextBox(const ControlSpec& spec, QWidget* parent) {
    auto* box = new QLineEdit(Caption(spec), parent);
    box->setAlignment(Alignment(spec.align) | Qt::AlignVCenter);
    if (spec.maxLength > 0) box->setMaxLength(spec.maxLength);
    return box;
}

// A frame drawn as a line with its caption set into the top edge, so that the space below the
// caption belongs to the frame's controls.
QWidget* CreateFrame(const ControlSpec& spec, QWidget* parent) {
    auto* frame = new QGroupBox(Caption(spec), parent);
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; }"));
    return frame;
}

QWidget* CreateLabel(const ControlSpec& spec, QWidget* parent) {
    auto* label = new QLabel(Caption(spec), parent);
    label->setAlignment(Alignment(spec.align) | Qt::AlignTop);
    // Unit labels stay on one line; the column headings wrap at spaces.
    label->setWordWrap(spec.font == layout::Font::Standard);
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
    } else if (qobject_cast<QPushButton*>(widget)) {
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

QWidget* CreateControl(const ControlSpec& spec, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (spec.kind) {
        case Kind::Frame:
            widget = CreateFrame(spec, parent);
            break;
        case Kind::Label:
            widget = CreateLabel(spec, parent);
            break;
        case Kind::TextBox:
            widget = CreateTextBox(spec, parent);
            break;
        case Kind::Option:
            widget = new OptionButton(Caption(spec), parent);
            break;
        case Kind::Button:
            widget = new QPushButton(Caption(spec), parent);
            break;
    }
    widget->setObjectName(ToQString(spec.name));
    if (spec.font == layout::Font::Bold12) widget->setFont(MarkedFont());
    widget->setGeometry(FitText(widget, PixelRect(spec)));
    if (!spec.visible) widget->setVisible(false);
    return widget;
}

}  // namespace dephlegmator
