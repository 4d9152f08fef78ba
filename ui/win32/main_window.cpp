// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/win32/main_window.h"

#include <algorithm>
#include <commctrl.h>
#include <optional>
#include <stdexcept>

#include "core/dispatch.h"
#include "host/win32/subclass.h"
#include "host/win32/utf16.h"
#include "ui/layout.h"
#include "ui/win32/control_class.h"
#include "ui/win32/frame.h"
#include "ui/win32/gdi.h"
#include "ui/win32/level.h"
#include "ui/win32/option_keys.h"
#include "ui/win32/overlaps.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/window_class.h"
#include "ui/window_model.h"

namespace kalvoran {
namespace {

constexpr wchar_t kWindowClass[] = L"KalvoranWindow";

RECT scaledRect(const ControlSpec& entry, UINT dpi) {
    const Rect r = pixelRect(entry, static_cast<int>(dpi));
    return {r.left, r.top, r.right(), r.bottom()};
}

Rect toRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// The work area of the monitor nearest to the window.
Rect workArea(const RECT& window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &monitor);
    return toRect(monitor.rcWork);
}

// From 50 % to 1000 %: a WM_DPICHANGED outside that range comes from no monitor.
bool plausible(UINT dpi) { return dpi >= 48 && dpi <= 960; }

// The system sends these to the window's thread; posted, they come from another program, and
// every loop of the thread (a message box's too) drops them before a procedure sees them.
LRESULT CALLBACK dropPostedTearDown(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION)
        if (auto* message = reinterpret_cast<MSG*>(lParam); message->message == WM_DPICHANGED ||
                                                            message->message == WM_DESTROY ||
                                                            message->message == WM_NCDESTROY)
            message->message = WM_NULL;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The rectangle at address, if this process may read it there.
std::optional<RECT> readRect(LPARAM address) {
    RECT r;
    SIZE_T read = 0;
    if (!address ||
        !ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(address), &r,
                           sizeof r, &read) ||
        read != sizeof r)
        return std::nullopt;
    return r;
}

} // namespace

MainWindow::MainWindow(HINSTANCE instance) {
    static const ATOM registered = registerWindowClass(instance, kWindowClass, windowProc);
    (void)registered;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    CreateWindowExW(0, kWindowClass, toUtf16(kWindowCaption).c_str(), kMainWindowStyle,
                    CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    if (!m_hwnd)
        throw std::runtime_error("the window could not be created");
    m_host.setWindow(m_hwnd);
    m_dropPosted =
        SetWindowsHookExW(WH_GETMESSAGE, dropPostedTearDown, nullptr, GetCurrentThreadId());
    const UINT dpi = GetDpiForWindow(m_hwnd);
    m_fonts = Fonts(dpi);
    buildControls(dpi);
    m_host.updateTabStops();
    bindEvents();
    finishLayout(dpi);
}

MainWindow::~MainWindow() {
    if (m_hwnd) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        destroyWindow(m_hwnd);
    }
    if (m_dropPosted)
        UnhookWindowsHookEx(m_dropPosted);
    for (HICON icon : m_icons)
        if (icon)
            DestroyIcon(icon);
}

HWND MainWindow::control(std::string_view name) const {
    const std::span<const ControlSpec> table = controlTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].name == name)
            return m_controls[i];
    return nullptr;
}

void MainWindow::buildControls(UINT dpi) {
    const std::span<const ControlSpec> table = controlTable();
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hwnd, GWLP_HINSTANCE));
    std::array<HWND, kContainers.size()> containers{};
    containers[index(Container::Form1)] = m_hwnd;
    m_controls.assign(table.size(), nullptr);
    m_toolTips =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                        0, 0, m_hwnd, nullptr, instance, nullptr);
    const auto defaultFont = reinterpret_cast<WPARAM>(m_fonts[FontRole::Default]);
    SendMessageW(m_toolTips, WM_SETFONT, defaultFont, FALSE);
    guard(m_toolTips);

    for (std::size_t i : creationOrder()) {
        const ControlSpec& entry = table[i];
        HWND parent = containers[index(entry.parent)];
        const std::wstring caption = toUtf16(entry.caption);
        const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + int(i)));
        const RECT r = scaledRect(entry, dpi);
        HWND hwnd;
        if (entry.kind == Kind::Frame) {
            hwnd = createFrame(parent, caption.c_str(), kFirstControlId + int(i), r,
                               m_fonts[entry.font]);
            containers[index(*containerNamed(entry.name))] = hwnd;
        } else {
            // A screen reader names an EDIT by the STATIC before it in creation order.
            if (!entry.accessibleName.empty()) {
                m_names.push_back(CreateWindowExW(
                    0, WC_STATICW, toUtf16(entry.accessibleName).c_str(), WS_CHILD | SS_NOPREFIX, 0,
                    0, 0, 0, parent, nullptr, instance, nullptr));
                SendMessageW(m_names.back(), WM_SETFONT, defaultFont, FALSE);
                guard(m_names.back());
            }
            const ControlClass kind = controlClass(entry);
            hwnd = CreateWindowExW(
                kind.exStyle, kind.name, caption.c_str(), WS_CHILD | WS_VISIBLE | kind.style,
                r.left, r.top, r.right - r.left, r.bottom - r.top, parent, id, instance, nullptr);
            if (hwnd)
                SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts[entry.font]),
                             FALSE);
        }
        if (!hwnd)
            throw std::runtime_error("a control could not be created");
        m_controls[i] = hwnd;
        guard(hwnd);

        if (!entry.toolTip.empty()) {
            std::wstring tip = toUtf16(entry.toolTip);
            TOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND;
            tool.hwnd = m_hwnd;
            tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
            tool.lpszText = tip.data();
            SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        if (const auto field = fieldNamed(entry.name)) {
            m_host.addField(*field, hwnd);
            centreText(hwnd);
        }
        if (const auto option = optionNamed(entry.name)) {
            m_host.addOption(*option, hwnd);
            moveWithArrows(hwnd, &m_host);
        }
    }
}

