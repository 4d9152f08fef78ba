// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/web/web_host.h"

#include <emscripten.h>

#include "host/pasted_text.h"
#include "host/web/dom.h"

namespace kalvoran {
namespace {

// The page's one window: the events of its elements reach it through the functions below.
WebHost* g_host = nullptr;

std::size_t index(Field f) { return static_cast<std::size_t>(f); }

} // namespace

WebHost::WebHost() { g_host = this; }

WebHost::~WebHost() {
    if (g_host == this)
        g_host = nullptr;
}

void WebHost::addKeyPress(Field field, KeyPressHandler handler) {
    m_keyPress[index(field)] = std::move(handler);
    dom::guardField(info(field).name, field, kCapacity);
}

void WebHost::insertTooLong() const {
    if (m_insertTooLong)
        m_insertTooLong(kCapacity);
}

void WebHost::sayWrites(Field field, std::string unit) {
    m_said = field;
    m_unit = std::move(unit);
}

char16_t WebHost::judge(Field field, char16_t unit) const {
    const KeyPressHandler& handler = m_keyPress[index(field)];
    return handler ? pressKey(handler, unit) : unit;
}

std::string WebHost::text(Field field) const { return dom::value(info(field).name); }

void WebHost::setText(Field field, std::string_view text) {
    dom::setValue(info(field).name, std::string(text));
    if (field == m_said && !text.empty())
        dom::say(std::string(text) + " " + m_unit);
}

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

// Called by the page's script.
extern "C" {

EMSCRIPTEN_KEEPALIVE int kalvoran_key(int field, int unit) {
    if (!kalvoran::g_host || field < 0 || field >= int(kalvoran::kFields.size()))
        return 0;
    return kalvoran::g_host->judge(static_cast<kalvoran::Field>(field),
                                   static_cast<char16_t>(unit));
}

EMSCRIPTEN_KEEPALIVE int kalvoran_accepts() {
    return kalvoran::g_host && kalvoran::g_host->acceptsEvents();
}

EMSCRIPTEN_KEEPALIVE void kalvoran_too_long() {
    if (kalvoran::g_host && kalvoran::g_host->acceptsEvents())
        kalvoran::g_host->insertTooLong();
}

// What a paste or drop puts into a field, valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* kalvoran_one_line(const char* pasted) {
    static std::string line;
    line = kalvoran::oneLine(pasted);
    return line.c_str();
}

EMSCRIPTEN_KEEPALIVE void kalvoran_box_closed() {
    if (kalvoran::g_host)
        kalvoran::g_host->boxClosed();
}
}
