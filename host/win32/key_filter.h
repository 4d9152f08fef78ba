// SPDX-License-Identifier: GPL-3.0-or-later
// Hands the characters typed into an EDIT to the window's input rule (host/field_input.h) before
// the field takes them: WM_CHAR's UTF-16 unit, WM_IME_CHAR's, Alt + keypad codes and another
// program's WM_UNICHAR are typed, a composition's result string is composed; what the rule
// refuses leaves no trace. Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z are the field's own commands:
// they reach the field without the rule, so pasted text is not judged as typed.
#pragma once

#include <windows.h>

namespace kalvoran {

class Win32Host;

// edit is one of host's fields; host must live as long as it.
void filterKeys(HWND edit, Win32Host* host);

} // namespace kalvoran
