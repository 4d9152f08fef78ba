// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/web/markup.h"

#include <array>
#include <string_view>

#include "ui/layout.h"
#include "ui/window_model.h"

namespace kalvoran {
namespace {

// The faces of the window's text, then the browser's own.
std::string fontFamilies() {
    std::string families;
    for (std::string_view face : kFaces)
        families.append("\"").append(face).append("\", ");
    return families + "sans-serif";
}

// The window's font, which every control takes but for its own size and weight.
std::string windowFont() {
    const FontInfo& f = info(FontRole::Default);
    return (f.bold ? "bold " : "") + std::to_string(f.points) + "pt " + fontFamilies();
}

// The line of a text field and of its unit label, so that both centre the same line: a quarter
// more than the font's size in CSS pixels (96 to the inch, 72 points).
int lineHeight(FontRole role) { return info(role).points * 96 / 72 * 5 / 4; }

// Text as it goes into an element or a quoted attribute.
std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string attribute(std::string_view name, std::string_view value) {
    return std::string(" ").append(name).append("=\"").append(escaped(value)).append("\"");
}

std::string px(int value) { return std::to_string(value) + "px"; }

// A control's place and size, its font where it is not the window's, and its line where it has
// one. Every control takes the window's font otherwise (the style sheet).
std::string style(const ControlSpec& c, int line) {
    const Rect r = pixelRect(c);
    std::string s = "left:" + px(r.left) + ";top:" + px(r.top) + ";width:" + px(r.width) +
                    ";height:" + px(r.height);
    const FontInfo& f = info(c.font);
    if (f.points != info(FontRole::Default).points)
        s += ";font-size:" + std::to_string(f.points) + "pt";
    if (f.bold)
        s += ";font-weight:bold";
    if (line)
        s += ";line-height:" + px(line);
    return attribute("style", s);
}

void writeContainer(std::string& out, Container container);

void writeControl(std::string& out, const ControlSpec& c) {
    static constexpr std::array<std::string_view, 5> kClasses = {"frame", "field", "label",
                                                                 "option", "command"};
    const bool lined = c.kind == Kind::TextField || c.unitOf;
    const int line = lined ? lineHeight(c.font) : 0;
    std::string common = attribute("class", kClasses[static_cast<std::size_t>(c.kind)]) +
                         attribute("data-control", c.name);
    if (c.kind != Kind::OptionButton)
        common += attribute("id", c.name);
    common += style(c, line);
    if (!c.toolTip.empty())
        common += attribute("title", c.toolTip);
    if (!c.accessibleName.empty())
        common += attribute("aria-label", c.accessibleName);
    const std::string caption = escaped(c.caption);
    switch (c.kind) {
    case Kind::Frame:
        out += "<fieldset" + common + "><legend>" + caption + "</legend>";
        writeContainer(out, *containerNamed(c.name));
        out += "</fieldset>";
        break;
    case Kind::TextField: {
        const std::optional<Field> field = fieldNamed(c.name);
        out += "<input type=\"text\" inputmode=\"decimal\" autocomplete=\"off\" "
               "spellcheck=\"false\"" +
               std::string(field && info(*field).locked ? " readonly" : "") +
               (field == startFocus() ? " autofocus" : "") + common + ">";
        break;
    }
    case Kind::Label:
        out +=
            "<div" + common + "><span" +
            (line ? attribute("class", "level") + attribute("style", "top:" + px(unitRow(c, line)))
                  : "") +
            ">" + caption + "</span></div>";
        break;
    case Kind::OptionButton:
        out += "<label" + common + "><input type=\"radio\" autocomplete=\"off\"" +
               attribute("name", kContainers[index(c.parent)].name) + attribute("id", c.name) +
               (optionNamed(c.name) == kInitiallySelected ? " checked" : "") + "><span>" + caption +
               "</span></label>";
        break;
    case Kind::CommandButton:
        out += "<button type=\"button\"" + common + ">" + caption + "</button>";
        break;
    }
}

// Each control in its container in tab order, which is also the page's own tab order.
void writeContainer(std::string& out, Container container) {
    const std::span<const ControlSpec> table = controlTable();
    for (std::size_t i : creationOrder())
        if (table[i].parent == container)
            writeControl(out, table[i]);
}

} // namespace

std::string windowMarkup() {
    const Size size = clientSize();
    std::string out = "<div id=\"Form1\"" +
                      attribute("style", "width:" + px(size.width) + ";height:" + px(size.height) +
                                             ";font:" + windowFont()) +
                      ">";
    writeContainer(out, Container::Form1);
    return out + "</div>";
}

} // namespace kalvoran
