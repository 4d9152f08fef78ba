// SPDX-License-Identifier: GPL-3.0-or-later
// The handlers' texts are UTF-8; the window's are UTF-16. Every conversion goes through here.
#pragma once

#include <string>
#include <string_view>

namespace kalvoran {

std::wstring toUtf16(std::string_view text);
std::string toUtf8(std::wstring_view text);

} // namespace kalvoran
