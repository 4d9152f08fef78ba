// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Der Kalvoran" on Win32, built from the layout table, with its events bound to the
// handlers.
#pragma once

#include <windows.h>

#include <array>
#include <string_view>
#include <vector>

#include "core/handlers.h"
#include "host/win32/win32_host.h"
#include "ui/win32/fonts.h"
#include "ui/window_model.h"

namespace kalvoran {

// Control ids: kFirstControlId + the control's index in the layout table, clear of IDOK and
// IDCANCEL.
inline constexpr int kFirstControlId = 100;

class MainWindow {
public:
    explicit MainWindow(HINSTANCE instance);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    HWND hwnd() const { return m_hwnd; }
    Win32Host& host() { return m_host; }
    // The control of the layout table with that name; for a frame, its container.
    HWND control(std::string_view name) const;

    // Centred on the work area of its monitor, shown, the focus in the first field.
    void show(int how);
    // The tooltips learn of the pointer from here: every message the loop takes is offered.
    void relayToToolTips(const MSG& message) const;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Each control created at its place for dpi, with its font.
    void buildControls(UINT dpi);
    void bindEvents();
    // Places every control and sizes the window for dpi, with the fonts made anew.
    void layout(UINT dpi);
    // What follows the controls' places and fonts, each below.
    void finishLayout(UINT dpi);
    // The unit labels stand level with their fields.
    void levelUnitLabels(UINT dpi);
    // Each control's window region leaves out what its siblings show.
    void shareOverlaps(UINT dpi);
    // The window's one size: its client area as the table gives it, at dpi.
    void fitWindow(UINT dpi);
    void setIcons(UINT dpi);
    // At wanted's top-left corner, or as near to it as keeps the whole window on a work area.
    void moveTo(const RECT& wanted);
    // A click notice from control: its command runs, or its option button is selected.
    void onClicked(HWND control);
    void onEnter();

    HWND m_hwnd = nullptr;
    Win32Host m_host;
    Fonts m_fonts;
    HICON m_icons[2]{};           // by ICON_SMALL and ICON_BIG
    SIZE m_size{};                // the window's one size at its DPI
    std::vector<HWND> m_controls; // by index in the layout table
    std::vector<HWND> m_names;    // the accessible name of each field, hidden
    HWND m_toolTips = nullptr;
    HWND m_lastFocus = nullptr;
    HHOOK m_dropPosted = nullptr;
};

} // namespace kalvoran
