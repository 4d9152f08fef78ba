// SPDX-License-Identifier: GPL-3.0-or-later
// A host without a window: fields and option buttons in memory, with the same container rule
// as the real window, and a log of every write and message box in the order they happened. It
// also notes what a handler does to the window after its message box within the same event.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "host/host.h"

namespace kalvoran {

class MemoryHost : public Host {
public:
    struct Box {
        std::string prompt;
        std::string title;
        Icon icon;
    };

    MemoryHost(); // the window's start state: fields empty, only stromueber selected

    std::string text(Field field) const override;
    bool value(Option option) const override;
    void messageBox(std::string_view prompt, std::string_view title, Icon icon) override;
    void unload() override;
    bool acceptsEvents() const override { return !m_unloaded; }

    // Sets the texts of the fields as a user would, without logging.
    void type(Field field, std::string_view text);
    // The four input fields in the order the user fills them: Text1, Text2, Text3, Text5.
    void typeInputs(const std::array<std::string, 4>& texts);
    // The option buttons that are selected, by name.
    std::vector<std::string> selected() const;

    // Entries like "Text5=125", "lednor=false", "strombel=true", "box:Hilfe zum Kalvoran".
    std::vector<std::string> log;
    std::vector<Box> boxes;
    bool unloaded() const { return m_unloaded; }

    // Runs one event as the window does, through dispatch(); the box of an earlier event counts
    // as dismissed.
    void runEvent(const std::function<void()>& handler);
    // What handlers did to the window after their message box within the same event ("text(Text1)",
    // "Text4=75", "ledrot=true", "box:Fehler", "unload"): a host whose messageBox() returns at
    // once refuses every one of them.
    const std::vector<std::string>& afterBox() const { return m_afterBox; }

protected:
    void write(Field field, std::string_view text) override;
    void caretToStart(Field) override {}
    void select(Option option) override;
    void clear(Option option) override;

private:
    void noteAfterBox(std::string call) const;

    std::array<std::string, kFields.size()> m_texts;
    std::array<bool, kOptions.size()> m_values{};
    bool m_unloaded = false;
    bool m_boxOpen = false;
    mutable std::vector<std::string> m_afterBox;
};

// Fills the four input fields as a user types them and presses "Berechnen", through the dispatch
// that reports an error in a message box.
void calculateWith(MemoryHost& host, const std::array<std::string, 4>& inputs);

} // namespace kalvoran
