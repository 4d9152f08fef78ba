// SPDX-License-Identifier: GPL-3.0-or-later
// Window procedures laid over a control's own, as comctl32's SetWindowSubclass lays them, but
// kept in this process's memory: under Wine, comctl32 keeps its chain in a window property, and
// every message to such a control then asks the Wine server for it once per procedure.
#pragma once

#include <windows.h>

namespace kalvoran {

// Runs before the procedures laid over control so far; data comes back on every call. Laid
// over again, the same procedure keeps its place and takes the new data. The chain is gone after
// WM_NCDESTROY, which every procedure still sees when destroyWindow destroys the control.
using SubclassProc = LRESULT (*)(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                 void* data);
void subclass(HWND control, SubclassProc proc, void* data);

// The chain alone, without a procedure of its own: the control is guarded as every other.
void guard(HWND control);

// Destroys window and every window in it. Only so do WM_DESTROY and WM_NCDESTROY reach the
// procedures of a guarded control or of a window that asks destroying(): another program may
// send or post them at any time, and whichever loop delivers them, they change nothing.
BOOL destroyWindow(HWND window);
// Whether the message in hand is part of destroyWindow's work in this thread.
bool destroying();

// Passes the message on to the procedure below the one running, at last the control's own.
LRESULT callNext(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace kalvoran
