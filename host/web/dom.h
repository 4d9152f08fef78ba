// SPDX-License-Identifier: GPL-3.0-or-later
// The few DOM operations the web host needs, each an element known by its id.
#pragma once

#include <string>

#include "host/host.h"

namespace kalvoran::dom {

std::string value(const std::string& id);
void setValue(const std::string& id, const std::string& text);
bool checked(const std::string& id);
void setChecked(const std::string& id, bool checked);

// Opens the page's modal box; kalvoran_box_closed() runs once it is dismissed.
void openBox(const std::string& prompt, const std::string& title, Icon icon);
// Closes the window where the browser lets a page do so, else removes the form and shows notice.
void close(const std::string& notice);

// Judges typing into the field's <input> by kalvoran_key(), as key_filter.cpp describes.
void filterTyping(const std::string& id, Field field);

} // namespace kalvoran::dom
