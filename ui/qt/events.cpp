// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt window's bindEvents: connects the widgets' signals to the handlers of the binding tables.
#include <QAbstractButton>

#include "core/dispatch.h"
#include "ui/binding.h"
#include "ui/qt/accessible.h"
#include "ui/qt/main_window.h"

namespace kalvoran {

void MainWindow::bindEvents() {
    const auto onClick = [this](QAbstractButton* button, auto run) {
        connect(button, &QAbstractButton::clicked, this, [this, run] {
            if (m_host.accepting())
                dispatch(m_host, run);
        });
    };
    for (const CommandBinding& binding : kCommandBindings)
        onClick(findChild<QAbstractButton*>(toQString(binding.control)),
                [this, handler = binding.handler] { handler(m_host); });
    // A clicked option button is selected as the handlers select one, and so runs its handler.
    for (const OptionInfo& option : kOptions)
        onClick(findChild<QAbstractButton*>(QString::fromUtf8(option.name)),
                [this, o = option.option] { m_host.setValue(o, true); });
    bindOptionHandlers(m_host);

    for (const KeyPressBinding& binding : kKeyPressBindings)
        m_host.addKeyPress(binding.field, [this, handler = binding.handler](short& KeyAscii) {
            dispatch(m_host, [&] { handler(KeyAscii); });
        });
}

} // namespace kalvoran