void MainWindow::bindEvents() { bindHandlers(m_host); }

void MainWindow::layout(UINT dpi) {
    // The old fonts stay until every control has its new one.
    Fonts fonts(dpi);
    const std::span<const ControlSpec> table = controlTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ControlSpec& entry = table[i];
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(fonts[entry.font]), FALSE);
        const RECT r = scaledRect(entry, dpi);
        MoveWindow(m_controls[i], r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    }
    for (HWND name : m_names)
        SendMessageW(name, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[FontRole::Default]), FALSE);
    SendMessageW(m_toolTips, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[FontRole::Default]), FALSE);
    m_fonts = std::move(fonts);
    finishLayout(dpi);
}

void MainWindow::finishLayout(UINT dpi) {
    levelUnitLabels(dpi);
    shareOverlaps(dpi);
    fitWindow(dpi);
    setIcons(dpi);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void MainWindow::levelUnitLabels(UINT dpi) {
    const std::span<const ControlSpec> table = controlTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].unitOf) {
            // On the field's text line, which the field centres on its height.
            drawTextAt(m_controls[i],
                       unitRow(table[i], lineHeight(m_host.field(*table[i].unitOf)), int(dpi)));
        }
}

void MainWindow::fitWindow(UINT dpi) {
    const Size wanted = clientSize(static_cast<int>(dpi));
    RECT outer{0, 0, wanted.width, wanted.height};
    AdjustWindowRectExForDpi(&outer, kMainWindowStyle, FALSE, 0, dpi);
    m_size = {outer.right - outer.left, outer.bottom - outer.top};
    SetWindowPos(m_hwnd, nullptr, 0, 0, m_size.cx, m_size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame may be drawn at another scale than dpi (Wine draws it at the system's): the
    // client area is what must come out as the table gives it.
    RECT client;
    GetClientRect(m_hwnd, &client);
    const LONG wider = wanted.width - client.right, higher = wanted.height - client.bottom;
    if (wider || higher) {
        m_size = {m_size.cx + wider, m_size.cy + higher};
        SetWindowPos(m_hwnd, nullptr, 0, 0, m_size.cx, m_size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainWindow::shareOverlaps(UINT dpi) {
    const std::span<const ControlSpec> table = controlTable();
    std::array<std::vector<Sibling>, kContainers.size()> containers;
    const ScopedDC dc(m_hwnd); // one for all the measuring
    for (std::size_t i : creationOrder()) {
        const ControlSpec& entry = table[i];
        const RECT rect = scaledRect(entry, dpi);
        const RECT shown =
            entry.kind == Kind::OptionButton ? shownPart(dc, m_controls[i], rect, dpi) : rect;
        containers[index(entry.parent)].push_back({m_controls[i], rect, shown});
    }
    for (const std::vector<Sibling>& siblings : containers)
        kalvoran::shareOverlaps(siblings);
}

void MainWindow::setIcons(UINT dpi) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hwnd, GWLP_HINSTANCE));
    int sizes[2];
    sizes[ICON_SMALL] = GetSystemMetricsForDpi(SM_CXSMICON, dpi);
    sizes[ICON_BIG] = GetSystemMetricsForDpi(SM_CXICON, dpi);
    for (int which : {ICON_BIG, ICON_SMALL}) {
        HICON icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_KALVORAN),
                                                   IMAGE_ICON, sizes[which], sizes[which], 0));
        SendMessageW(m_hwnd, WM_SETICON, static_cast<WPARAM>(which),
                     reinterpret_cast<LPARAM>(icon));
        if (m_icons[which])
            DestroyIcon(m_icons[which]);
        m_icons[which] = icon;
    }
}

