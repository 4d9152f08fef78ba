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

// The caret goes to the start, so that a text wider than its field shows its leading digits. The
// field's undo history starts anew with the text the program wrote.
EM_JS(void, kalvoran_set_value, (const char* id, const char* text), {
    const field = document.getElementById(UTF8ToString(id));
    field.value = UTF8ToString(text);
    field.setSelectionRange(0, 0);
    field.scrollLeft = 0;
    if (field.kalvoranRestart)
        field.kalvoranRestart();
});

EM_JS(int, kalvoran_checked, (const char* id), {
    return document.getElementById(UTF8ToString(id)).checked;
});

EM_JS(void, kalvoran_set_checked, (const char* id, int checked), {
    document.getElementById(UTF8ToString(id)).checked = !!checked;
});

// The page's one box (written in the page): a title bar, the icon, the text and OK, which has the
// focus and keeps it. Enter, Space and Escape dismiss it; from that moment the window takes input
// again, and the focus goes back where it was. The box is shown beside the window rather than as
// a modal dialog, which would take the window out of a screen reader's view before the focus
// reaches OK, so that the reader finds the box new and says its title and text; the window goes
// inert a moment later, once the reader has taken the box in. Until then a click behind the box
// takes neither the focus nor anything else.
EM_JS(void, kalvoran_open_box, (const char* prompt, const char* title, int icon), {
    const box = document.getElementById("box");
    const ok = box.querySelector(".ok");
    const form = () => document.getElementById("Form1") || {};
    if (!box.kalvoranBack) {
        box.kalvoranBack = {to: null};
        const done = () => {
            const back = box.kalvoranBack.to;
            if (!back)
                return;
            box.kalvoranBack.to = null;
            form().inert = false;
            _kalvoran_box_closed();
            if (back.isConnected)
                back.focus();
        };
        const dismiss = () => {
            if (box.open)
                box.close();
            done();
        };
        ok.addEventListener("click", dismiss);
        document.addEventListener("mousedown", (e) => {
            if (box.open && e.target !== ok)
                e.preventDefault();
        }, true);
        document.addEventListener("focusin", (e) => {
            if (box.open && e.target !== ok)
                ok.focus();
        }, true);
        box.addEventListener("keydown", (e) => {
            if (e.key === "Enter" || e.key === " " || e.key === "Escape") {
                e.preventDefault(); // nor does the key reach the control the focus goes back to
                dismiss();
            } else if (e.key === "Tab") {
                e.preventDefault();
                ok.focus();
            }
        });
        box.addEventListener("close", done);
    }
    if (box.open)
        return;
    box.querySelector(".bar").textContent = UTF8ToString(title);
    box.querySelector(".text").textContent = UTF8ToString(prompt);
    const glyph = {16: ["stop", "\u2715"], 32: ["question", "?"], 64: ["information", "i"]}[icon];
    const mark = box.querySelector(".icon");
    mark.className = "icon " + glyph[0];
    mark.textContent = glyph[1];
    box.kalvoranBack.to = document.activeElement || document.body;
    box.show();
    ok.focus();
    setTimeout(() => {
        if (box.open)
            form().inert = true;
    }, 500);
});

EM_JS(void, kalvoran_close, (const char* notice), {
    window.close();
    for (const id of ["Form1", "box", "spoken"]) {
        const gone = document.getElementById(id);
        if (gone)
            gone.remove();
    }
    const line = document.createElement("p");
    line.id = "ended";
    line.textContent = UTF8ToString(notice);
    document.body.append(line);
});

// The polite live region says the text, also when it is the same as last time: a screen reader
// drops a text the same as the last it was given, so every other time it ends in a no-break space.
EM_JS(void, kalvoran_say, (const char* text), {
    const spoken = document.getElementById("spoken");
    spoken.kalvoranOdd = !spoken.kalvoranOdd;
    spoken.textContent = UTF8ToString(text) + (spoken.kalvoranOdd ? "" : "\u00a0");
});

