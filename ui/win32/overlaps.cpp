// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/win32/overlaps.h"

#include <algorithm>
#include <commctrl.h>

namespace kalvoran {

RECT shownPart(HWND optionButton, const RECT& rect) {
    SIZE ideal{rect.right - rect.left, 0};
    if (!SendMessageW(optionButton, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)))
        return rect;
    return {rect.left, rect.top, rect.left + std::min(ideal.cx, rect.right - rect.left),
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
            if (!cut)
                SetWindowRgn(self.hwnd, nullptr, TRUE);
        }
    }
}

} // namespace kalvoran
