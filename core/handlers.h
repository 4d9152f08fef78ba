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

// The twenty-six option buttons with a Click handler, all presets; stromueber has none.
// clang-format off
#define KALVORAN_OPTION_HANDLERS(X)                                                     \
    X(opt5v) X(opt12v) X(opt10) X(opt33) X(opt30) X(opt24) X(belque)                    \
    X(lednor) X(belverbr) X(ledrot) X(ledgelb) X(ledgrün) X(ledblau) X(ledweiß) X(leduv) \
    X(lüft5v) X(lüft7v) X(lüft9v)                                                       \
    X(verbr1) X(verbr2) X(verbr3) X(verbr4) X(verbr5) X(verbr6) X(belanz)               \
    X(strombel)
// clang-format on
#define KALVORAN_DECLARE_CLICK(name) void name##_Click(Host& host);
KALVORAN_OPTION_HANDLERS(KALVORAN_DECLARE_CLICK)
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
