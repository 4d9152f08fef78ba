// SPDX-License-Identifier: GPL-3.0-or-later
// The window classes of the program's own windows (the main window, the frames): arrow cursor,
// the dialog colour behind, one window procedure.
#pragma once

#include <windows.h>

namespace kalvoran {

// The main window's style: fixed single border, system menu, minimize and close, no maximize.
inline constexpr DWORD kMainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

ATOM registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc);

} // namespace kalvoran
