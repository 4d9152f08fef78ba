// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/win32/option_keys.h"

#include <algorithm>

#include "host/win32/subclass.h"

namespace kalvoran {
namespace {

LRESULT optionProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, void* data) {
    const auto& group = *static_cast<const std::vector<HWND>*>(data);
    switch (message) {
    case WM_GETDLGCODE:
        // The arrows are the button's own, not the dialog manager's.
        return callNext(button, message, wParam, lParam) | DLGC_WANTARROWS;
    case WM_KEYDOWN: {
        const bool back = wParam == VK_UP || wParam == VK_LEFT;
        if (!back && wParam != VK_DOWN && wParam != VK_RIGHT)
            break;
        const auto at = std::find(group.begin(), group.end(), button) - group.begin();
        const auto size = static_cast<std::ptrdiff_t>(group.size());
        HWND next = group[static_cast<std::size_t>((at + (back ? size - 1 : 1)) % size)];
        SetFocus(next);
        SendMessageW(next, BM_CLICK, 0, 0);
        return 0;
    }
    }
    return callNext(button, message, wParam, lParam);
}

} // namespace

void moveWithArrows(HWND button, std::vector<HWND>* group) { subclass(button, optionProc, group); }

} // namespace kalvoran
