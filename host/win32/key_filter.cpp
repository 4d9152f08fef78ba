// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/win32/key_filter.h"

#include <imm.h>
#include <string>

#include "host/field_input.h"
#include "host/key_press.h"
#include "host/win32/subclass.h"
#include "host/win32/win32_host.h"

namespace kalvoran {
namespace {

// Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z: the field's own commands.
bool isFieldCommand(WPARAM code) {
    return code == kCtrlA || code == kCtrlC || code == kCtrlV || code == kCtrlX || code == kCtrlZ;
}

std::wstring compositionResult(HWND edit) {
    const HIMC context = ImmGetContext(edit);
    if (!context)
        return {};
    const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
    std::wstring result(bytes > 0 ? static_cast<std::size_t>(bytes) / sizeof(wchar_t) : 0, L'\0');
    if (!result.empty())
        ImmGetCompositionStringW(context, GCS_RESULTSTR, result.data(), bytes);
    ImmReleaseContext(edit, context);
    return result;
}

// An input method's result string goes in as one replacement of the selection, as far as the rule
// takes it.
void insertComposition(HWND edit, Host& host, Field field) {
    const std::wstring result = compositionResult(edit);
    const std::optional<std::u16string> kept =
        insert(host, field, {reinterpret_cast<const char16_t*>(result.data()), result.size()},
               Insertion::Composed);
    if (kept)
        SendMessageW(edit, EM_REPLACESEL, TRUE,
                     reinterpret_cast<LPARAM>(std::wstring(kept->begin(), kept->end()).c_str()));
}

LRESULT fieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, void* data) {
    auto& host = *static_cast<Win32Host*>(data);
    const std::optional<Field> field = host.fieldOf(edit);
    if (!field)
        return callNext(edit, message, wParam, lParam);
    switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
        if (isFieldCommand(wParam)) {
            if (wParam == kCtrlA) {
                SendMessageW(edit, EM_SETSEL, 0, -1);
                return 0;
            }
            break;
        }
        if (wParam == kBackspace || wParam == kEnter || wParam == kEscape)
            return keyTaken(host, *field, char16_t(wParam))
                       ? callNext(edit, message, wParam, lParam)
                       : 0;
        if (const auto kept =
                insert(host, *field, std::u16string(1, char16_t(wParam)), Insertion::Typed))
            return callNext(edit, message, kept->front(), lParam);
        return 0;
    case WM_UNICHAR: {
        // Another program's characters, as UTF-32: judged unit by unit like typed ones.
        if (wParam == UNICODE_NOCHAR)
            return TRUE;
        if (wParam > 0x10FFFF || (wParam >= 0xD800 && wParam <= 0xDFFF))
            return FALSE;
        wchar_t units[2];
        int count = 1;
        units[0] = static_cast<wchar_t>(wParam);
        if (wParam > 0xFFFF) {
            units[0] = static_cast<wchar_t>(0xD800 + ((wParam - 0x10000) >> 10));
            units[1] = static_cast<wchar_t>(0xDC00 + ((wParam - 0x10000) & 0x3FF));
            count = 2;
        }
        for (int i = 0; i < count; ++i)
            SendMessageW(edit, WM_CHAR, units[i], lParam);
        return FALSE;
    }
    case WM_IME_COMPOSITION:
        if (lParam & GCS_RESULTSTR) {
            insertComposition(edit, host, *field);
            lParam &=
                ~(GCS_RESULTSTR | GCS_RESULTREADSTR | GCS_RESULTCLAUSE | GCS_RESULTREADCLAUSE);
        }
        break;
    }
    return callNext(edit, message, wParam, lParam);
}

} // namespace

void filterKeys(HWND edit, Win32Host* host) { subclass(edit, fieldProc, host); }

} // namespace kalvoran