// The field's input as the window's rules take it:
// - typing (a key, an inserted text, an input method's committed text, a phone keyboard's
//   replacement) goes in as far as the KeyPress handler takes it, unit by unit; backspace is
//   judged as the code 8. A refused unit leaves no trace: text, caret and selection stay.
// - a paste or a drop goes in whole, unjudged, each line break a blank (kalvoran_one_line), or,
//   when the field would hold more than it can hold fast, not at all, and the user is told.
// - undo and redo go between the texts the user's typing and pasting gave the field, in the
//   field's own history, which starts anew whenever the program writes the field.
// - nothing goes in while the window refuses events.
EM_JS(void, kalvoran_guard_field, (const char* id, int field, int capacity), {
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

    let history = [];
    let at = 0;
    const now = () => [input.value, input.selectionStart, input.selectionEnd];
    input.kalvoranRestart = () => {
        history = [now()];
        at = 0;
    };
    input.kalvoranRestart();
    const record = () => {
        const state = now();
        if (state[0] === history[at][0])
            return;
        history.length = at + 1;
        history.push(state);
        if (history.length > 100)
            history.shift();
        at = history.length - 1;
    };
    const go = (step) => {
        if (at + step < 0 || at + step >= history.length)
            return;
        at += step;
        input.value = history[at][0];
        input.setSelectionRange(history[at][1], history[at][2]);
    };
    const put = (text, start, end) => {
        input.setRangeText(text, start, end, "end");
        record();
    };
    // The text as kalvoran_one_line() puts it into the field; null where the page cannot hold it.
    const oneLine = (text) => {
        const bytes = lengthBytesUTF8(text) + 1;
        const address = _malloc(bytes);
        if (!address)
            return null;
        stringToUTF8(text, address, bytes);
        const line = UTF8ToString(_kalvoran_one_line(address));
        _free(address);
        return line;
    };
    const fits = (text, start, end) => input.value.length - (end - start) + text.length <= capacity;
    const insertWhole = (text, start, end) => {
        const line = fits(text, start, end) ? oneLine(text) : null;
        if (line === null)
            _kalvoran_too_long();
        else
            put(line, start, end);
    };
    input.addEventListener("input", (e) => {
        if (!e.isComposing)
            record();
    });
    let before = null; // the field as an input method found it
    input.addEventListener("compositionstart", () => {
        before = now();
    });
    input.addEventListener("compositionend", (e) => {
        const typed = e.data || "";
        const kept = judge(typed);
        if (before && kept !== typed) {
            input.value = before[0];
            input.setSelectionRange(before[1], before[2]);
            if (kept)
                input.setRangeText(kept, before[1], before[2], "end");
        }
        before = null;
        record();
    });
    input.addEventListener("keydown", (e) => {
        if (!(e.ctrlKey || e.metaKey) || e.altKey)
            return;
        const key = e.key.toLowerCase();
        if (key === "z" || key === "y") {
            e.preventDefault();
            if (_kalvoran_accepts() && !input.readOnly)
                go(key === "z" && !e.shiftKey ? -1 : 1);
        }
    });
    input.addEventListener("beforeinput", (e) => {
        const kind = e.inputType;
        if (!_kalvoran_accepts()) {
            e.preventDefault();
        } else if (kind === "historyUndo" || kind === "historyRedo") {
            e.preventDefault();
            go(kind === "historyUndo" ? -1 : 1);
        } else if (kind === "insertText" || kind === "insertReplacementText") {
            const typed = e.data !== null ? e.data
                        : e.dataTransfer ? e.dataTransfer.getData("text/plain") : "";
            const kept = judge(typed);
            if (kept !== typed) {
                e.preventDefault();
                if (kept)
                    put(kept, input.selectionStart, input.selectionEnd);
            }
        } else if (kind === "deleteContentBackward") {
            if (!_kalvoran_key(field, 8))
                e.preventDefault();
        } else if (kind.startsWith("insertFromPaste") || kind === "insertFromYank") {
            // A paste that came without its paste event.
            e.preventDefault();
            if (e.dataTransfer)
                insertWhole(e.dataTransfer.getData("text/plain"), input.selectionStart,
                            input.selectionEnd);
        }
    });
    // A drop goes in where the browser drops it, unless it has line breaks or is too long: then
    // it goes in whole at the caret (its line breaks would be gone by its beforeinput).
    input.addEventListener("drop", (e) => {
        const dropped = e.dataTransfer ? e.dataTransfer.getData("text/plain") : "";
        const start = input.selectionStart, end = input.selectionEnd;
        if (!_kalvoran_accepts() || input.readOnly) {
            e.preventDefault();
        } else if (!fits(dropped, start, end) || oneLine(dropped) !== dropped) {
            e.preventDefault();
            insertWhole(dropped, start, end);
        }
    });
    // A paste's line breaks are gone by the time of its beforeinput, so its text is taken here,
    // from the clipboard's own.
    input.addEventListener("paste", (e) => {
        e.preventDefault();
        if (_kalvoran_accepts() && !input.readOnly && e.clipboardData)
            insertWhole(e.clipboardData.getData("text/plain"), input.selectionStart,
                        input.selectionEnd);
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

void say(const std::string& text) { kalvoran_say(text.c_str()); }

void guardField(const std::string& id, Field field, std::size_t capacity) {
    kalvoran_guard_field(id.c_str(), static_cast<int>(field), static_cast<int>(capacity));
}

} // namespace kalvoran::dom
