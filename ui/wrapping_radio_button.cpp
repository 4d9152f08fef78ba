#include "ui/wrapping_radio_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace kalvoran {
namespace {

// Gap between the indicator and the caption, in device-independent pixels. Styles leave about
// six; the narrow buttons of this window need the room for their captions.
constexpr int kCaptionGap = 3;
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

} // namespace

QRect WrappingRadioButton::textRect(const QRect& indicator) const {
    QRect r = rect();
    r.setLeft(indicator.right() + 1 + kCaptionGap);
    return r;
}

void WrappingRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    const QRect area = textRect(indicator.rect);
    painter.drawItemText(area, kTextFlags, option.palette, isEnabled(), text(),
                         QPalette::WindowText);

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics().boundingRect(area, kTextFlags, text()).adjusted(-1, 0, 1, 0) &
                     rect();
        focus.backgroundColor = option.palette.window().color();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingRadioButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

} // namespace kalvoran
