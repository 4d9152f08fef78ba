// Which handler each control's event runs.
#include <QAbstractButton>
#include <array>
#include <string_view>

#include "core/dispatch.h"
#include "core/handlers.h"
#include "ui/main_window.h"

namespace kalvoran {
namespace {

struct CommandBinding {
    const char* control;
    void (*handler)(Host&);
};

constexpr std::array kCommandBindings{
    CommandBinding{"berechnen", berechnen_Click},
    CommandBinding{"hilfe", hilfe_Click},
    CommandBinding{"beenden", beenden_Click},
};

} // namespace

void MainWindow::bindEvents() {
    for (const CommandBinding& binding : kCommandBindings) {
        auto* button = findChild<QAbstractButton*>(QString::fromUtf8(binding.control));
        connect(button, &QAbstractButton::clicked, this,
                [this, handler = binding.handler] { dispatch(m_host, [&] { handler(m_host); }); });
    }
}

} // namespace kalvoran
