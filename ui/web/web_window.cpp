// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/web/web_window.h"

#include <emscripten.h>

#include "ui/layout.h"
#include "ui/web/elements.h"

namespace kalvoran {
namespace {

WebWindow* g_window = nullptr;

} // namespace

WebWindow::WebWindow() {
    g_window = this;
    const std::span<const ControlSpec> table = controlTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (clickOf(table[i].name))
            elements::listen(std::string(table[i].name), i);
    bindHandlers(m_host);
    elements::tabRound();
    // The result is said with its unit, the caption of the label that stands level with it.
    for (const ControlSpec& control : table)
        if (control.unitOf == Field::Text4)
            m_host.sayWrites(Field::Text4, std::string(control.caption));
}

WebWindow::~WebWindow() {
    if (g_window == this)
        g_window = nullptr;
}

void WebWindow::show() {
    elements::focus(info(startFocus()).name);
    elements::takeInput();
}

bool WebWindow::clicked(std::size_t index) {
    if (index >= controlTable().size() || !m_host.acceptsEvents())
        return false;
    click(m_host, clickOf(controlTable()[index].name));
    return true;
}

} // namespace kalvoran

// Called by the page's script for a click on a command or option button.
extern "C" EMSCRIPTEN_KEEPALIVE int kalvoran_click(int index) {
    return kalvoran::g_window && index >= 0 &&
           kalvoran::g_window->clicked(static_cast<std::size_t>(index));
}
