// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Der Kalvoran" on the page: the elements written from the layout table (markup.h)
// made to work, each event handed to the window model.
#pragma once

#include "host/web/web_host.h"
#include "ui/window_model.h"

namespace kalvoran {

class WebWindow {
public:
    WebWindow();
    ~WebWindow();
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    // The start focus; from now on the window takes input.
    void show();
    // A click on the control at index in controlTable(); false when the window refused it.
    bool clicked(std::size_t index);

private:
    WebHost m_host;
};

} // namespace kalvoran
