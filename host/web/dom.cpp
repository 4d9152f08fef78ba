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

// The field's undo history starts anew with the text the program wrote.
EM_JS(void, kalvoran_set_value, (const char* id, const char* text), {
    const field = document.getElementById(UTF8ToString(id));
    field.value = UTF8ToString(text);
    if (field.kalvoranRestart)
        field.kalvoranRestart();
});

EM_JS(void, kalvoran_caret_to_start, (const char* id), {
    const field = document.getElementById(UTF8ToString(id));
    field.setSelectionRange(0, 0);
    field.scrollLeft = 0;
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

// The field's input as the window's input rule (host/field_input.h, kalvoran_input) takes it:
// typing (a key, an inserted text, a phone keyboard's replacement) and an input method's
// committed text; a paste or a drop, whole; undo and redo between the texts the user's typing and
// pasting gave the field, in the field's own history, which starts anew whenever the program
// writes the field. Backspace goes by kalvoran_key(); nothing else changes the field while the
// window refuses events.
EM_JS(void, kalvoran_guard_field, (const char* id, int field), {
    const input = document.getElementById(UTF8ToString(id));
    // What the rule lets in, in place of start..end, of text that comes in as kind (the order of
    // the rule's Insertion: 0 typed, 1 composed, 2 pasted, 3 dropped, 5 undo); null for nothing.
    const ask = (text, kind, start = input.selectionStart, end = input.selectionEnd) => {
        const address = _malloc(2 * text.length + 2);
        for (let i = 0; address && i < text.length; ++i)
            HEAPU16[(address >> 1) + i] = text.charCodeAt(i);
        const count = _kalvoran_input(field, kind, address, text.length, input.value.length,
                                      end - start);
        _free(address);
        const at = _kalvoran_answer() >> 1;
        return count < 0 ? null : new TextDecoder("utf-16le").decode(HEAPU16.slice(at, at + count));
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
        if (at + step < 0 || at + step >= history.length || ask(history[at + step][0], 5) === null)
            return;
        at += step;
        input.value = history[at][0];
        input.setSelectionRange(history[at][1], history[at][2]);
    };
    const put = (text, start, end) => {
        if (text) {
            input.setRangeText(text, start, end, "end");
            record();
        }
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
        if (before && typed) {
            const kept = ask(typed, 1, before[1], before[2]);
            if (kept !== typed) {
                input.value = before[0];
                input.setSelectionRange(before[1], before[2]);
                put(kept, before[1], before[2]);
            }
        }
        before = null;
        record();
    });
    input.addEventListener("keydown", (e) => {
        const key = e.key.toLowerCase();
        if ((e.ctrlKey || e.metaKey) && !e.altKey && (key === "z" || key === "y")) {
            e.preventDefault();
            go(key === "z" && !e.shiftKey ? -1 : 1);
        }
    });
    const whole = (text, start, end) => put(ask(text, 2, start, end), start, end);
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
            const kept = typed ? ask(typed, 0) : typed;
            if (kept !== typed) {
                e.preventDefault();
                put(kept, input.selectionStart, input.selectionEnd);
            }
        } else if (kind === "deleteContentBackward") {
            if (!_kalvoran_key(field, 8))
                e.preventDefault();
        } else if (kind.startsWith("insertFromPaste") || kind === "insertFromYank") {
            // A paste that came without its paste event.
            e.preventDefault();
            if (e.dataTransfer)
                whole(e.dataTransfer.getData("text/plain"), input.selectionStart,
                      input.selectionEnd);
        }
    });
    // A drop goes in where the browser drops it, as the rule takes it; one that the rule changes
    // (its line breaks would be gone by its beforeinput) goes in at the caret.
    input.addEventListener("drop", (e) => {
        const dropped = e.dataTransfer ? e.dataTransfer.getData("text/plain") : "";
        const start = input.selectionStart, end = input.selectionEnd;
        const line = ask(dropped, 3, start, end);
        if (line !== dropped) {
            e.preventDefault();
            put(line, start, end);
        }
    });
    // A paste's line breaks are gone by the time of its beforeinput, so its text is taken here,
    // from the clipboard's own.
    input.addEventListener("paste", (e) => {
        e.preventDefault();
        if (e.clipboardData)
            whole(e.clipboardData.getData("text/plain"), input.selectionStart, input.selectionEnd);
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

void caretToStart(const std::string& id) { kalvoran_caret_to_start(id.c_str()); }

bool checked(const std::string& id) { return kalvoran_checked(id.c_str()) != 0; }

void setChecked(const std::string& id, bool checked) { kalvoran_set_checked(id.c_str(), checked); }

void openBox(const std::string& prompt, const std::string& title, Icon icon) {
    kalvoran_open_box(prompt.c_str(), title.c_str(), static_cast<int>(icon));
}

void close(const std::string& notice) { kalvoran_close(notice.c_str()); }

void say(const std::string& text) { kalvoran_say(text.c_str()); }

void guardField(const std::string& id, Field field) {
    kalvoran_guard_field(id.c_str(), static_cast<int>(field));
}

} // namespace kalvoran::dom
