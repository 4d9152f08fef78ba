// SPDX-License-Identifier: GPL-3.0-or-later
// What a paste or a drop puts into a one-line field.
#pragma once

#include <string>
#include <string_view>

namespace kalvoran {

// The text with each line break (CR LF, CR, LF, NEL, LINE SEPARATOR, PARAGRAPH SEPARATOR) turned
// into one blank, so that nothing pasted is lost and two pasted numbers stand side by side.
// UTF-8 in and out.
std::string oneLine(std::string_view pasted);

} // namespace kalvoran
