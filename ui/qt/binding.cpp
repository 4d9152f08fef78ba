// SPDX-License-Identifier: GPL-3.0-or-later
// Connects the widgets' signals to the handlers of the binding tables.
#include "ui/binding.h"

#include <QAbstractButton>

#include "core/dispatch.h"
#include "ui/qt/accessible.h"
#include "ui/qt/main_window.h"

namespace kalvoran {

void MainWindow::bindEvents() {
    const auto onClick = [this](QAbstractButton* button, ClickHandler handler) {
        connect(button, &QAbstractButton::clicked, this, [this, handler] {
            if (!handlersBlocked())
                dispatch(m_host, [&] { handler(m_host); });
        });
    };
    for (const CommandBinding& binding : kCommandBindings)
        onClick(findChild<QAbstractButton*>(toQString(binding.control)), binding.handler);
    for (const OptionInfo& option : kOptions)
        if (const ClickHandler handler = optionClickHandler(option.option))
            onClick(findChild<QAbstractButton*>(QString::fromUtf8(option.name)), handler);
    bindOptionHandlers(m_host);

    for (const KeyPressBinding& binding : kKeyPressBindings)
        m_host.addKeyPress(binding.field, [this, handler = binding.handler](short& KeyAscii) {
            dispatch(m_host, [&] { handler(KeyAscii); });
        });
}

} // namespace kalvoran
