// SPDX-License-Identifier: GPL-3.0-or-later
// Prints, from outside, what the running Kalvoran.exe shows: each field's text ("Text1=12",
// in tab order), the title of every open message box ("box=Hilfe zum Kalvoran"), the control
// with the focus ("focus=Text1") and the selected option buttons ("checked=stromueber"), each
// control by its name in the layout table. "probe where" prints each control's name, its
// rectangle on the screen and its kind ("opt5v 918 417 65 17 option": left, top, width, height).
// "probe close" closes the window as its close box does. "probe post|send ID MESSAGE WPARAM
// LPARAM ..." posts or sends each message to the control with that id (0: the window), as another
// program may.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/win32/utf16.h"
#include "ui/layout.h"
#include "ui/win32/main_window.h"

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

// The layout table's row of a control of the window, by its id; nullptr for any other window.
const kalvoran::ControlSpec* rowOf(HWND hwnd) {
    const auto table = kalvoran::controlTable();
    const auto index = std::size_t(GetDlgCtrlID(hwnd) - kalvoran::kFirstControlId);
    return index < table.size() ? &table[index] : nullptr;
}
std::string nameOf(const kalvoran::ControlSpec* row) { return row ? std::string(row->name) : ""; }

BOOL CALLBACK field(HWND hwnd, LPARAM checked) {
    const kalvoran::ControlSpec* row = rowOf(hwnd);
    if (row && row->kind == kalvoran::Kind::TextField)
        std::printf("%s=%s\n", nameOf(row).c_str(), kalvoran::toUtf8(textOf(hwnd)).c_str());
    if (row && row->kind == kalvoran::Kind::OptionButton &&
        SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
        reinterpret_cast<std::string*>(checked)->append(" ").append(row->name);
    return TRUE;
}

BOOL CALLBACK where(HWND hwnd, LPARAM) {
    if (const kalvoran::ControlSpec* row = rowOf(hwnd)) {
        RECT r;
        GetWindowRect(hwnd, &r);
        static const char* const kinds[] = {"frame", "field", "label", "option", "button"};
        std::printf("%s %ld %ld %ld %ld %s\n", nameOf(row).c_str(), r.left, r.top, r.right - r.left,
                    r.bottom - r.top, kinds[int(row->kind)]);
    }
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
    if (argc > 1 && std::string(argv[1]) == "where") {
        EnumChildWindows(window, where, 0);
        return 0;
    }
    std::string checked;
    EnumChildWindows(window, field, reinterpret_cast<LPARAM>(&checked));
    EnumWindows(box, 0);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    const std::string focus =
        IsChild(window, thread.hwndFocus) ? nameOf(rowOf(thread.hwndFocus)) : "";
    std::printf("focus=%s\nchecked=%s\n", focus.c_str(),
                checked.empty() ? "" : checked.c_str() + 1);
    return 0;
}
