// SPDX-License-Identifier: GPL-3.0-or-later
// Qt ends a program that cannot reach a display with a few English lines and abort(). While the
// application connects, a DisplayCheck holds Qt's messages back: should Qt give up, the user
// reads one German line instead and the program ends with status 1; once the connection stands,
// the held messages go out as usual.
#pragma once

namespace kalvoran {

class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;
};

inline constexpr const char* kNoDisplayLine =
    "Kalvoran braucht eine grafische Sitzung, erreicht aber keine Anzeige "
    "(DISPLAY oder WAYLAND_DISPLAY).";

} // namespace kalvoran
