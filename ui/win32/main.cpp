// SPDX-License-Identifier: GPL-3.0-or-later
// Kalvoran.exe. The command line is never read; nothing is written.
#include <windows.h>

#include "ui/win32/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    try {
        kalvoran::MainWindow window(instance);
        window.show(show);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            // Tab, the arrow keys and Enter, as in a dialog.
            if (!window.hwnd() || !IsDialogMessageW(window.hwnd(), &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    } catch (...) {
        MessageBoxW(nullptr, L"Der Kalvoran konnte sein Fenster nicht öffnen.", L"Der Kalvoran",
                    MB_OK | MB_ICONSTOP);
        return 1;
    }
    return 0;
}
