// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for Kalvoran.exe's startup: the same controls from the same table, at the same
// places with the same fonts, and no logic at all (no host, no handlers, no subclasses).
#include <windows.h>

#include <algorithm>
#include <array>
#include <commctrl.h>
#include <vector>

#include "host/win32/utf16.h"
#include "ui/layout.h"
#include "ui/win32/fonts.h"

using namespace kalvoran;

namespace {

constexpr wchar_t kClass[] = L"Stellvertreter";

int scaled(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

HWND create(const wchar_t* className, const std::wstring& text, DWORD style, DWORD exStyle,
            const ControlSpec& entry, UINT dpi, HWND parent, HFONT font) {
    HWND hwnd = CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                scaled(entry.left, dpi), scaled(entry.top, dpi),
                                scaled(entry.width, dpi), scaled(entry.height, dpi), parent,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return hwnd;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY && !GetParent(hwnd))
            PostQuitMessage(0);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    };
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClass;
    RegisterClassExW(&windowClass);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND window = CreateWindowExW(0, kClass, kClass, style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                                  nullptr, nullptr, instance, nullptr);
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
        switch (entry.kind) {
        case Kind::Frame: {
            HWND frame = create(kClass, caption, 0, WS_EX_CONTROLPARENT, entry, dpi, parent, font);
            HWND box =
                CreateWindowExW(0, WC_BUTTONW, caption.c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                                0, 0, scaled(entry.width, dpi), scaled(entry.height, dpi), frame,
                                nullptr, instance, nullptr);
            SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            containers[index(*containerNamed(entry.name))] = frame;
            break;
        }
        case Kind::TextField:
            create(WC_EDITW, caption, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, entry, dpi,
                   parent, font);
            break;
        case Kind::Label:
            create(WC_STATICW, caption, SS_LEFT | SS_NOPREFIX, 0, entry, dpi, parent, font);
            break;
        case Kind::OptionButton:
            create(WC_BUTTONW, caption, BS_RADIOBUTTON | BS_MULTILINE, 0, entry, dpi, parent, font);
            break;
        case Kind::CommandButton:
            create(WC_BUTTONW, caption, WS_TABSTOP | BS_PUSHBUTTON, 0, entry, dpi, parent, font);
            break;
        }
    }
    RECT outer{0, 0, scaled(kClientWidthTwips, dpi), scaled(kClientHeightTwips, dpi)};
    AdjustWindowRectExForDpi(&outer, style, FALSE, 0, dpi);
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
