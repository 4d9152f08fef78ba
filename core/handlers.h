// SPDX-License-Identifier: GPL-3.0-or-later
// The event handlers of the window, named after their control and event.
// Each reaches the window only through the host it is given.
#pragma once

#include "host/host.h"

#ifndef Q_MOC_RUN

namespace kalvoran {

using ClickHandler = void (*)(Host& host);

// Command buttons.
void berechnen_Click(Host& host);
void neurechnen_Click(Host& host);
void hilfe_Click(Host& host);
void beenden_Click(Host& host);

// The option buttons' Click handlers, all presets: one for each button that KALVORAN_OPTIONS
// marks handled.
#define KALVORAN_DECLARE_CLICK(name, container, handled)                                           \
    KALVORAN_IF_##handled(void name##_Click(Host& host);)
KALVORAN_OPTIONS(KALVORAN_DECLARE_CLICK)
#undef KALVORAN_DECLARE_CLICK

// The Click handler of an option button; nullptr for stromueber.
ClickHandler optionClickHandler(Option option);
// Lets the host run an option button's handler when code selects the button.
void bindOptionHandlers(Host& host);

// The KeyPress handlers of the four input fields: KeyAscii is the typed character's code;
// set to 0, the character is dropped.
void Text1_KeyPress(short& KeyAscii);
void Text2_KeyPress(short& KeyAscii);
void Text3_KeyPress(short& KeyAscii);
void Text5_KeyPress(short& KeyAscii);

} // namespace kalvoran

#endif // Q_MOC_RUN
