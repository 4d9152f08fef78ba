// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 class and styles of each kind of control in the layout table: one mapping for the
// window and for the benchmark's stand-in, so that both create the same controls.
#pragma once

#include <windows.h>

#include "ui/layout.h"

namespace kalvoran {

struct ControlClass {
    const wchar_t* name;
    DWORD style; // besides WS_CHILD | WS_VISIBLE
    DWORD exStyle;
};

// The class of control's kind; empty for a frame, which createFrame (frame.h) makes.
ControlClass controlClass(const ControlSpec& control);

} // namespace kalvoran
