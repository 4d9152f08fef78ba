// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/win32/win32_host.h"

#include <algorithm>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/field_input.h"
#include "host/key_press.h"
#include "host/win32/key_filter.h"
#include "host/win32/subclass.h"
#include "host/win32/utf16.h"

namespace kalvoran {
namespace {

// Shift+Insert, which the EDIT pastes by itself without a WM_PASTE; Ctrl+Insert copies.
bool pasteKey(UINT message, WPARAM wParam) {
    return message == WM_KEYDOWN && wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0;
}

// Whether the message may change an EDIT's text: Ctrl+A, Ctrl+C and Ctrl+Insert do not, nor do
// the keys that move the caret.
bool changesText(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_CHAR:
        return wParam != kCtrlA && wParam != kCtrlC;
    case WM_KEYDOWN:
        return wParam == VK_DELETE || wParam == VK_BACK || pasteKey(message, wParam);
    case WM_SETTEXT:
    case EM_REPLACESEL:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case WM_UNICHAR:
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
        return true;
    }
    return false;
}

// The clipboard's text; none when it holds no text.
std::optional<std::wstring> clipboardText(HWND owner) {
    std::optional<std::wstring> text;
    if (!OpenClipboard(owner))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT))
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            text.emplace(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
    CloseClipboard();
    return text;
}

// The number of units selected in the field.
std::size_t selected(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return end - start;
}

// Set while the owner's message box is open, cleared however it ends.
class Raised {
public:
    explicit Raised(bool& flag) : m_flag(flag) { m_flag = true; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;
    ~Raised() { m_flag = false; }

private:
    bool& m_flag;
};

} // namespace

void Win32Host::addField(Field field, HWND edit) {
    m_controls.add(field, edit);
    // No length limit: the EDIT's default of 30,000 characters is lifted.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(edit, EM_SETREADONLY, info(field).locked, 0);
    subclass(edit, guardProc, this);
    if (!info(field).locked) {
        filterKeys(edit, this);
    }
}

void Win32Host::addOption(Option option, HWND button) {
    m_controls.add(option, button);
    const Container container = info(option).container;
    m_groups[static_cast<std::size_t>(container)].push_back(option);
    SendMessageW(button, BM_SETCHECK, option == kInitiallySelected ? BST_CHECKED : BST_UNCHECKED,
                 0);
}

void Win32Host::updateTabStops() {
    for (const ContainerInfo& c : kContainers)
        if (!m_groups[index(c.container)].empty())
            updateTabStop(c.container);
}

bool Win32Host::locked(HWND control) const {
    const std::optional<Field> f = fieldOf(control);
    return f && info(*f).locked;
}

std::string Win32Host::text(Field f) const {
    HWND edit = field(f);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), int(text.size()))));
    return toUtf8(text);
}

void Win32Host::write(Field f, std::string_view text) {
    m_writing = true;
    const BOOL written = SetWindowTextW(field(f), toUtf16(text).c_str());
    m_writing = false;
    if (!written)
        throw std::runtime_error("field refused its text");
}

void Win32Host::caretToStart(Field f) { SendMessageW(field(f), EM_SETSEL, 0, 0); }

bool Win32Host::value(Option o) const {
    return SendMessageW(button(o), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Host::select(Option o) {
    SendMessageW(button(o), BM_SETCHECK, BST_CHECKED, 0);
    updateTabStop(info(o).container);
}

void Win32Host::clear(Option o) {
    SendMessageW(button(o), BM_SETCHECK, BST_UNCHECKED, 0);
    updateTabStop(info(o).container);
}

void Win32Host::updateTabStop(Container container) {
    const std::vector<Option>& group = m_groups[static_cast<std::size_t>(container)];
    Option stop = group.front();
    for (Option o : group)
        if (value(o))
            stop = o;
    for (Option o : group) {
        const LONG_PTR style = GetWindowLongPtrW(button(o), GWL_STYLE);
        SetWindowLongPtrW(button(o), GWL_STYLE,
                          o == stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

void Win32Host::messageBox(std::string_view prompt, std::string_view title, Icon icon) {
    // MB_ICONSTOP, MB_ICONQUESTION and MB_ICONINFORMATION are the icon kinds' own numbers.
    const std::wstring text = toUtf16(prompt), caption = toUtf16(title);
    const Raised open(m_boxOpen);
    MessageBoxW(m_window, text.c_str(), caption.c_str(), MB_OK | static_cast<UINT>(icon));
}

void Win32Host::unload() {
    // The window goes once the running handler has returned; until then this object and every
    // control stay valid, and no further handler runs.
    m_unloaded = true;
    ShowWindow(m_window, SW_HIDE);
    PostMessageW(m_window, WM_CLOSE, 0, 0);
}

// No field changes behind an open message box, and the result field changes only by the host,
// whatever sends the message: the user, another program or assistive technology. The result
// field stays read-only.
LRESULT Win32Host::guardProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, void* data) {
    auto* host = static_cast<Win32Host*>(data);
    const bool locked = host->locked(edit);
    switch (message) {
    case EM_SETREADONLY:
        if (locked)
            wParam = TRUE;
        break;
    case EM_SETLIMITTEXT:
        // The field's limit is the host's own (kMostCharacters), never cut silently.
        return 0;
    case WM_STYLECHANGING:
        if (auto* change = reinterpret_cast<STYLESTRUCT*>(lParam);
            locked && change && wParam == WPARAM(GWL_STYLE))
            change->styleNew |= ES_READONLY;
        break;
    default:
        if (changesText(message, wParam) && !host->m_writing && (locked || host->m_boxOpen)) {
            if (message == WM_UNICHAR && wParam == UNICODE_NOCHAR)
                return TRUE;
            return 0; // FALSE for WM_SETTEXT: refused
        }
        if (host->m_writing)
            break;
        // One rule for every paste: Shift+Insert goes the way of Ctrl+V and the context menu.
        if (pasteKey(message, wParam))
            return SendMessageW(edit, WM_PASTE, 0, 0);
        if (message == WM_PASTE || message == EM_REPLACESEL || (message == WM_SETTEXT && lParam))
            return host->insert(edit, message, wParam, lParam);
    }
    return callNext(edit, message, wParam, lParam);
}

// A text put in from outside the host, as the input rule takes it.
LRESULT Win32Host::insert(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    std::optional<std::wstring> given;
    if (message == WM_PASTE)
        given = clipboardText(edit);
    else if (lParam)
        given.emplace(reinterpret_cast<const wchar_t*>(lParam));
    const std::optional<Field> f = fieldOf(edit);
    if (!given || !f)
        return 0;
    const auto length = static_cast<std::size_t>(GetWindowTextLengthW(edit));
    const std::optional<std::u16string> kept = kalvoran::insert(
        *this, *f, {reinterpret_cast<const char16_t*>(given->data()), given->size()},
        message == WM_PASTE ? Insertion::Pasted : Insertion::Accessible, length,
        message == WM_SETTEXT ? length : selected(edit));
    if (!kept)
        return 0; // FALSE for WM_SETTEXT: refused
    const std::wstring text(kept->begin(), kept->end());
    if (message == WM_PASTE) // undoable, as the field's own paste
        return callNext(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    return callNext(edit, message, wParam, reinterpret_cast<LPARAM>(text.c_str()));
}

} // namespace kalvoran
