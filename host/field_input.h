// SPDX-License-Identifier: GPL-3.0-or-later
// What goes into a field, whichever way it comes: the one rule of every host. A host turns its
// toolkit's events into insert() or keyTaken() and applies the answer; it judges nothing itself.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "host/host.h"

namespace kalvoran {

// How a text comes into a field.
enum class Insertion {
    Typed,      // keys, Alt + keypad codes, a phone keyboard's insertion, another program's WM_CHAR
    Composed,   // an input method's committed text
    Pasted,     // the clipboard, whichever key, menu or message asks for it
    Dropped,    // dragged and dropped
    Accessible, // an accessibility client's or another program's edit
    Undo,       // the text a field's own undo or redo would restore
};

// What replaces the field's selection (after Undo, its whole text), the caret after it; nothing
// when the field stays as it was. length and selected count the field's UTF-16 units.
// - Nothing goes in while the host refuses events, nor into the locked field.
// - Typed and composed text goes in as far as the field's KeyPress handler takes it, unit by
//   unit, each unit as the handler leaves it; a text of which it takes nothing leaves no trace.
// - Pasted, dropped and accessible text goes in whole, unjudged, each line break one blank; when
//   the field would then hold more than the host's fieldCapacity(), nothing goes in and the user
//   is told why.
// - Undo and redo bring back a text that the field held by the user's own typing and pasting.
std::optional<std::u16string> insert(Host& host, Field field, std::u16string_view text,
                                     Insertion kind, std::size_t length = 0,
                                     std::size_t selected = 0);

// Whether a key that edits or acts without inserting (backspace, Enter, Escape: 8, 13, 27) does
// its work in the field: its KeyPress handler keeps it.
bool keyTaken(Host& host, Field field, char16_t code);

// The text with each line break (CR LF, CR, LF, NEL, LINE SEPARATOR, PARAGRAPH SEPARATOR) turned
// into one blank, so that nothing pasted is lost and two pasted numbers stand side by side.
std::u16string oneLine(std::u16string_view pasted);

} // namespace kalvoran
