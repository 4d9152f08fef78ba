// SPDX-License-Identifier: GPL-3.0-or-later
// The host on Win32 controls: text fields are EDITs, option buttons BS_RADIOBUTTONs whose
// selection the host keeps exclusive within their immediate container.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "host/controls.h"
#include "host/host.h"

namespace kalvoran {

class Win32Host final : public Host {
public:
    // The window that owns the message boxes and closes on unload().
    void setWindow(HWND window) { m_window = window; }

    // Fields and option buttons, each container's buttons in tab order; a locked field is
    // read-only. Once all are added, updateTabStops() makes each group one tab stop.
    void addField(Field field, HWND edit);
    void addOption(Option option, HWND button);
    void updateTabStops();

    // An EDIT measures its whole line again for each character its caret scrolls by, so
    // inserting n characters at once costs about n² under Wine: 20,000 take a fraction of a
    // second, 160,000 a minute, 1,000,000 never return. So no insertion may make a field
    // longer than this, whichever way it comes (Ctrl+V, Shift+Insert, the context menu,
    // WM_PASTE, EM_REPLACESEL, WM_SETTEXT, an accessible value); one that would is refused
    // whole, with the message why. Each goes in whole, each of its line breaks as one blank. No
    // limit set from outside (EM_SETLIMITTEXT) cuts it.
    static constexpr std::size_t kMostCharacters = 20000;
    std::size_t fieldCapacity() const override { return kMostCharacters; }

    // While a message box is open or after the window is unloaded, no handler runs.
    bool acceptsEvents() const override { return !m_boxOpen && !m_unloaded; }
    bool boxOpen() const { return m_boxOpen; }
    HWND field(Field field) const { return m_controls[field]; }
    HWND button(Option option) const { return m_controls[option]; }
    std::optional<Option> optionOf(HWND button) const { return m_controls.optionOf(button); }
    std::optional<Field> fieldOf(HWND control) const { return m_controls.fieldOf(control); }
    // Whether the control is a locked field.
    bool locked(HWND control) const;
    // A container's option buttons, in tab order.
    const std::vector<Option>& group(Container container) const {
        return m_groups[index(container)];
    }

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
    static LRESULT guardProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, void* data);
    // WM_PASTE, EM_REPLACESEL or WM_SETTEXT with a text, from outside the host.
    LRESULT insert(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    // Tab reaches a container's selected button, or its first when none is selected.
    void updateTabStop(Container container);

    HWND m_window = nullptr;
    Controls<HWND, HWND> m_controls;
    std::array<std::vector<Option>, kContainers.size()> m_groups; // by container, in tab order
    bool m_writing = false; // the host itself writes the locked field
    bool m_boxOpen = false;
    bool m_unloaded = false;
};

} // namespace kalvoran
