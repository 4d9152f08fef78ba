// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/win32/option_keys.h"

#include <algorithm>
#include <commctrl.h>

namespace kalvoran {
namespace {

constexpr UINT_PTR kSubclassId = 3;

LRESULT CALLBACK optionProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR data) {
    const auto& group = *reinterpret_cast<const std::vector<HWND>*>(data);
    switch (message) {
    case WM_GETDLGCODE:
        // The arrows are the button's own, not the dialog manager's.
        return DefSubclassProc(button, message, wParam, lParam) | DLGC_WANTARROWS;
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
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, optionProc, kSubclassId);
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

} // namespace

void moveWithArrows(HWND button, const std::vector<HWND>* group) {
    SetWindowSubclass(button, optionProc, kSubclassId, reinterpret_cast<DWORD_PTR>(group));
}

} // namespace kalvoran
