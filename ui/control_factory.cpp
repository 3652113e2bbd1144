#include "control_factory.h"

#include <QAbstractButton>
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

QString CaptionOf(const ControlRow& row) {
    return ToQString(layout::Caption(row));
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
    auto* box = new QLineEdit(CaptionOf(row), parent);
    box->setAlignment(Alignment(row.align) | Qt::AlignVCenter);
    // The typing limit (row.maxLength) is the window's to keep (FormMorvani): QLineEdit's own
    // would cut a paste without a word.
    return box;
}

// A frame drawn as a line with its caption set into the top edge, so that the space below the
// caption belongs to the frame's controls.
QWidget* CreateFrame(const ControlRow& row, QWidget* parent) {
    auto* frame = new QGroupBox(CaptionOf(row), parent);
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; }"));
    return frame;
}

QWidget* CreateLabel(const ControlRow& row, QWidget* parent) {
    auto* label = new QLabel(CaptionOf(row), parent);
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

void SetCaption(QWidget* control, const QString& caption) {
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setTitle(caption);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
    }
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
            widget = new OptionButton(CaptionOf(row), parent);
            break;
        case Kind::Button:
            widget = new QPushButton(CaptionOf(row), parent);
            break;
    }
    widget->setObjectName(ToQString(row.name));
    if (row.font == layout::Font::Bold12) widget->setFont(MarkedFont());
    QRect rect = PixelRect(row);
    // The window has one geometry, the one its Russian captions give; the captions of another
    // language are chosen to fit it, and only grow it where a font at hand is wider than those
    // they were chosen with.
    if (row.caption && CurrentLanguage() != Language::Russian) {
        SetCaption(widget, ToQString(Tr(*row.caption, Language::Russian)));
        rect = FitText(widget, rect);
        SetCaption(widget, CaptionOf(row));
    }
    widget->setGeometry(FitText(widget, rect));
    if (!row.visible) widget->setVisible(false);
    return widget;
}

}  // namespace dephlegmator
