// SPDX-License-Identifier: GPL-3.0-or-later
// Kalvoran.exe. The command line is never read; nothing is written.
#include <windows.h>

#include "host/win32/utf16.h"
#include "ui/layout.h"
#include "ui/win32/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    try {
        kalvoran::MainWindow window(instance);
        window.show(show);
        MSG message;
        for (;;) {
            const BOOL got = GetMessageW(&message, nullptr, 0, 0);
            // The program ends when its window is gone; a WM_QUIT posted from outside before
            // then would lose what is typed.
            if (got == -1 || (got == 0 && !window.hwnd()))
                break;
            if (got == 0)
                continue;
            window.relayToToolTips(message);
            // Tab, the arrow keys and Enter, as in a dialog.
            if (!window.hwnd() || !IsDialogMessageW(window.hwnd(), &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    } catch (...) {
        MessageBoxW(nullptr, L"Der Kalvoran konnte sein Fenster nicht öffnen.",
                    kalvoran::toUtf16(kalvoran::kWindowCaption).c_str(), MB_OK | MB_ICONSTOP);
        return 1;
    }
    return 0;
}
