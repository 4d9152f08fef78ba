// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/web/elements.h"

#include <emscripten.h>

// clang-format off
EM_JS(void, kalvoran_listen, (const char* id, int index), {
    document.getElementById(UTF8ToString(id)).addEventListener("click", (e) => {
        if (!_kalvoran_click(index))
            e.preventDefault();
    });
});

EM_JS(void, kalvoran_focus, (const char* id), {
    document.getElementById(UTF8ToString(id)).focus();
});

// Tab goes round the window, as in a desktop window: from its last stop on to its first, and
// Shift+Tab from its first back to its last. The page's order is the tab order, and a group of
// option buttons is one stop, at its selected button.
EM_JS(void, kalvoran_tab_round, (), {
    const form = document.getElementById("Form1");
    form.addEventListener("keydown", (e) => {
        if (e.key !== "Tab" || e.ctrlKey || e.altKey || e.metaKey)
            return;
        const controls = form.querySelectorAll("input, button");
        const [from, to] = e.shiftKey ? [controls[0], controls[controls.length - 1]]
                                      : [controls[controls.length - 1], controls[0]];
        const group = (c) => c.type === "radio" ? "input[name=\"" + c.name + "\"]" : null;
        if (e.target === from || (group(from) && e.target.matches(group(from)))) {
            e.preventDefault();
            (group(to) && form.querySelector(group(to) + ":checked") || to).focus();
        }
    });
});

// Every start begins in the window's initial state, whatever the browser restored of an earlier
// visit to the page.
EM_JS(void, kalvoran_take_input, (), {
    for (const control of document.querySelectorAll("#Form1 input")) {
        if (control.type === "radio")
            control.checked = control.defaultChecked;
        else
            control.value = control.defaultValue;
        if (control.kalvoranRestart)
            control.kalvoranRestart();
    }
    kalvoranStarted = true;
});
// clang-format on

namespace kalvoran::elements {

void listen(const std::string& id, std::size_t index) {
    kalvoran_listen(id.c_str(), static_cast<int>(index));
}

void focus(const std::string& id) { kalvoran_focus(id.c_str()); }

void tabRound() { kalvoran_tab_round(); }

void takeInput() { kalvoran_take_input(); }

} // namespace kalvoran::elements
