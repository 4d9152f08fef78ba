// SPDX-License-Identifier: GPL-3.0-or-later
// A frame of the layout: a container window of its own that shows a group box over its whole
// area, its controls inside. Tab and the arrow keys pass into it (WS_EX_CONTROLPARENT); it hands
// its children's notifications on to its parent, so the window sees every control's events.
#pragma once

#include <windows.h>

namespace kalvoran {

// At rect (in parent's client coordinates), its caption drawn with font.
HWND createFrame(HWND parent, const wchar_t* caption, int id, const RECT& rect, HFONT font);
// The group box that draws the frame.
HWND frameBox(HWND frame);

} // namespace kalvoran
