// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt window's bindEvents: connects the widgets' signals to the handlers of the binding tables.
#include <QAbstractButton>

#include "ui/qt/accessible.h"
#include "ui/qt/main_window.h"
#include "ui/window_model.h"

namespace kalvoran {

void MainWindow::bindEvents() {
    // A clicked command button runs its handler; a clicked option button is selected as the
    // handlers select one, and so runs its handler.
    for (const ControlSpec& control : controlTable())
        if (const Click clicked = clickOf(control.name))
            connect(findChild<QAbstractButton*>(toQString(control.name)), &QAbstractButton::clicked,
                    this, [this, clicked] { click(m_host, clicked); });
    bindHandlers(m_host);
}

} // namespace kalvoran
