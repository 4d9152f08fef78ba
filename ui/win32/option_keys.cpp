// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/win32/option_keys.h"

#include <algorithm>

#include "host/win32/subclass.h"

namespace kalvoran {
namespace {

LRESULT optionProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, void* data) {
    const auto& host = *static_cast<const Win32Host*>(data);
    switch (message) {
    case WM_GETDLGCODE:
        // The arrows are the button's own, not the dialog manager's.
        return callNext(button, message, wParam, lParam) | DLGC_WANTARROWS;
    case WM_KEYDOWN: {
        const bool back = wParam == VK_UP || wParam == VK_LEFT;
        const std::optional<Option> option = host.optionOf(button);
        if ((!back && wParam != VK_DOWN && wParam != VK_RIGHT) || !option)
            break;
        const std::vector<Option>& group = host.group(info(*option).container);
        const auto at = std::ranges::find(group, *option) - group.begin();
        const auto size = static_cast<std::ptrdiff_t>(group.size());
        HWND next =
            host.button(group[static_cast<std::size_t>((at + (back ? size - 1 : 1)) % size)]);
        SetFocus(next);
        SendMessageW(next, BM_CLICK, 0, 0);
        return 0;
    }
    }
    return callNext(button, message, wParam, lParam);
}

} // namespace

void moveWithArrows(HWND button, Win32Host* host) { subclass(button, optionProc, host); }

} // namespace kalvoran
