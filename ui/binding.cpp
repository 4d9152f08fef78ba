// SPDX-License-Identifier: GPL-3.0-or-later
// Which handler each control's event runs. Every event runs through dispatch(), which reports
// an error that leaves the handler; the program goes on.
#include <array>

#include <QAbstractButton>

#include "core/dispatch.h"
#include "core/handlers.h"
#include "ui/main_window.h"

namespace kalvoran {
namespace {

struct CommandBinding {
    const char* control;
    ClickHandler handler;
};

constexpr std::array kCommandBindings{
    CommandBinding{"berechnen", berechnen_Click},
    CommandBinding{"neurechnen", neurechnen_Click},
    CommandBinding{"hilfe", hilfe_Click},
    CommandBinding{"beenden", beenden_Click},
};

struct KeyPressBinding {
    Field field;
    void (*handler)(short& KeyAscii);
};

// Text4 has none: it is locked.
constexpr std::array kKeyPressBindings{
    KeyPressBinding{Field::Text1, Text1_KeyPress},
    KeyPressBinding{Field::Text2, Text2_KeyPress},
    KeyPressBinding{Field::Text3, Text3_KeyPress},
    KeyPressBinding{Field::Text5, Text5_KeyPress},
};

} // namespace

void MainWindow::bindEvents() {
    const auto onClick = [this](QAbstractButton* button, ClickHandler handler) {
        connect(button, &QAbstractButton::clicked, this,
                [this, handler] { dispatch(m_host, [&] { handler(m_host); }); });
    };
    for (const CommandBinding& binding : kCommandBindings)
        onClick(findChild<QAbstractButton*>(QString::fromUtf8(binding.control)), binding.handler);
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
