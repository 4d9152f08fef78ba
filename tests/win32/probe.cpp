// SPDX-License-Identifier: GPL-3.0-or-later
// Prints, from outside, what the running Kalvoran.exe shows: each field's text ("Text1=12",
// in tab order) and the title of every open message box ("box=Hilfe zum Kalvoran").
// "probe close" closes the window as its close box does. "probe post|send ID MESSAGE WPARAM
// LPARAM ..." posts or sends each message to the control with that id (0: the window), as another
// program may.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/win32/utf16.h"

namespace {

// GetWindowText does not ask a window of another process; WM_GETTEXT does.
std::wstring textOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)) + 1,
                      L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

bool hasClass(HWND hwnd, const wchar_t* name) {
    wchar_t found[64];
    return GetClassNameW(hwnd, found, 64) && std::wstring(found) == name;
}

BOOL CALLBACK field(HWND hwnd, LPARAM count) {
    static const char* const names[] = {"Text1", "Text2", "Text3", "Text4", "Text5"};
    int& n = *reinterpret_cast<int*>(count);
    if (hasClass(hwnd, L"Edit") && n < 5)
        std::printf("%s=%s\n", names[n++], kalvoran::toUtf8(textOf(hwnd)).c_str());
    return TRUE;
}

BOOL CALLBACK box(HWND hwnd, LPARAM) {
    if (hasClass(hwnd, L"#32770") && IsWindowVisible(hwnd))
        std::printf("box=%s\n", kalvoran::toUtf8(textOf(hwnd)).c_str());
    return TRUE;
}

HWND withId(HWND window, int id) {
    std::pair<int, HWND> sought{id, id ? nullptr : window};
    EnumChildWindows(
        window,
        [](HWND hwnd, LPARAM found) {
            auto& [id, control] = *reinterpret_cast<std::pair<int, HWND>*>(found);
            if (GetDlgCtrlID(hwnd) == id)
                control = hwnd;
            return control ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&sought));
    return sought.second;
}

} // namespace

int main(int argc, char* argv[]) {
    HWND window = FindWindowW(L"KalvoranWindow", nullptr);
    if (!window)
        return 1;
    if (argc > 1 && std::string(argv[1]) == "close")
        return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    if (argc > 1 && (std::string(argv[1]) == "post" || std::string(argv[1]) == "send")) {
        const auto number = [](const char* text) { return std::strtoull(text, nullptr, 0); };
        for (int i = 2; i + 3 < argc; i += 4) {
            HWND to = withId(window, int(number(argv[i])));
            const auto message = UINT(number(argv[i + 1]));
            const auto wParam = WPARAM(number(argv[i + 2]));
            const auto lParam = LPARAM(number(argv[i + 3]));
            if (!to)
                return 1;
            if (argv[1][0] == 'p')
                PostMessageW(to, message, wParam, lParam);
            else
                SendMessageW(to, message, wParam, lParam);
        }
        return 0;
    }
    int count = 0;
    EnumChildWindows(window, field, reinterpret_cast<LPARAM>(&count));
    EnumWindows(box, 0);
    return 0;
}
