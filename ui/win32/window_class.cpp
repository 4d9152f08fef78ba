// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/win32/window_class.h"

namespace kalvoran {

ATOM registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass);
}

} // namespace kalvoran
