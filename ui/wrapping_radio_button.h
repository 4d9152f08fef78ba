// A radio button whose caption wraps onto further lines when it is wider than the button,
// and whose whole rectangle takes the click.
#pragma once

#include <QRadioButton>

namespace kalvoran {

class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QRect textRect(const QRect& indicator) const;
};

} // namespace kalvoran
