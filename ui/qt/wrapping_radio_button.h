// SPDX-License-Identifier: GPL-3.0-or-later
// A radio button whose caption wraps onto further lines when it is wider than the button,
// and whose whole rectangle takes the click.
#pragma once

#include <QRadioButton>

namespace kalvoran {

class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

    // Where the caption is drawn: beside the indicator (right of it, left of it where the layout
    // runs right to left), the button's full height; and how it is aligned there.
    QRect captionArea() const;
    int captionFlags() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QRect indicatorRect() const;
};

} // namespace kalvoran
