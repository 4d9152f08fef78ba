// SPDX-License-Identifier: GPL-3.0-or-later
// The page's elements at run time: the window itself stands in the page as written from the
// table (markup.h), so the script only listens to its buttons and moves the focus.
#pragma once

#include <cstddef>
#include <string>

namespace kalvoran::elements {

// A click on the element with that id, a command or option button, reports
// kalvoran_click(index); one the window refuses changes nothing.
void listen(const std::string& id, std::size_t index);
void focus(const std::string& id);
// Tab and Shift+Tab go round the window rather than out of the page.
void tabRound();
// The window takes input from now on; the page refuses all until its program has started.
void takeInput();

} // namespace kalvoran::elements
