// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/win32/fonts.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "host/win32/utf16.h"
#include "ui/win32/gdi.h"

namespace kalvoran {
namespace {

// Every role, in the order of kFonts.
std::array<FontRole, kFonts.size()> roles() {
    std::array<FontRole, kFonts.size()> all{};
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<FontRole>(i);
    return all;
}

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

// Where the system lacks the faces the layout was drawn with, best first: its message font, then
// faces of Arial's widths that Wine and Linux systems bring.
std::vector<std::wstring> standIns(const std::wstring& message) {
    std::vector<std::wstring> faces{message};
    for (std::string_view face : std::span(kFaces).subspan(kLayoutFaceCount))
        if (toUtf16(face) != message)
            faces.push_back(toUtf16(face));
    return faces;
}

std::wstring messageFace(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    return metrics.lfMessageFont.lfFaceName;
}

// The captions and tooltips of the table that are drawn in role's font.
std::vector<std::wstring> drawnIn(FontRole role) {
    std::vector<std::wstring> texts;
    for (const ControlSpec& entry : controlTable()) {
        if (entry.font == role && !entry.caption.empty())
            texts.push_back(toUtf16(entry.caption));
        if (role == FontRole::Default && !entry.toolTip.empty())
            texts.push_back(toUtf16(entry.toolTip));
    }
    return texts;
}

// One line of text at a time, drawn black on white at the left of a bitmap.
class Canvas {
public:
    Canvas(HDC dc, int width, int height)
        : m_dc(dc), m_width(width), m_height(height), m_bitmap(bitmap(dc, width, height, &m_bits)),
          m_selected(dc, m_bitmap.get()) {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
    }

    // Where the ink of text ends: one past its rightmost column, 0 for none.
    int inkEnd(std::wstring_view text) {
        if (!m_bits)
            return 0;
        RECT area{0, 0, m_width, m_height};
        FillRect(m_dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DrawTextW(m_dc, text.data(), int(text.size()), &area,
                  DT_NOCLIP | DT_SINGLELINE | DT_NOPREFIX);
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(m_bits);
        for (int x = m_width - 1; x >= 0; --x)
            for (int y = 0; y < m_height; ++y)
                if ((pixels[y * m_width + x] & 0xFFFFFF) != 0xFFFFFF)
                    return x + 1;
        return 0;
    }

private:
    struct Delete {
        void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
    };
    using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, Delete>;
    static Bitmap bitmap(HDC dc, int width, int height, void** bits) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        return Bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0));
    }

    HDC m_dc;
    int m_width, m_height;
    void* m_bits = nullptr;
    Bitmap m_bitmap; // deleted once m_selected has put it out of m_dc
    ScopedSelect m_selected;
};

int measure(HDC dc, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), int(text.size()), &size);
    return size.cx;
}

} // namespace

// Whether each text drawn in font ends where the font's measure says, but for what its last
// glyph reaches beyond its own width (the hook of an "f"). Controls clip their text at its
// measured width (a themed group box exactly there), and some outline fonts draw wider than
// they measure (Liberation Sans under Wine, by a glyph along Frame1's caption): their last glyph
// would be lost.
bool drawsAsMeasured(HFONT font, const std::vector<std::wstring>& texts) {
    HDC dc = CreateCompatibleDC(ScopedDC(nullptr));
    bool within = true;
    {
        const ScopedSelect selected(dc, font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        int widest = 0;
        for (const std::wstring& text : texts)
            widest = std::max(widest, measure(dc, text));
        Canvas canvas(dc, widest + 2 * metrics.tmMaxCharWidth, metrics.tmHeight);
        for (const std::wstring_view text : texts) {
            const std::wstring_view last = text.substr(text.size() - 1);
            const int overhang = std::max(0, canvas.inkEnd(last) - measure(dc, last));
            if (canvas.inkEnd(text) > measure(dc, text) + overhang) {
                within = false;
                break;
            }
        }
    }
    DeleteDC(dc);
    return within;
}

Fonts::Fonts(UINT dpi) {
    // The faces the layout was drawn with; MS Sans Serif's bitmap strikes are made for 96 dpi.
    for (std::size_t i = dpi == USER_DEFAULT_SCREEN_DPI ? 0 : 1; i < kLayoutFaceCount; ++i)
        if (const std::wstring face = toUtf16(kFaces[i]);
            installed(face.c_str()) && make(face, dpi))
            return;
    const std::wstring message = messageFace(dpi);
    for (const std::wstring& face : standIns(message)) {
        // A face asked for by name that the system lacks would come as another of its choice.
        if (face != message && !installed(face.c_str()))
            continue;
        bool measured = make(face, dpi);
        for (FontRole role : roles())
            measured = measured && drawsAsMeasured((*this)[role], drawnIn(role));
        if (measured)
            return;
        release();
    }
    // None draws as it measures: the system's own, as its dialogs have it (failing that too,
    // the controls keep the system font).
    make(message, dpi);
}

bool Fonts::make(const std::wstring& face, UINT dpi) {
    release();
    for (FontRole role : roles()) {
        const FontInfo& font = info(role);
        m_fonts[static_cast<std::size_t>(role)] = CreateFontW(
            -MulDiv(font.points, static_cast<int>(dpi), 72), 0, 0, 0,
            font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
        if (!m_fonts[static_cast<std::size_t>(role)]) {
            release();
            return false;
        }
    }
    return true;
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
