// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/field_input.h"

#include <algorithm>

#include "host/key_press.h"

namespace kalvoran {
namespace {

// The unit that the field's KeyPress handler leaves of one typed unit; 0 for none.
char16_t judged(Host& host, Field field, char16_t unit) {
    const auto& handler = host.input().keyPress[static_cast<std::size_t>(field)];
    return handler ? pressKey(handler, unit) : 0;
}

} // namespace

std::optional<std::u16string> insert(Host& host, Field field, std::u16string_view text,
                                     Insertion kind, std::size_t length, std::size_t selected) {
    if (!host.acceptsEvents() || info(field).locked)
        return std::nullopt;
    switch (kind) {
    case Insertion::Typed:
    case Insertion::Composed: {
        std::u16string kept;
        for (const char16_t unit : text)
            if (const char16_t taken = judged(host, field, unit))
                kept += taken;
        if (kept.empty())
            return std::nullopt;
        return kept;
    }
    case Insertion::Undo:
        return std::u16string(text);
    case Insertion::Pasted:
    case Insertion::Dropped:
    case Insertion::Accessible:
        break;
    }
    std::u16string line = oneLine(text);
    if (length - std::min(selected, length) + line.size() > host.fieldCapacity()) {
        if (host.input().tooLong)
            host.input().tooLong(host.fieldCapacity());
        return std::nullopt;
    }
    return line;
}

bool keyTaken(Host& host, Field field, char16_t code) {
    return !info(field).locked && judged(host, field, code) != 0;
}

std::u16string oneLine(std::u16string_view pasted) {
    std::u16string line;
    line.reserve(pasted.size());
    for (std::size_t i = 0; i < pasted.size(); ++i) {
        switch (pasted[i]) {
        case u'\r':
            if (i + 1 < pasted.size() && pasted[i + 1] == u'\n')
                ++i;
            [[fallthrough]];
        case u'\n':
        case u'\u0085':
        case u'\u2028':
        case u'\u2029':
            line += u' ';
            break;
        default:
            line += pasted[i];
        }
    }
    return line;
}

} // namespace kalvoran
