// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/win32/fonts.h"

#include <cwchar>
#include <string>
#include <utility>

#include "ui/win32/gdi.h"

namespace kalvoran {
namespace {

bool installed(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = ANSI_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(
        ScopedDC(nullptr), &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring face(UINT dpi) {
    if (dpi == USER_DEFAULT_SCREEN_DPI && installed(L"MS Sans Serif"))
        return L"MS Sans Serif";
    if (installed(L"Microsoft Sans Serif"))
        return L"Microsoft Sans Serif";
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    return metrics.lfMessageFont.lfFaceName;
}

} // namespace

Fonts::Fonts(UINT dpi) {
    const std::wstring family = face(dpi);
    for (FontRole role : {FontRole::Default, FontRole::Large, FontRole::LargeBold}) {
        const FontInfo& font = info(role);
        m_fonts[static_cast<std::size_t>(role)] = CreateFontW(
            -MulDiv(font.points, static_cast<int>(dpi), 72), 0, 0, 0,
            font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, family.c_str());
    }
}

Fonts& Fonts::operator=(Fonts&& other) noexcept {
    std::swap(m_fonts, other.m_fonts);
    other.release();
    return *this;
}

void Fonts::release() {
    for (HFONT& font : m_fonts) {
        if (font)
            DeleteObject(font);
        font = nullptr;
    }
}

} // namespace kalvoran
