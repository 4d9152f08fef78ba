// SPDX-License-Identifier: GPL-3.0-or-later
// How a host hands a typed character to a field's KeyPress handler. Standard C++ only: every
// host turns characters into KeyAscii by this one rule.
#pragma once

#include <functional>

namespace kalvoran {

// The control codes a key types, as KeyAscii and WM_CHAR carry them.
inline constexpr char16_t kCtrlA = 1;     // Ctrl+A: a field's "select all"
inline constexpr char16_t kCtrlC = 3;     // Ctrl+C: copy
inline constexpr char16_t kBackspace = 8; // Backspace: deletes before the caret
inline constexpr char16_t kEnter = 13;    // Enter (Return)
inline constexpr char16_t kCtrlV = 22;    // Ctrl+V: paste
inline constexpr char16_t kCtrlX = 24;    // Ctrl+X: cut
inline constexpr char16_t kCtrlZ = 26;    // Ctrl+Z: undo
inline constexpr char16_t kEscape = 27;   // Escape

// KeyAscii is the typed character's code; set to 0, the character is dropped.
using KeyPressHandler = std::function<void(short& KeyAscii)>;

// One UTF-16 unit of typed text through handler: the unit the field takes, 0 for none. KeyAscii
// is 16 bits, signed: a unit beyond 0x7FFF stands for no character a handler knows and reaches
// it as -1; left so, the unit is taken as it was.
inline char16_t pressKey(const KeyPressHandler& handler, char16_t unit) {
    const short asTyped = unit <= 0x7FFF ? static_cast<short>(unit) : short(-1);
    short KeyAscii = asTyped;
    handler(KeyAscii);
    return KeyAscii == asTyped ? unit : static_cast<char16_t>(KeyAscii);
}

} // namespace kalvoran
