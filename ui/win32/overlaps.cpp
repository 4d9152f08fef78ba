// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/win32/overlaps.h"

#include <algorithm>
#include <commctrl.h>
#include <string>

#include "ui/win32/gdi.h"

namespace kalvoran {

RECT shownPart(HDC dc, HWND optionButton, const RECT& rect, UINT dpi) {
    // The circle and the gap after it, then the caption as the button wraps it. The button's
    // own ideal size adds a margin beyond the text, which shows nothing.
    const int circle = GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + MulDiv(4, int(dpi), 96);
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(optionButton)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(
        GetWindowTextW(optionButton, caption.data(), int(caption.size()))));
    RECT text{0, 0, std::max(0L, rect.right - rect.left - circle), 0};
    {
        const ScopedSelect font(dc, fontOf(optionButton));
        DrawTextW(dc, caption.c_str(), int(caption.size()), &text,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    return {rect.left, rect.top, std::min(rect.right, rect.left + circle + text.right),
            rect.bottom};
}

void shareOverlaps(const std::vector<Sibling>& siblings) {
    for (std::size_t i = 0; i < siblings.size(); ++i) {
        const Sibling& self = siblings[i];
        HRGN own = CreateRectRgnIndirect(&self.rect);
        HRGN mine = CreateRectRgnIndirect(&self.shown);
        bool cut = false;
        for (std::size_t j = 0; j < siblings.size(); ++j) {
            RECT part;
            if (j == i || !IntersectRect(&part, &siblings[j].shown, &self.rect))
                continue;
            HRGN theirs = CreateRectRgnIndirect(&part);
            // What both show goes to the later one.
            if (j < i)
                CombineRgn(theirs, theirs, mine, RGN_DIFF);
            CombineRgn(own, own, theirs, RGN_DIFF);
            cut = true;
            DeleteObject(theirs);
        }
        DeleteObject(mine);
        // A window region is in the window's own coordinates; the system owns it once set.
        OffsetRgn(own, -self.rect.left, -self.rect.top);
        if (!cut || !SetWindowRgn(self.hwnd, own, TRUE)) {
            DeleteObject(own);
            // Each region set costs a window move under Wine: only a region of an earlier
            // layout is lifted.
            RECT before;
            if (!cut && GetWindowRgnBox(self.hwnd, &before) != ERROR)
                SetWindowRgn(self.hwnd, nullptr, TRUE);
        }
    }
}

} // namespace kalvoran
