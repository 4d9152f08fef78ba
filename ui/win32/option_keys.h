// SPDX-License-Identifier: GPL-3.0-or-later
// The arrow keys inside a group of option buttons: each moves the focus to the next (Down, Right)
// or previous (Up, Left) button of the same container, round, and selects it as a click does.
#pragma once

#include <windows.h>

#include "host/win32/win32_host.h"

namespace kalvoran {

// The button's group is the one host keeps for its container; host outlives the button.
void moveWithArrows(HWND button, Win32Host* host);

} // namespace kalvoran
