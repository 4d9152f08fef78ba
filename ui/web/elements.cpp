// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/web/elements.h"

#include <emscripten.h>

// clang-format off
EM_JS(void, kalvoran_make_window, (int width, int height, const char* font), {
    const form = document.getElementById("Form1");
    form.style.width = width + "px";
    form.style.height = height + "px";
    form.style.font = UTF8ToString(font);
});

// Frames are <fieldset>s whose <legend> holds the caption, option buttons radio inputs in a
// <label> with their caption, grouped by their container's name; fields <input>s; labels a <div>
// whose line may be placed; command buttons <button>s. Each stands at its rectangle; a click on
// a button runs its handler, and one the window refuses changes nothing.
EM_JS(void, kalvoran_make, (int kind, int index, const char* parent, const char* name,
                            const char* caption, int left, int top, int width, int height,
                            const char* font, int lineHeight, int textRow, const char* toolTip,
                            const char* accessibleName, int flags), {
    const made = (tag) => document.createElement(tag);
    const id = UTF8ToString(name);
    let box, clickable = null;
    if (kind === 0) {
        box = made("fieldset");
        box.append(made("legend"));
        box.firstChild.textContent = UTF8ToString(caption);
    } else if (kind === 1) {
        box = made("input");
        box.type = "text";
        box.setAttribute("inputmode", "decimal");
        box.autocomplete = "off";
        box.spellcheck = false;
        box.readOnly = (flags & 1) !== 0;
    } else if (kind === 2) {
        box = made("div");
        box.append(made("span"));
        box.firstChild.textContent = UTF8ToString(caption);
        if (lineHeight) {
            box.firstChild.className = "level";
            box.firstChild.style.top = textRow + "px";
        }
    } else if (kind === 3) {
        box = made("label");
        clickable = made("input");
        clickable.type = "radio";
        clickable.name = UTF8ToString(parent);
        clickable.checked = (flags & 2) !== 0;
        box.append(clickable, made("span"));
        box.lastChild.textContent = UTF8ToString(caption);
    } else {
        box = clickable = made("button");
        box.type = "button";
        box.textContent = UTF8ToString(caption);
    }
    box.className = ["frame", "field", "label", "option", "command"][kind];
    box.setAttribute("data-control", id);
    (clickable && kind === 3 ? clickable : box).id = id;
    const style = box.style;
    style.left = left + "px";
    style.top = top + "px";
    style.width = width + "px";
    style.height = height + "px";
    style.font = UTF8ToString(font);
    if (lineHeight)
        style.lineHeight = lineHeight + "px";
    if (toolTip)
        box.title = UTF8ToString(toolTip);
    if (accessibleName)
        box.setAttribute("aria-label", UTF8ToString(accessibleName));
    if (clickable)
        clickable.addEventListener("click", (e) => {
            if (!_kalvoran_click(index))
                e.preventDefault();
        });
    document.getElementById(UTF8ToString(parent)).append(box);
});

EM_JS(void, kalvoran_focus, (const char* id), {
    document.getElementById(UTF8ToString(id)).focus();
});
// clang-format on

namespace kalvoran::elements {
namespace {

const char* orNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

} // namespace

void makeWindow(Size size, const std::string& font) {
    kalvoran_make_window(size.width, size.height, font.c_str());
}

void make(const Element& e) {
    kalvoran_make(static_cast<int>(e.kind), static_cast<int>(e.index), e.parent.c_str(),
                  e.name.c_str(), e.caption.c_str(), e.rect.left, e.rect.top, e.rect.width,
                  e.rect.height, e.font.c_str(), e.lineHeight, e.textRow, orNull(e.toolTip),
                  orNull(e.accessibleName), (e.locked ? 1 : 0) | (e.checked ? 2 : 0));
}

void focus(const std::string& id) { kalvoran_focus(id.c_str()); }

} // namespace kalvoran::elements
