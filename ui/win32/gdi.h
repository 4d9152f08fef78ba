// SPDX-License-Identifier: GPL-3.0-or-later
// Device contexts and the objects selected into them, released on every path.
#pragma once

#include <windows.h>

namespace kalvoran {

// GetDC (or, for the whole window with its border, GetWindowDC) and ReleaseDC; nullptr is the
// screen.
class ScopedDC {
public:
    enum Area { Client, Whole };
    explicit ScopedDC(HWND window, Area area = Client)
        : m_window(window), m_dc(area == Whole ? GetWindowDC(window) : GetDC(window)) {}
    ScopedDC(const ScopedDC&) = delete;
    ScopedDC& operator=(const ScopedDC&) = delete;
    ~ScopedDC() {
        if (m_dc)
            ReleaseDC(m_window, m_dc);
    }
    operator HDC() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// Selects an object into a device context and puts the one it replaced back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() {
        if (m_old)
            SelectObject(m_dc, m_old);
    }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// The font a control draws with.
inline HFONT fontOf(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

} // namespace kalvoran