void MainWindow::moveTo(const RECT& wanted) {
    const Rect placed = keptOn(workArea(wanted), toRect(wanted));
    SetWindowPos(m_hwnd, nullptr, placed.left, placed.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::relayToToolTips(const MSG& message) const {
    if (m_toolTips && message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST)
        SendMessageW(m_toolTips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

void MainWindow::show(int how) {
    RECT window;
    GetWindowRect(m_hwnd, &window);
    const Rect outer = toRect(window);
    const Rect centred = centredOn(workArea(window), {outer.width, outer.height});
    SetWindowPos(m_hwnd, nullptr, centred.left, centred.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(m_hwnd, how);
    SetFocus(m_host.field(startFocus()));
}

void MainWindow::onClicked(HWND control) {
    // Only a control of this window: a notice from elsewhere may name any window or id.
    const auto found = std::ranges::find(m_controls, control);
    if (!control || found == m_controls.end())
        return;
    click(m_host,
          clickOf(controlTable()[static_cast<std::size_t>(found - m_controls.begin())].name));
}

// Enter presses the focused command button, and nothing else.
void MainWindow::onEnter() {
    HWND focus = GetFocus();
    const std::span<const ControlSpec> table = controlTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (m_controls[i] == focus && table[i].kind == Kind::CommandButton)
            onClicked(focus);
}

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            onEnter();
        else if (HIWORD(wParam) == BN_CLICKED && lParam &&
                 GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == LOWORD(wParam))
            onClicked(reinterpret_cast<HWND>(lParam));
        return 0; // IDCANCEL (Escape) presses nothing
    case WM_CTLCOLORSTATIC:
        // A locked field keeps the look of a field.
        if (m_host.locked(reinterpret_cast<HWND>(lParam))) {
            SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
            SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        break;
    case WM_ACTIVATE:
        // The focus comes back to the control that had it.
        if (LOWORD(wParam) == WA_INACTIVE)
            m_lastFocus = GetFocus();
        else
            SetFocus(m_lastFocus && IsChild(m_hwnd, m_lastFocus) ? m_lastFocus
                                                                 : m_host.field(startFocus()));
        return 0;
    case WM_DPICHANGED: {
        // Sent by the system on a move to a monitor of another scale; anything else may send
        // it too, so neither parameter is taken on trust.
        if (!plausible(HIWORD(wParam)))
            return 0;
        layout(HIWORD(wParam));
        // The suggested rectangle is a pointer into the sender's memory when another thread
        // sent it: only the window's own thread's is read, and only where it may be read.
        // Wherever it points, the whole window stays on a work area.
        RECT wanted;
        GetWindowRect(m_hwnd, &wanted);
        if (const std::optional<RECT> suggested = InSendMessage() ? std::nullopt : readRect(lParam))
            OffsetRect(&wanted, suggested->left - wanted.left, suggested->top - wanted.top);
        moveTo(wanted);
        return 0;
    }
    case WM_GETMINMAXINFO:
        if (auto* limits = reinterpret_cast<MINMAXINFO*>(lParam); limits && m_size.cx) {
            limits->ptMaxSize = limits->ptMinTrackSize =
                limits->ptMaxTrackSize = {m_size.cx, m_size.cy};
            return 0;
        }
        break;
    case WM_WINDOWPOSCHANGING:
        // The window has one size, whoever asks.
        if (auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            pos && m_size.cx && !(pos->flags & SWP_NOSIZE)) {
            pos->cx = m_size.cx;
            pos->cy = m_size.cy;
        }
        break;
    case WM_SIZE:
        if (wParam == SIZE_MAXIMIZED)
            ShowWindow(m_hwnd, SW_RESTORE);
        return 0;
    case WM_SYSCOMMAND:
        // The window has one size, whoever asks (a window manager, a keyboard shortcut).
        if ((wParam & 0xFFF0) == SC_MAXIMIZE || (wParam & 0xFFF0) == SC_SIZE)
            return 0;
        break;
    case WM_CLOSE:
        // Nothing closes the window behind an open message box.
        if (!m_host.boxOpen())
            destroyWindow(m_hwnd);
        return 0;
    case WM_DESTROY:
        // Only destroyWindow destroys the window; another program may send or post the
        // messages that announce it, and they change nothing.
        if (destroying())
            PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        if (!destroying())
            return 0;
        HWND hwnd = m_hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        m_hwnd = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

} // namespace kalvoran
