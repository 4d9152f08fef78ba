// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/win32/frame.h"

#include "host/win32/subclass.h"
#include "ui/win32/window_class.h"

namespace kalvoran {
namespace {

constexpr wchar_t kFrameClass[] = L"KalvoranFrame";

LRESULT CALLBACK frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        HWND box = CreateWindowExW(
            0, L"BUTTON", create->lpszName, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX,
            0, 0, create->cx, create->cy, frame, nullptr, create->hInstance, nullptr);
        SetWindowLongPtrW(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
        if (!box)
            return -1;
        guard(box);
        return 0;
    }
    case WM_SIZE:
        SetWindowPos(frameBox(frame), nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    case WM_PARENTNOTIFY:
        // A new window goes below its siblings: the box, created first, would lie above the
        // frame's controls and paint over them. It goes below each new one, and paints only
        // where none of them is.
        if (HWND box = frameBox(frame);
            box && LOWORD(wParam) == WM_CREATE && reinterpret_cast<HWND>(lParam) != box)
            SetWindowPos(box, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return 0;
    case WM_SETFONT:
        SendMessageW(frameBox(frame), WM_SETFONT, wParam, lParam);
        return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return SendMessageW(GetParent(frame), message, wParam, lParam);
    }
    return DefWindowProcW(frame, message, wParam, lParam);
}

} // namespace

HWND createFrame(HWND parent, const wchar_t* caption, int id, const RECT& rect, HFONT font) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    static const ATOM registered = registerWindowClass(instance, kFrameClass, frameProc);
    (void)registered;
    HWND frame =
        CreateWindowExW(WS_EX_CONTROLPARENT, kFrameClass, caption, WS_CHILD | WS_VISIBLE, rect.left,
                        rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (frame)
        SendMessageW(frame, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return frame;
}

HWND frameBox(HWND frame) {
    return reinterpret_cast<HWND>(GetWindowLongPtrW(frame, GWLP_USERDATA));
}

} // namespace kalvoran
