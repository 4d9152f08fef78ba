// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/win32/level.h"

#include <string>

#include "host/win32/subclass.h"
#include "ui/win32/gdi.h"

namespace kalvoran {
namespace {

// The brush the field's parent gives its background.
HBRUSH background(HWND control, HDC dc, UINT message) {
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(control), message,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(control)));
    return brush ? brush : GetSysColorBrush(COLOR_WINDOW);
}

LRESULT centredProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, void*) {
    switch (message) {
    case WM_NCCALCSIZE: {
        const LRESULT result = callNext(field, message, wParam, lParam);
        RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                              : *reinterpret_cast<RECT*>(lParam);
        const int spare = client.bottom - client.top - lineHeight(field);
        if (spare > 0) {
            client.top += spare / 2;
            client.bottom -= spare - spare / 2;
        }
        return result;
    }
    case WM_NCPAINT: {
        callNext(field, message, wParam, lParam);
        RECT outer, client;
        GetWindowRect(field, &outer);
        GetClientRect(field, &client);
        MapWindowPoints(field, nullptr, reinterpret_cast<POINT*>(&client), 2);
        OffsetRect(&client, -outer.left, -outer.top);
        OffsetRect(&outer, -outer.left, -outer.top);
        InflateRect(&outer, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
        const ScopedDC dc(field, ScopedDC::Whole);
        const bool locked = GetWindowLongW(field, GWL_STYLE) & ES_READONLY;
        HBRUSH brush = background(field, dc, locked ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
        const RECT above{outer.left, outer.top, outer.right, client.top};
        const RECT below{outer.left, client.bottom, outer.right, outer.bottom};
        FillRect(dc, &above, brush);
        FillRect(dc, &below, brush);
        return 0;
    }
    case WM_NCHITTEST: {
        // A click on the band above or below the text goes into the field.
        const LRESULT hit = callNext(field, message, wParam, lParam);
        return hit == HTBORDER || hit == HTNOWHERE ? HTCLIENT : hit;
    }
    case WM_SETFONT: {
        const LRESULT result = callNext(field, message, wParam, lParam);
        SetWindowPos(field, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return result;
    }
    }
    return callNext(field, message, wParam, lParam);
}

// data: the row of the label at which its text's top is drawn, negative above it.
LRESULT levelledProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam, void* data) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(label, &paint);
        RECT client;
        GetClientRect(label, &client);
        FillRect(dc, &client, background(label, dc, WM_CTLCOLORSTATIC));
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(label, text.data(), int(text.size()))));
        {
            const ScopedSelect font(dc, fontOf(label));
            SetBkMode(dc, TRANSPARENT);
            OffsetRect(&client, 0, static_cast<int>(reinterpret_cast<INT_PTR>(data)));
            client.bottom += GetSystemMetrics(SM_CYSCREEN); // clipped by the label, not the box
            DrawTextW(dc, text.c_str(), -1, &client, DT_LEFT | DT_NOPREFIX | DT_SINGLELINE);
        }
        EndPaint(label, &paint);
        return 0;
    }
    }
    return callNext(label, message, wParam, lParam);
}

} // namespace

int lineHeight(HWND control) {
    const ScopedDC dc(control);
    const ScopedSelect font(dc, fontOf(control));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

void centreText(HWND field) {
    subclass(field, centredProc, nullptr);
    SetWindowPos(field, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void drawTextAt(HWND label, int row) {
    subclass(label, levelledProc, reinterpret_cast<void*>(INT_PTR{row}));
    InvalidateRect(label, nullptr, TRUE);
}

} // namespace kalvoran
