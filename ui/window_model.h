// SPDX-License-Identifier: GPL-3.0-or-later
// What every window makes of the layout table, whatever its toolkit: the controls in the order
// they are created and reached by Tab, their rectangles at a scale, the start state, the window's
// place on a work area, the unit labels' band, and the one way an event reaches its handler. A
// window does only its toolkit's work around these: make a control, measure a text, hand on an
// event.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "core/handlers.h"
#include "core/messages.h"
#include "host/host.h"
#include "ui/binding.h"
#include "ui/layout.h"

namespace kalvoran {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96; // 100 %: kTwipsPerInch / kStandardDpi twips a pixel
static_assert(kTwipsPerInch / kStandardDpi == kTwipsPerPixel);

struct Size {
    int width, height;
};
struct Rect {
    int left, top, width, height;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

// Twips to pixels at dpi, rounded to the nearest (as MulDiv rounds).
constexpr int pixels(int twips, int dpi = kStandardDpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + (scaled < 0 ? -kTwipsPerInch : kTwipsPerInch) / 2) /
                            kTwipsPerInch);
}
// A control's outer rectangle in its container at dpi.
Rect pixelRect(const ControlSpec& control, int dpi = kStandardDpi);
// The window's client area at dpi.
Size clientSize(int dpi = kStandardDpi);

// The table's row of the control with that name; nullptr for none.
const ControlSpec* specNamed(std::string_view name);

// Indices into controlTable() in tab order: so each container's controls are created, and
// reached by Tab, in that order, and every container comes before what it holds.
std::span<const std::size_t> creationOrder();

// The field that has the focus when the window starts: the first control in tab order. The
// option button checked at start is kInitiallySelected.
Field startFocus();

// Where a window of outer size goes on a work area: centred; on an area too small for it, its
// top-left corner, and so its title bar, stays on the area.
Rect centredOn(const Rect& area, Size outer);
// The window moved as little as it takes to lie whole on the area, its top-left corner kept on
// it first.
Rect keptOn(const Rect& area, const Rect& window);

// The band of a unit label, in its own rows, whose middle is the middle of its field: a text
// centred in the band stands level with the field's text. field and label in one container.
struct Band {
    int top, bottom; // rows left out above and below
};
Band levelBand(const Rect& field, const Rect& label);
// The row of a text of lineHeight centred in a label of height with that band; an odd row left
// over goes below.
constexpr int centredRow(const Band& band, int height, int lineHeight) {
    const int spare = height - band.top - band.bottom - lineHeight;
    return band.top + (spare >= 0 ? spare / 2 : -((1 - spare) / 2));
}
// The row at which a unit label's text of lineHeight, at dpi, stands level with its field's.
int unitRow(const ControlSpec& label, int lineHeight, int dpi = kStandardDpi);

// What a click on a control runs: a command button's handler or its option button selected;
// neither for any other control.
struct Click {
    ClickHandler command = nullptr;
    std::optional<Option> option;
    explicit operator bool() const { return command || option; }
};
Click clickOf(std::string_view control);

// Every event reaches its handler through these, and none while the host refuses events (a
// message box open, the window unloaded): a click runs nothing, a key is dropped.
void click(Host& host, const Click& clicked);
void keyPress(Host& host, void (*handler)(short& KeyAscii), short& KeyAscii);

// Binds what every window's host runs by itself: the option buttons' Click handlers, which run
// when a button is selected, and for the input rule each field's KeyPress handler through
// keyPress() and the message of a paste too long for the host's fields.
void bindHandlers(Host& host);

} // namespace kalvoran
