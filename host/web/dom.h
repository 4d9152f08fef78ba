// SPDX-License-Identifier: GPL-3.0-or-later
// The few DOM operations the web host needs, each an element known by its id.
#pragma once

#include <string>

#include "host/host.h"

namespace kalvoran::dom {

std::string value(const std::string& id);
void setValue(const std::string& id, const std::string& text);
void caretToStart(const std::string& id);
bool checked(const std::string& id);
void setChecked(const std::string& id, bool checked);

// Opens the page's modal box; kalvoran_box_closed() runs once it is dismissed.
void openBox(const std::string& prompt, const std::string& title, Icon icon);
// Closes the window where the browser lets a page do so, else removes the form and shows notice.
void close(const std::string& notice);

// Says the text through the page's polite live region, once.
void say(const std::string& text);

// Takes the field's <input> under the window's input rule: every insertion through
// kalvoran_input(), backspace through kalvoran_key(), undo and redo in the field's own history.
void guardField(const std::string& id, Field field);

} // namespace kalvoran::dom
