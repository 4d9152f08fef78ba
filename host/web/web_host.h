// SPDX-License-Identifier: GPL-3.0-or-later
// The host on DOM elements: text fields are <input>s and option buttons radio inputs, each known
// by its control's name as its id. A message box is the page's own modal <dialog>; it opens and
// returns at once, which is sound because showing a message is the last thing a handler does.
#pragma once

#include <optional>
#include <string>

#include "host/host.h"

namespace kalvoran {

class WebHost final : public Host {
public:
    WebHost();
    ~WebHost() override;
    WebHost(const WebHost&) = delete;
    WebHost& operator=(const WebHost&) = delete;

    // The characters a field holds and still answers fast: a paste or drop that would make it
    // longer is refused whole.
    static constexpr std::size_t kCapacity = std::size_t{1} << 20;
    std::size_t fieldCapacity() const override { return kCapacity; }
    // Whenever a handler writes a text into the field, a screen reader says it, then unit.
    void sayWrites(Field field, std::string unit);

    bool acceptsEvents() const override { return !m_boxOpen && !m_unloaded; }
    void boxClosed() { m_boxOpen = false; }

    std::string text(Field field) const override;
    bool value(Option option) const override;
    void messageBox(std::string_view prompt, std::string_view title, Icon icon) override;
    void unload() override;

protected:
    void write(Field field, std::string_view text) override;
    void caretToStart(Field field) override;
    void select(Option option) override;
    void clear(Option option) override;

private:
    std::optional<Field> m_said;
    std::string m_unit;
    bool m_boxOpen = false;
    bool m_unloaded = false;
};

// The line that stands in the page once the window is unloaded and the browser keeps the tab.
inline constexpr std::string_view kEndedNotice =
    "Der Kalvoran wurde beendet. Laden Sie die Seite neu, um ihn wieder zu starten.";

} // namespace kalvoran
