// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_model.h"

#include <algorithm>
#include <vector>

#include "core/dispatch.h"
#include "ui/binding.h"

namespace kalvoran {

Rect pixelRect(const ControlSpec& control, int dpi) {
    return {pixels(control.left, dpi), pixels(control.top, dpi), pixels(control.width, dpi),
            pixels(control.height, dpi)};
}

Size clientSize(int dpi) {
    return {pixels(kClientWidthTwips, dpi), pixels(kClientHeightTwips, dpi)};
}

const ControlSpec* specNamed(std::string_view name) {
    for (const ControlSpec& control : controlTable())
        if (control.name == name)
            return &control;
    return nullptr;
}

std::span<const std::size_t> creationOrder() {
    static const std::vector<std::size_t> order = [] {
        // Each row goes after every row of a lower or equal tab index: a stable insertion sort,
        // which the browser's build holds in a fraction of the code of std::stable_sort.
        const std::span<const ControlSpec> table = controlTable();
        std::vector<std::size_t> all;
        all.reserve(table.size());
        for (std::size_t i = 0; i < table.size(); ++i) {
            auto at = all.begin();
            while (at != all.end() && table[*at].tabIndex <= table[i].tabIndex)
                ++at;
            all.insert(at, i);
        }
        return all;
    }();
    return order;
}

Field startFocus() {
    for (std::size_t i : creationOrder())
        if (const auto field = fieldNamed(controlTable()[i].name))
            return *field;
    return Field::Text1;
}

Rect centredOn(const Rect& area, Size outer) {
    return {std::max(area.left, area.left + (area.width - outer.width) / 2),
            std::max(area.top, area.top + (area.height - outer.height) / 2), outer.width,
            outer.height};
}

Rect keptOn(const Rect& area, const Rect& window) {
    Rect kept = window;
    kept.left = std::max(area.left, std::min(window.left, area.right() - window.width));
    kept.top = std::max(area.top, std::min(window.top, area.bottom() - window.height));
    return kept;
}

Band levelBand(const Rect& field, const Rect& label) {
    const int twiceMiddle = 2 * (field.top - label.top) + field.height; // in the label's rows
    const int spare = label.height - twiceMiddle;
    return {std::max(-spare, 0), std::max(spare, 0)};
}

int unitRow(const ControlSpec& label, int lineHeight, int dpi) {
    const Rect own = pixelRect(label, dpi);
    const Band band = levelBand(pixelRect(*specNamed(info(*label.unitOf).name), dpi), own);
    return centredRow(band, own.height, lineHeight);
}

Click clickOf(std::string_view control) { return {commandHandler(control), optionNamed(control)}; }

void click(Host& host, const Click& clicked) {
    if (!host.acceptsEvents())
        return;
    if (clicked.command)
        dispatch(host, [&] { clicked.command(host); });
    else if (clicked.option)
        dispatch(host, [&] { host.setValue(*clicked.option, true); });
}

void keyPress(Host& host, void (*handler)(short& KeyAscii), short& KeyAscii) {
    if (!host.acceptsEvents())
        KeyAscii = 0;
    else
        dispatch(host, [&] { handler(KeyAscii); });
}

void bindHandlers(Host& host) {
    bindOptionHandlers(host);
    Host::InputBinding input;
    for (const KeyPressBinding& binding : kKeyPressBindings)
        input.keyPress[static_cast<std::size_t>(binding.field)] =
            [&host, handler = binding.handler](short& KeyAscii) {
                keyPress(host, handler, KeyAscii);
            };
    input.tooLong = [&host](std::size_t capacity) { show(host, pasteTooLong(capacity)); };
    host.bindInput(std::move(input));
}

} // namespace kalvoran
