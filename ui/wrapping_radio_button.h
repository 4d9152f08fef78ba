// A radio button whose caption wraps onto further lines when it is wider than the button,
// and whose whole rectangle takes the click.
#pragma once

#include <QRadioButton>

namespace kalvoran {

class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

    // Where the caption is drawn: right of the indicator, the button's full height.
    QRect captionArea() const;
    static constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QRect indicatorRect() const;
};

} // namespace kalvoran
