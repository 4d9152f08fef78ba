// SPDX-License-Identifier: GPL-3.0-or-later
// Fields and their unit labels ("Volt", "mA", "Ohm") read as one line: each field's text is
// centred on its height, as a QLineEdit's is, and each unit label draws its text at the row the
// window gives it, whatever the label's own height.
#pragma once

#include <windows.h>

namespace kalvoran {

// The field's text is centred vertically; the band above and below belongs to its border.
void centreText(HWND field);
// The height of a line of text in the control's font.
int lineHeight(HWND control);
// The label draws its text with its top at that row of its own (negative: above it); call again
// after the label changes size.
void drawTextAt(HWND label, int row);

} // namespace kalvoran
