// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Der Kalvoran" as the page's HTML, written from the layout table when the page is
// built, so that the browser draws it as it reads the file and the script only makes it work.
#pragma once

#include <string>

namespace kalvoran {

// The page's #Form1 at its size and font, holding every control at its rectangle in tab order,
// the option button checked at start checked. Frames are <fieldset>s whose <legend> holds the
// caption; option buttons radio inputs in a <label> with their caption, grouped by their
// container's name; fields <input>s; labels a <div> whose line may be placed; command buttons
// <button>s. Each control's element carries its name as data-control, and its id: a radio input
// for an option button.
std::string windowMarkup();

} // namespace kalvoran
