// SPDX-License-Identifier: GPL-3.0-or-later
// The input fields take from the keyboard only digits, the comma and backspace. Each character
// is judged by itself; whether the field then holds a number is the calculation's matter.
#include <string_view>

#include "core/handlers.h"
#include "host/key_press.h"

namespace kalvoran {
namespace {

constexpr std::string_view kAllowed = "0123456789,";

void filterKey(short& KeyAscii) {
    const bool allowed = KeyAscii > 0 && KeyAscii <= 255 &&
                         kAllowed.find(static_cast<char>(KeyAscii)) != std::string_view::npos;
    if (!allowed && KeyAscii != kBackspace)
        KeyAscii = 0;
}

} // namespace

void Text1_KeyPress(short& KeyAscii) { filterKey(KeyAscii); }
void Text2_KeyPress(short& KeyAscii) { filterKey(KeyAscii); }
void Text3_KeyPress(short& KeyAscii) { filterKey(KeyAscii); }
void Text5_KeyPress(short& KeyAscii) { filterKey(KeyAscii); }

} // namespace kalvoran
