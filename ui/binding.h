// SPDX-License-Identifier: GPL-3.0-or-later
// Which handler each control's event runs, for every host. Option buttons run the handler that
// optionClickHandler() gives them; every event runs through dispatch(), which reports an error
// that leaves the handler, and the program goes on.
#pragma once

#include <array>
#include <string_view>

#include "core/handlers.h"

namespace kalvoran {

struct CommandBinding {
    std::string_view control;
    ClickHandler handler;
};

inline constexpr std::array kCommandBindings{
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
inline constexpr std::array kKeyPressBindings{
    KeyPressBinding{Field::Text1, Text1_KeyPress},
    KeyPressBinding{Field::Text2, Text2_KeyPress},
    KeyPressBinding{Field::Text3, Text3_KeyPress},
    KeyPressBinding{Field::Text5, Text5_KeyPress},
};

// The Click handler of a command button named in the layout; nullptr for any other control.
constexpr ClickHandler commandHandler(std::string_view control) {
    for (const CommandBinding& binding : kCommandBindings)
        if (binding.control == control)
            return binding.handler;
    return nullptr;
}

} // namespace kalvoran
