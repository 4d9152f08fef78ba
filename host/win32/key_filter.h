// SPDX-License-Identifier: GPL-3.0-or-later
// Delivers the characters typed into an EDIT to a KeyPress handler before the field takes them.
// WM_CHAR carries KeyAscii, the UTF-16 unit; set to 0, the character is dropped and leaves no
// trace. Characters from an input method (WM_IME_CHAR, a composition's result) and Alt + keypad
// codes are judged like typed ones. Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z are the field's own
// commands: they reach the field without the handler, so pasted text is not judged.
#pragma once

#include <windows.h>

#include "host/key_press.h"

namespace kalvoran {

// handler must live as long as the field.
void filterKeys(HWND edit, const KeyPressHandler* handler);

} // namespace kalvoran
