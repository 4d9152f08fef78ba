// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for Kalvoran.exe's startup: the same controls from the same table, created as
// the window creates them (the same classes and styles, the same frames, the same window class)
// at the same places with the same fonts, and no logic at all (no host, no handlers, no
// subclasses).
#include <windows.h>

#include <algorithm>
#include <array>
#include <commctrl.h>
#include <vector>

#include "host/win32/utf16.h"
#include "ui/layout.h"
#include "ui/win32/control_class.h"
#include "ui/win32/fonts.h"
#include "ui/win32/frame.h"
#include "ui/win32/window_class.h"

using namespace kalvoran;

namespace {

constexpr wchar_t kClass[] = L"Stellvertreter";

int scaled(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    registerWindowClass(instance, kClass, windowProc);
    HWND window = CreateWindowExW(0, kClass, kClass, kMainWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                  0, 0, nullptr, nullptr, instance, nullptr);
    const UINT dpi = GetDpiForWindow(window);
    const Fonts fonts(dpi);

    std::vector<ControlSpec> table(controlTable().begin(), controlTable().end());
    std::ranges::stable_sort(table, {}, &ControlSpec::tabIndex);
    std::array<HWND, kContainers.size()> containers{};
    containers[index(Container::Form1)] = window;
    for (const ControlSpec& entry : table) {
        const std::wstring caption = toUtf16(entry.caption);
        HWND parent = containers[index(entry.parent)];
        HFONT font = fonts[entry.font];
        const int left = scaled(entry.left, dpi), top = scaled(entry.top, dpi);
        const int width = scaled(entry.width, dpi), height = scaled(entry.height, dpi);
        if (entry.kind == Kind::Frame) {
            containers[index(*containerNamed(entry.name))] = createFrame(
                parent, caption.c_str(), 0, {left, top, left + width, top + height}, font);
            continue;
        }
        const ControlClass kind = controlClass(entry);
        HWND hwnd = CreateWindowExW(kind.exStyle, kind.name, caption.c_str(),
                                    WS_CHILD | WS_VISIBLE | kind.style, left, top, width, height,
                                    parent, nullptr, instance, nullptr);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    RECT outer{0, 0, scaled(kClientWidthTwips, dpi), scaled(kClientHeightTwips, dpi)};
    AdjustWindowRectExForDpi(&outer, kMainWindowStyle, FALSE, 0, dpi);
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    return 0;
}
