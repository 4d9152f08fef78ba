// SPDX-License-Identifier: GPL-3.0-or-later
// A captioned frame drawn the way the window's layout counts on: the border runs through the
// middle of the caption line and the caption interrupts it, so the first row of controls, a
// caption line below the frame's top, lies well inside the border. Drawn in the palette's
// colours, as an etched line.
#pragma once

#include <QGroupBox>

namespace kalvoran {

class Frame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

    // The border's outer rectangle and the caption's, in the frame's coordinates.
    QRect borderRect() const;
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kalvoran
