#include "option_button.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace dephlegmator {
namespace {

constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

// -1 for the previous button of the group, +1 for the next, 0 for a key that does not move.
int ArrowStep(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            return -1;
        case Qt::Key_Down:
        case Qt::Key_Right:
            return 1;
        default:
            return 0;
    }
}

// The next visible, enabled button from `from` in the given direction, cycling through the group.
QAbstractButton* Neighbour(const QList<QAbstractButton*>& buttons, QAbstractButton* from,
                           int step) {
    const auto count = buttons.size();
    const auto start = buttons.indexOf(from);
    for (qsizetype i = 1; i < count; ++i) {
        QAbstractButton* candidate = buttons[((start + step * i) % count + count) % count];
        if (candidate->isVisibleTo(from->window()) && candidate->isEnabled()) return candidate;
    }
    return nullptr;
}

}  // namespace

void OptionButton::keyPressEvent(QKeyEvent* event) {
    const int step = ArrowStep(event->key());
    if (step == 0 || group() == nullptr) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (QAbstractButton* next = Neighbour(group()->buttons(), this, step)) {
        next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        next->click();
    }
}

// Room taken by the indicator and the gap after it.
int OptionButton::captionIndent() const {
    return style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this) +
           style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
}

int OptionButton::heightForWidth(int width) const {
    const QRect room(0, 0, std::max(1, width - captionIndent()), QWIDGETSIZE_MAX);
    const int captionHeight = fontMetrics().boundingRect(room, kCaptionFlags, text()).height();
    const int indicatorHeight =
        style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    return std::max(captionHeight + 2, indicatorHeight);
}

void OptionButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    const QRect room = rect().adjusted(captionIndent(), 0, 0, 0);
    painter.drawItemText(room, kCaptionFlags, palette(), isEnabled(), text(), QPalette::WindowText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics().boundingRect(room, kCaptionFlags, text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

}  // namespace dephlegmator
