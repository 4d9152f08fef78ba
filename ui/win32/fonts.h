// SPDX-License-Identifier: GPL-3.0-or-later
// The window's fonts at one DPI: "MS Sans Serif" where the system has it and the DPI is 96 (its
// bitmap strikes are made for 96 dpi); else the scalable "Microsoft Sans Serif" of the same
// metrics. Without either, a stand-in: the system's message font, else a face of Arial's widths,
// the first the system has in which every caption draws no wider than it measures. 8 pt for the
// window, 12 pt for fields and units.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "ui/layout.h"

namespace kalvoran {

// Whether each text drawn in font ends where the font's measure says, but for what its last glyph
// reaches beyond its own width.
bool drawsAsMeasured(HFONT font, const std::vector<std::wstring>& texts);

class Fonts {
public:
    Fonts() = default;
    // The three fonts for dpi.
    explicit Fonts(UINT dpi);
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    // The fonts replaced are deleted only here, so set the new ones on every control first.
    Fonts& operator=(Fonts&& other) noexcept;
    ~Fonts() { release(); }

    HFONT operator[](FontRole role) const { return m_fonts[static_cast<std::size_t>(role)]; }

private:
    // Whether every role's font could be made; if not, none is kept.
    bool make(const std::wstring& face, UINT dpi);
    void release();
    std::array<HFONT, 3> m_fonts{};
};

} // namespace kalvoran
