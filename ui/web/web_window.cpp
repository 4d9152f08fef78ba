// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/web/web_window.h"

#include <emscripten.h>

#include "ui/binding.h"
#include "ui/layout.h"
#include "ui/web/elements.h"

namespace kalvoran {
namespace {

static_assert(int(Kind::Frame) == 0 && int(Kind::TextField) == 1 && int(Kind::Label) == 2 &&
                  int(Kind::OptionButton) == 3 && int(Kind::CommandButton) == 4,
              "the page's script tells the kinds by these numbers");

WebWindow* g_window = nullptr;

// The layout's faces, then faces of Arial's widths that browsers have, then the browser's own.
std::string fontFamilies() {
    std::string families;
    for (std::string_view face : kLayoutFaces)
        families.append("\"").append(face).append("\", ");
    for (std::string_view face : {"Arial", "Liberation Sans", "Arimo", "Helvetica"})
        families.append("\"").append(face).append("\", ");
    return families + "sans-serif";
}

std::string font(FontRole role) {
    static const std::string families = fontFamilies();
    const FontInfo& f = info(role);
    return (f.bold ? "bold " : "") + std::to_string(f.points) + "pt " + families;
}

// The line of a text field and of its unit label, so that both centre the same line: a quarter
// more than the font's size in CSS pixels (96 to the inch, 72 points).
int lineHeight(FontRole role) { return info(role).points * 96 / 72 * 5 / 4; }

} // namespace

WebWindow::WebWindow() {
    g_window = this;
    const std::span<const ControlSpec> table = controlTable();
    elements::makeWindow(clientSize(), font(FontRole::Default));
    m_clicked.assign(table.size(), {});
    for (std::size_t i : creationOrder()) {
        const ControlSpec& c = table[i];
        elements::Element e;
        e.kind = c.kind;
        e.index = i;
        e.parent = kContainers[index(c.parent)].name;
        e.name = c.name;
        e.caption = c.caption;
        e.rect = pixelRect(c);
        e.font = font(c.font);
        if (c.kind == Kind::TextField || c.unitOf)
            e.lineHeight = lineHeight(c.font);
        if (c.unitOf) {
            const Rect field = pixelRect(*specNamed(info(*c.unitOf).name));
            e.textRow = centredRow(levelBand(field, e.rect), e.rect.height, e.lineHeight);
        }
        e.toolTip = c.toolTip;
        e.accessibleName = c.accessibleName;
        const std::optional<Field> field = fieldNamed(c.name);
        e.locked = field && info(*field).locked;
        e.checked = optionNamed(c.name) == kInitiallySelected;
        elements::make(e);
        m_clicked[i] = clickOf(c.name);
    }
    bindOptionHandlers(m_host);
    for (const KeyPressBinding& binding : kKeyPressBindings)
        m_host.addKeyPress(binding.field, [this, handler = binding.handler](short& KeyAscii) {
            keyPress(m_host, handler, KeyAscii);
        });
}

WebWindow::~WebWindow() {
    if (g_window == this)
        g_window = nullptr;
}

void WebWindow::show() { elements::focus(info(startFocus()).name); }

bool WebWindow::clicked(std::size_t index) {
    if (index >= m_clicked.size() || !m_host.acceptsEvents())
        return false;
    click(m_host, m_clicked[index]);
    return true;
}

} // namespace kalvoran

// Called by the page's script for a click on a command or option button.
extern "C" EMSCRIPTEN_KEEPALIVE int kalvoran_click(int index) {
    return kalvoran::g_window && index >= 0 &&
           kalvoran::g_window->clicked(static_cast<std::size_t>(index));
}
