// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Der Kalvoran", built from the layout table, with its events bound to the handlers.
#pragma once

#include <QWidget>

#include "host/qt/qt_host.h"

namespace kalvoran {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow();

    Host& host() { return m_host; }
    // Places the window in the middle of its screen, its top-left corner never outside the
    // screen's available area; call before show().
    void centre();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void bindEvents();

    QtHost m_host;
};

} // namespace kalvoran
