// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/wrapping_radio_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace kalvoran {
namespace {

// Gap between the indicator and the caption, in device-independent pixels. Styles leave about
// six; the narrow buttons of this window need the room for their captions.
constexpr int kCaptionGap = 3;

} // namespace

QRect WrappingRadioButton::indicatorRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
}

QRect WrappingRadioButton::captionArea() const {
    // Worked out left to right, then mirrored where the layout runs right to left.
    const Qt::LayoutDirection direction = layoutDirection();
    QRect area = rect();
    area.setLeft(QStyle::visualRect(direction, rect(), indicatorRect()).right() + 1 + kCaptionGap);
    return QStyle::visualRect(direction, rect(), area);
}

int WrappingRadioButton::captionFlags() const {
    return int(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft) | Qt::AlignVCenter) |
           int(Qt::TextWordWrap);
}

void WrappingRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = indicatorRect();
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    const QRect area = captionArea();
    painter.drawItemText(area, captionFlags(), option.palette, isEnabled(), text(),
                         QPalette::WindowText);

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            fontMetrics().boundingRect(area, captionFlags(), text()).adjusted(-1, 0, 1, 0) & rect();
        focus.backgroundColor = option.palette.window().color();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingRadioButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

} // namespace kalvoran
