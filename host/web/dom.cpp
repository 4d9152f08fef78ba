// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/web/dom.h"

#include <emscripten.h>

// clang-format off
EM_JS(int, kalvoran_value_size, (const char* id), {
    return lengthBytesUTF8(document.getElementById(UTF8ToString(id)).value) + 1;
});

EM_JS(void, kalvoran_copy_value, (const char* id, char* out, int size), {
    stringToUTF8(document.getElementById(UTF8ToString(id)).value, out, size);
});

// The caret goes to the start, so that a text wider than its field shows its leading digits.
EM_JS(void, kalvoran_set_value, (const char* id, const char* text), {
    const field = document.getElementById(UTF8ToString(id));
    field.value = UTF8ToString(text);
    field.setSelectionRange(0, 0);
    field.scrollLeft = 0;
});

EM_JS(int, kalvoran_checked, (const char* id), {
    return document.getElementById(UTF8ToString(id)).checked;
});

EM_JS(void, kalvoran_set_checked, (const char* id, int checked), {
    document.getElementById(UTF8ToString(id)).checked = !!checked;
});

// One <dialog> for every box: a title bar, the icon, the text and OK, which has the focus. Enter,
// Space and Escape dismiss it; the focus goes back where it was.
EM_JS(void, kalvoran_open_box, (const char* prompt, const char* title, int icon), {
    let box = document.getElementById("box");
    if (!box) {
        const part = (tag, cls, parent) => {
            const made = document.createElement(tag);
            made.className = cls;
            parent.append(made);
            return made;
        };
        box = document.createElement("dialog");
        box.id = "box";
        box.setAttribute("aria-labelledby", "boxtitle");
        box.setAttribute("aria-describedby", "boxtext");
        part("div", "bar", box).id = "boxtitle";
        const body = part("div", "body", box);
        part("span", "icon", body).setAttribute("aria-hidden", "true");
        part("p", "text", body).id = "boxtext";
        const ok = part("button", "ok", part("div", "row", box));
        ok.type = "button";
        ok.textContent = "OK";
        ok.addEventListener("click", () => box.close());
        // A click anywhere else, behind the box too, leaves the focus on OK.
        box.addEventListener("mousedown", (e) => {
            if (e.target !== ok)
                e.preventDefault();
        });
        box.addEventListener("keydown", (e) => {
            if (e.key === "Enter" || e.key === " " || e.key === "Escape") {
                e.preventDefault(); // nor does the key reach the control the focus goes back to
                box.close();
            }
        });
        box.addEventListener("cancel", (e) => { e.preventDefault(); box.close(); });
        box.addEventListener("close", () => {
            const back = box.back;
            box.back = null;
            _kalvoran_box_closed();
            if (back && back.isConnected)
                back.focus();
        });
        document.body.append(box);
    }
    if (box.open)
        return;
    box.querySelector(".bar").textContent = UTF8ToString(title);
    box.querySelector(".text").textContent = UTF8ToString(prompt);
    const glyph = {16: ["stop", "\u2715"], 32: ["question", "?"], 64: ["information", "i"]}[icon];
    const mark = box.querySelector(".icon");
    mark.className = "icon " + glyph[0];
    mark.textContent = glyph[1];
    box.back = document.activeElement;
    box.showModal();
    box.querySelector(".ok").focus();
});

EM_JS(void, kalvoran_close, (const char* notice), {
    window.close();
    for (const id of ["Form1", "box"]) {
        const gone = document.getElementById(id);
        if (gone)
            gone.remove();
    }
    const line = document.createElement("p");
    line.id = "ended";
    line.textContent = UTF8ToString(notice);
    document.body.append(line);
});

// A typed insertion (a key, an input method's committed text, a phone keyboard's replacement)
// goes in as far as the KeyPress handler takes it, unit by unit; backspace is judged as the
// code 8. A paste goes in unjudged, its first line only as on the desktop; a drop as the browser
// puts it. Nothing goes in while the host refuses events.
EM_JS(void, kalvoran_filter_typing, (const char* id, int field), {
    const input = document.getElementById(UTF8ToString(id));
    const judge = (typed) => {
        let kept = "";
        for (let i = 0; i < typed.length; ++i) {
            const unit = _kalvoran_key(field, typed.charCodeAt(i));
            if (unit)
                kept += String.fromCharCode(unit);
        }
        return kept;
    };
    const put = (text, start, end) => {
        input.setRangeText(text, start, end, "end");
        input.dispatchEvent(new Event("input", {bubbles: true}));
    };
    let before = null; // the field as an input method found it
    input.addEventListener("compositionstart", () => {
        before = [input.value, input.selectionStart, input.selectionEnd];
    });
    input.addEventListener("compositionend", (e) => {
        const typed = e.data || "";
        const kept = judge(typed);
        if (before && kept !== typed) {
            input.value = before[0];
            put(kept, before[1], before[2]);
        }
        before = null;
    });
    input.addEventListener("beforeinput", (e) => {
        if (!_kalvoran_accepts()) {
            e.preventDefault();
            return;
        }
        const kind = e.inputType;
        if (kind === "insertText" || kind === "insertReplacementText") {
            const typed = e.data !== null ? e.data
                        : e.dataTransfer ? e.dataTransfer.getData("text/plain") : "";
            const kept = judge(typed);
            if (kept !== typed) {
                e.preventDefault();
                put(kept, input.selectionStart, input.selectionEnd);
            }
        } else if (kind === "deleteContentBackward") {
            if (!_kalvoran_key(field, 8))
                e.preventDefault();
        }
    });
    // A paste's line breaks are gone by the time of its beforeinput, so its text is taken here,
    // from the clipboard's own.
    input.addEventListener("paste", (e) => {
        const pasted = e.clipboardData ? e.clipboardData.getData("text/plain") : "";
        let end = 0; // the first line break, CR or LF; the script holds no escapes
        while (end < pasted.length && pasted.charCodeAt(end) !== 10 &&
               pasted.charCodeAt(end) !== 13)
            ++end;
        if (end < pasted.length) {
            e.preventDefault();
            if (_kalvoran_accepts() && !input.readOnly)
                put(pasted.slice(0, end), input.selectionStart, input.selectionEnd);
        }
    });
});
// clang-format on

namespace kalvoran::dom {

std::string value(const std::string& id) {
    std::string text(static_cast<std::size_t>(kalvoran_value_size(id.c_str())), '\0');
    kalvoran_copy_value(id.c_str(), text.data(), static_cast<int>(text.size()));
    text.resize(text.size() - 1);
    return text;
}

void setValue(const std::string& id, const std::string& text) {
    kalvoran_set_value(id.c_str(), text.c_str());
}

bool checked(const std::string& id) { return kalvoran_checked(id.c_str()) != 0; }

void setChecked(const std::string& id, bool checked) { kalvoran_set_checked(id.c_str(), checked); }

void openBox(const std::string& prompt, const std::string& title, Icon icon) {
    kalvoran_open_box(prompt.c_str(), title.c_str(), static_cast<int>(icon));
}

void close(const std::string& notice) { kalvoran_close(notice.c_str()); }

void filterTyping(const std::string& id, Field field) {
    kalvoran_filter_typing(id.c_str(), static_cast<int>(field));
}

} // namespace kalvoran::dom
