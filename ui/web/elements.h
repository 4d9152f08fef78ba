// SPDX-License-Identifier: GPL-3.0-or-later
// The page's elements, made from the layout table's rows.
#pragma once

#include <cstddef>
#include <string>

#include "ui/layout.h"
#include "ui/window_model.h"

namespace kalvoran::elements {

struct Element {
    Kind kind = Kind::Label;
    std::size_t index = 0; // in controlTable(): what a click reports
    std::string parent, name, caption;
    Rect rect{}; // in CSS pixels, in the parent's outer box
    std::string font;
    int lineHeight = 0; // a text field's or unit label's line, CSS pixels; 0 for the font's own
    int textRow = 0;    // a unit label: the row of its line's top
    std::string toolTip, accessibleName;
    bool locked = false;  // a field that takes no edit
    bool checked = false; // an option button selected at start
};

// The window: the page's #Form1 at its size, in its font.
void makeWindow(Size size, const std::string& font);
// An element in its parent, which is made before it; a command or option button reports a
// click by kalvoran_click(index).
void make(const Element& element);
void focus(const std::string& id);

} // namespace kalvoran::elements
