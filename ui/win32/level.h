// SPDX-License-Identifier: GPL-3.0-or-later
// Fields and their unit labels ("Volt", "mA", "Ohm") read as one line: each field's text is
// centred on its height, as a QLineEdit's is, and each unit label draws its text on the same
// rows as its field's text, whatever the label's own height.
#pragma once

#include <windows.h>

namespace kalvoran {

// The field's text is centred vertically; the band above and below belongs to its border.
void centreText(HWND field);
// The label's text stands on the rows of field's text; call again after the field changes size
// or font.
void levelWithField(HWND label, HWND field);

} // namespace kalvoran
