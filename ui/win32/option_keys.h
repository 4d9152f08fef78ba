// SPDX-License-Identifier: GPL-3.0-or-later
// The arrow keys inside a group of option buttons: each moves the focus to the next (Down, Right)
// or previous (Up, Left) button of the same container, round, and selects it as a click does.
#pragma once

#include <windows.h>

#include <vector>

namespace kalvoran {

// group lists the buttons of button's container in tab order; it outlives the button.
void moveWithArrows(HWND button, std::vector<HWND>* group);

} // namespace kalvoran
