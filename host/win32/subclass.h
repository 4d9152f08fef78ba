// SPDX-License-Identifier: GPL-3.0-or-later
// Window procedures laid over a control's own, as comctl32's SetWindowSubclass lays them, but
// kept in this process's memory: under Wine, comctl32 keeps its chain in a window property, and
// every message to such a control then asks the Wine server for it once per procedure.
#pragma once

#include <windows.h>

namespace kalvoran {

// Runs before the procedures laid over control so far; data comes back on every call. Laid
// over again, the same procedure keeps its place and takes the new data. The chain is gone after
// WM_NCDESTROY, which every procedure still sees.
using SubclassProc = LRESULT (*)(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                 void* data);
void subclass(HWND control, SubclassProc proc, void* data);

// Passes the message on to the procedure below the one running, at last the control's own.
LRESULT callNext(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace kalvoran
