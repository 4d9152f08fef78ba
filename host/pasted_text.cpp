// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/pasted_text.h"

#include <array>

namespace kalvoran {
namespace {

// The breaks beyond CR and LF, in UTF-8.
constexpr std::array<std::string_view, 3> kWideBreaks = {"\xC2\x85", "\xE2\x80\xA8",
                                                         "\xE2\x80\xA9"};

} // namespace

std::string oneLine(std::string_view pasted) {
    std::string out;
    out.reserve(pasted.size());
    for (std::size_t i = 0; i < pasted.size(); ++i) {
        const char c = pasted[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < pasted.size() && pasted[i + 1] == '\n')
                ++i;
            out += ' ';
            continue;
        }
        bool wide = false;
        for (std::string_view lineBreak : kWideBreaks)
            if (pasted.substr(i, lineBreak.size()) == lineBreak) {
                out += ' ';
                i += lineBreak.size() - 1;
                wide = true;
                break;
            }
        if (!wide)
            out += c;
    }
    return out;
}

} // namespace kalvoran
