// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/memory_host.h"

#include "core/dispatch.h"
#include "core/handlers.h"

namespace kalvoran {

MemoryHost::MemoryHost() { m_values[static_cast<std::size_t>(kInitiallySelected)] = true; }

std::string MemoryHost::text(Field field) const {
    noteAfterBox(std::string("text(") + info(field).name + ")");
    return m_texts[static_cast<std::size_t>(field)];
}

void MemoryHost::write(Field field, std::string_view text) {
    noteAfterBox(std::string(info(field).name) + "=" + std::string(text));
    m_texts[static_cast<std::size_t>(field)] = std::string(text);
    log.push_back(std::string(info(field).name) + "=" + std::string(text));
}

void MemoryHost::type(Field field, std::string_view text) {
    m_texts[static_cast<std::size_t>(field)] = std::string(text);
}

void MemoryHost::typeInputs(const std::array<std::string, 4>& texts) {
    const Field inputs[] = {Field::Text1, Field::Text2, Field::Text3, Field::Text5};
    for (std::size_t i = 0; i < texts.size(); ++i)
        type(inputs[i], texts[i]);
}

void calculateWith(MemoryHost& host, const std::array<std::string, 4>& inputs) {
    host.typeInputs(inputs);
    host.runEvent([&] { berechnen_Click(host); });
}

void MemoryHost::runEvent(const std::function<void()>& handler) {
    m_boxOpen = false;
    dispatch(*this, handler);
}

void MemoryHost::noteAfterBox(std::string call) const {
    if (m_boxOpen)
        m_afterBox.push_back(std::move(call));
}

bool MemoryHost::value(Option option) const {
    noteAfterBox(std::string("value(") + info(option).name + ")");
    return m_values[static_cast<std::size_t>(option)];
}

void MemoryHost::select(Option option) {
    noteAfterBox(std::string(info(option).name) + "=true");
    m_values[static_cast<std::size_t>(option)] = true;
    log.push_back(std::string(info(option).name) + "=true");
}

void MemoryHost::clear(Option option) {
    noteAfterBox(std::string(info(option).name) + "=false");
    m_values[static_cast<std::size_t>(option)] = false;
    log.push_back(std::string(info(option).name) + "=false");
}

void MemoryHost::messageBox(std::string_view prompt, std::string_view title, Icon icon) {
    noteAfterBox("box:" + std::string(title));
    m_boxOpen = true;
    boxes.push_back({std::string(prompt), std::string(title), icon});
    log.push_back("box:" + std::string(title));
}

void MemoryHost::unload() {
    noteAfterBox("unload");
    m_unloaded = true;
}

std::vector<std::string> MemoryHost::selected() const {
    std::vector<std::string> names;
    for (const OptionInfo& o : kOptions)
        if (m_values[static_cast<std::size_t>(o.option)])
            names.emplace_back(o.name);
    return names;
}

} // namespace kalvoran
