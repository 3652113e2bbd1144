#include "option_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace dephlegmator {
namespace {

constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

}  // namespace

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
