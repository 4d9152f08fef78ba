// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/web/web_host.h"

#include <emscripten.h>

#include "host/field_input.h"
#include "host/web/dom.h"

namespace kalvoran {
namespace {

// The page's one window: the events of its elements reach it through the functions below.
WebHost* g_host = nullptr;

} // namespace

WebHost::WebHost() {
    g_host = this;
    for (const FieldInfo& field : kFields)
        if (!field.locked)
            dom::guardField(field.name, field.field);
}

WebHost::~WebHost() {
    if (g_host == this)
        g_host = nullptr;
}

void WebHost::sayWrites(Field field, std::string unit) {
    m_said = field;
    m_unit = std::move(unit);
}

std::string WebHost::text(Field field) const { return dom::value(info(field).name); }

void WebHost::write(Field field, std::string_view text) {
    dom::setValue(info(field).name, std::string(text));
    if (field == m_said && !text.empty())
        dom::say(std::string(text) + " " + m_unit);
}

void WebHost::caretToStart(Field field) { dom::caretToStart(info(field).name); }

bool WebHost::value(Option option) const { return dom::checked(info(option).name); }

void WebHost::select(Option option) { dom::setChecked(info(option).name, true); }

void WebHost::clear(Option option) { dom::setChecked(info(option).name, false); }

void WebHost::messageBox(std::string_view prompt, std::string_view title, Icon icon) {
    if (m_boxOpen || m_unloaded)
        return;
    m_boxOpen = true;
    dom::openBox(std::string(prompt), std::string(title), icon);
}

void WebHost::unload() {
    // The elements go at once; this object stays, and no further event runs a handler.
    m_unloaded = true;
    m_boxOpen = false;
    dom::close(std::string(kEndedNotice));
}

} // namespace kalvoran

namespace {

std::u16string g_answer; // what kalvoran_input() let in last

bool valid(int field) {
    return kalvoran::g_host && field >= 0 && field < int(kalvoran::kFields.size());
}

} // namespace

// Called by the page's script.
extern "C" {

// The page's script names the kinds of insertion by these numbers.
static_assert(int(kalvoran::Insertion::Typed) == 0 && int(kalvoran::Insertion::Composed) == 1 &&
              int(kalvoran::Insertion::Pasted) == 2 && int(kalvoran::Insertion::Dropped) == 3 &&
              int(kalvoran::Insertion::Undo) == 5);

// What the input rule lets into the field of count units at text, in place of selected of its
// length units: the answer's length, or -1 for nothing. A text that the page could not copy
// (text null) is refused as too long.
EMSCRIPTEN_KEEPALIVE int kalvoran_input(int field, int kind, const char16_t* text, int count,
                                        int length, int selected) {
    using namespace kalvoran;
    if (!valid(field))
        return -1;
    const auto into = static_cast<Field>(field);
    const std::optional<std::u16string> kept =
        text ? insert(*g_host, into, {text, std::size_t(count)}, Insertion(kind),
                      std::size_t(length), std::size_t(selected))
             : insert(*g_host, into, u"", Insertion::Pasted, g_host->fieldCapacity() + 1);
    g_answer = kept.value_or(u"");
    return kept ? int(g_answer.size()) : -1;
}

EMSCRIPTEN_KEEPALIVE const char16_t* kalvoran_answer() { return g_answer.c_str(); }

// Whether backspace (8) does its work in the field.
EMSCRIPTEN_KEEPALIVE int kalvoran_key(int field, int code) {
    return valid(field) && kalvoran::keyTaken(*kalvoran::g_host,
                                              static_cast<kalvoran::Field>(field), char16_t(code));
}

EMSCRIPTEN_KEEPALIVE int kalvoran_accepts() {
    return kalvoran::g_host && kalvoran::g_host->acceptsEvents();
}

EMSCRIPTEN_KEEPALIVE void kalvoran_box_closed() {
    if (kalvoran::g_host)
        kalvoran::g_host->boxClosed();
}
}
