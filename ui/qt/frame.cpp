// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/frame.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace kalvoran {
namespace {

// Where the caption starts, and the gap it leaves in the border on either side, in
// device-independent pixels.
constexpr int kCaptionIndent = 6;
constexpr int kCaptionGap = 2;

} // namespace

QRect Frame::borderRect() const { return rect().adjusted(0, fontMetrics().height() / 2, 0, 0); }

QRect Frame::captionRect() const {
    const QRect caption(kCaptionIndent + kCaptionGap, 0, fontMetrics().horizontalAdvance(title()),
                        fontMetrics().height());
    return QStyle::visualRect(layoutDirection(), rect(), caption);
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect caption = captionRect();
    if (!title().isEmpty())
        painter.setClipRegion(
            QRegion(rect()).subtracted(caption.adjusted(-kCaptionGap, 0, kCaptionGap, 0)));
    qDrawShadeRect(&painter, borderRect(), palette(), true, 1, 0);
    painter.setClipping(false);
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextHideMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

} // namespace kalvoran
