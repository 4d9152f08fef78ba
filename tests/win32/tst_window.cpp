// SPDX-License-Identifier: GPL-3.0-or-later
// Kalvoran.exe's window, in the test's own process under Wine: every control as the layout table
// describes it, the start state, exclusivity per container, the events through the real
// controls, the message boxes, the key filter, the locked result field, every screen scale, and
// the names a screen reader reads through MSAA. The window's cases, clicked and typed through X
// (check_cases.py), check the tab order, the results and the boxes' titles.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <commctrl.h>
#include <imm.h>
#include <oleacc.h>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "core/handlers.h"
#include "host/key_press.h"
#include "tests/win32/check.h"
#include "ui/layout.h"
#include "ui/win32/fonts.h"
#include "ui/win32/frame.h"
#include "ui/win32/gdi.h"
#include "ui/win32/main_window.h"

using namespace kalvoran;

namespace {

MainWindow* window = nullptr;
// Run as "tst_window fallback" in a Wine prefix without Wine's .fon files: the window without MS
// Sans Serif, at 96 dpi, in the face that stands in for it.
bool fallback = false;

std::wstring textOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), int(text.size()))));
    return text;
}

std::wstring classOf(HWND hwnd) {
    wchar_t name[64];
    return std::wstring(name, static_cast<std::size_t>(GetClassNameW(hwnd, name, 64)));
}

HWND named(std::string_view name) { return window->control(name); }
std::wstring fieldText(Field f) { return textOf(window->host().field(f)); }

// As the program's own message loop does.
void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (!IsDialogMessageW(window->hwnd(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
}

void press(HWND hwnd, WPARAM key) {
    SetFocus(hwnd);
    MSG down{hwnd, WM_KEYDOWN, key, 1, 0, {}};
    if (!IsDialogMessageW(window->hwnd(), &down)) {
        TranslateMessage(&down);
        DispatchMessageW(&down);
    }
    pump();
}

// What a screen reader asks through MSAA: the name, role and state of a window's client object.
struct Announced {
    std::wstring name;
    long role = 0;
    long state = 0;
};
Announced announced(HWND hwnd) {
    Announced seen;
    IAccessible* accessible = nullptr;
    // __uuidof: the IID_IAccessible of mingw-w64's import library is not the one oleacc answers.
    if (FAILED(AccessibleObjectFromWindow(hwnd, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible))))
        return seen;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (accessible->get_accName(self, &name) == S_OK && name)
        seen.name = name;
    SysFreeString(name);
    VARIANT role{}, state{};
    if (accessible->get_accRole(self, &role) == S_OK && role.vt == VT_I4)
        seen.role = role.lVal;
    if (accessible->get_accState(self, &state) == S_OK && state.vt == VT_I4)
        seen.state = state.lVal;
    accessible->Release();
    return seen;
}

// Every message box is read and answered as it opens; whileOpen runs behind it. announced: a
// screen reader reads the same title and text.
struct Box {
    std::wstring title, text;
    int icon;
    bool announced = false;
    DWORD opened = GetTickCount(); // ms
};
std::vector<Box> boxes;
void (*whileOpen)() = nullptr;

int iconKind(HWND box) {
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if ((GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && classOf(c) == L"Static") {
            const auto icon = reinterpret_cast<HICON>(SendMessageW(c, STM_GETICON, 0, 0));
            for (auto [id, kind] :
                 {std::pair{IDI_HAND, 16}, {IDI_QUESTION, 32}, {IDI_ASTERISK, 64}})
                if (icon == LoadIconW(nullptr, id))
                    return kind;
        }
    return 0;
}

LRESULT CALLBACK boxHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && classOf(box) == L"#32770") {
        Box seen{textOf(box), {}, iconKind(box)};
        seen.announced = announced(box).name == seen.title;
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (classOf(c) == L"Static" && !textOf(c).empty()) {
                seen.text = textOf(c);
                seen.announced = seen.announced && announced(c).name == seen.text;
            }
        boxes.push_back(seen);
        if (whileOpen)
            whileOpen();
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void putOnClipboard(const std::wstring& text) {
    OpenClipboard(window->hwnd());
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str());
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

void everyControlAsTheTableSays() {
    for (const ControlSpec& entry : controlTable()) {
        check::row = std::string(entry.name);
        HWND hwnd = named(entry.name);
        CHECK(hwnd);
        const HWND container = entry.parent == Container::Form1
                                   ? window->hwnd()
                                   : named("Frame" + std::to_string(int(entry.parent)));
        CHECK(GetParent(hwnd) == container);
        RECT r;
        GetWindowRect(hwnd, &r);
        MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&r), 2);
        CHECK_EQ(r.left, entry.left / 15);
        CHECK_EQ(r.top, entry.top / 15);
        CHECK_EQ(r.right - r.left, entry.width / 15);
        CHECK_EQ(r.bottom - r.top, entry.height / 15);

        const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
        HWND drawn = entry.kind == Kind::Frame ? frameBox(hwnd) : hwnd;
        CHECK_EQ(textOf(drawn), toUtf16(entry.caption));
        const std::wstring wanted[] = {L"Button", L"Edit", L"Static", L"Button", L"Button"};
        const LONG types[] = {BS_GROUPBOX, 0, SS_LEFT, BS_RADIOBUTTON, BS_PUSHBUTTON};
        CHECK_EQ(classOf(drawn), wanted[int(entry.kind)]);
        CHECK_EQ(GetWindowLongW(drawn, GWL_STYLE) & 0xF, types[int(entry.kind)]);
        if (entry.kind == Kind::Frame) {
            CHECK(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
            RECT box;
            GetWindowRect(drawn, &box);
            MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&box), 2);
            CHECK(EqualRect(&box, &r)); // the group box covers its frame exactly
        }
        if (entry.kind == Kind::OptionButton)
            CHECK(style & BS_MULTILINE);
        if (entry.kind == Kind::TextField)
            CHECK_EQ(bool(style & ES_READONLY), entry.name == "Text4");

        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(drawn, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        if (fallback)
            CHECK(std::wstring(font.lfFaceName) != L"MS Sans Serif");
        else
            CHECK_EQ(std::wstring(font.lfFaceName), std::wstring(L"MS Sans Serif"));
        CHECK_EQ(font.lfHeight, entry.font == FontRole::Default ? -11 : -16);
        CHECK_EQ(font.lfWeight, entry.font == FontRole::LargeBold ? FW_BOLD : FW_NORMAL);
    }
}

void windowFrame() {
    check::row = "Form1";
    RECT client;
    GetClientRect(window->hwnd(), &client);
    CHECK_EQ(client.right, 468);
    CHECK_EQ(client.bottom, 448);
    CHECK_EQ(textOf(window->hwnd()), std::wstring(L"Der Kalvoran"));
    const LONG style = GetWindowLongW(window->hwnd(), GWL_STYLE);
    CHECK_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_MINIMIZEBOX | WS_SYSMENU),
             WS_MINIMIZEBOX | WS_SYSMENU);
    for (auto [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
        ICONINFO icon{};
        CHECK(GetIconInfo(
            reinterpret_cast<HICON>(SendMessageW(window->hwnd(), WM_GETICON, which, 0)), &icon));
        BITMAP image{};
        GetObjectW(icon.hbmColor, sizeof image, &image);
        CHECK_EQ(image.bmWidth, GetSystemMetrics(metric));
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    }
    // Centred on the work area.
    RECT placed, area;
    GetWindowRect(window->hwnd(), &placed);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    CHECK_LE(std::abs((placed.left + placed.right) - (area.left + area.right)), 1);
    CHECK_LE(std::abs((placed.top + placed.bottom) - (area.top + area.bottom)), 1);
    SendMessageW(window->hwnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    CHECK(!IsZoomed(window->hwnd()));

    // Tooltips on the four command buttons only, with the table's texts.
    HWND tips = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM found) {
            if (classOf(hwnd) == TOOLTIPS_CLASSW && GetWindow(hwnd, GW_OWNER) == window->hwnd())
                *reinterpret_cast<HWND*>(found) = hwnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tips));
    CHECK_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), LRESULT(4));
    for (const ControlSpec& entry : controlTable()) {
        check::row = std::string(entry.name) + " tooltip";
        wchar_t text[200] = L"";
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = window->hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(named(entry.name));
        tool.lpszText = text;
        SendMessageW(tips, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
        CHECK_EQ(std::wstring(text), toUtf16(entry.toolTip));
    }
}

void startState() {
    check::row = "start";
    for (const FieldInfo& f : kFields)
        CHECK_EQ(fieldText(f.field), std::wstring());
    for (const OptionInfo& o : kOptions)
        CHECK_EQ(window->host().value(o.option), o.option == Option::stromueber);
}

void exclusiveWithinTheImmediateContainer() {
    check::row = "exclusivity";
    Host& host = window->host();
    host.bindOptionClick({}); // the host alone, without the presets' own clearing
    for (Option o : {Option::lednor, Option::lüft5v, Option::ledrot, Option::strombel})
        host.setValue(o, true);
    CHECK(host.value(Option::lednor) && host.value(Option::lüft5v) && host.value(Option::ledrot));
    CHECK(!host.value(Option::stromueber));
    host.setValue(Option::ledgelb, true);
    CHECK(!host.value(Option::ledrot) && host.value(Option::lednor));
    bindOptionHandlers(host);
    SendMessageW(named("neurechnen"), BM_CLICK, 0, 0);
}

void eventsThroughTheControls() {
    check::row = "12 V, two red LEDs";
    for (const char* name : {"opt12v", "ledrot", "verbr2"})
        SendMessageW(named(name), BM_CLICK, 0, 0);
    // The arrow keys move within the group and select as a click does.
    press(named("verbr2"), VK_DOWN);
    CHECK(GetFocus() == named("verbr3"));
    CHECK_EQ(fieldText(Field::Text3), std::wstring(L"3"));

    check::row = "message boxes";
    whileOpen = [] {
        SendMessageW(named("neurechnen"), BM_CLICK, 0, 0); // runs nothing behind the box
        SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
    };
    SendMessageW(named("hilfe"), BM_CLICK, 0, 0);
    SendMessageW(named("Text3"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"9"));
    SendMessageW(named("berechnen"), BM_CLICK, 0, 0);
    whileOpen = nullptr;
    CHECK(IsWindow(window->hwnd()));
    CHECK_EQ(fieldText(Field::Text1), std::wstring(L"12"));
    SendMessageW(named("neurechnen"), BM_CLICK, 0, 0);
    SendMessageW(named("berechnen"), BM_CLICK, 0, 0);
    CHECK_EQ(boxes.size(), std::size_t(3));
    if (boxes.size() == 3) {
        CHECK_EQ(boxes[0].text.substr(0, 20), std::wstring(L" Dieses Programm die"));
        CHECK_EQ(boxes[0].icon, 32);
        CHECK_EQ(boxes[1].icon, 64);
        CHECK_EQ(boxes[2].icon, 16);
    }
    for (const Box& box : boxes)
        CHECK(box.announced);
}

void keysAndTheLockedField() {
    check::row = "typed into Text2";
    HWND text2 = named("Text2");
    SetFocus(text2);
    for (wchar_t c : std::wstring(L"3a,.-+ E\u00E4\u20AC\u00B25\r\x1B\t\x7F\x08"
                                  "5"))
        SendMessageW(text2, WM_CHAR, c, 1);
    CHECK_EQ(textOf(text2), std::wstring(L"3,5"));
    check::row = "an input method's result in Text2";
    HIMC context = ImmGetContext(text2);
    std::wstring composed = L"7a8";
    ImmSetCompositionStringW(context, SCS_SETSTR, composed.data(),
                             DWORD(composed.size() * sizeof(wchar_t)), nullptr, 0);
    ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
    ImmReleaseContext(text2, context);
    pump();
    CHECK_EQ(textOf(text2), std::wstring(L"3,578"));

    check::row = "Enter on an option button and Escape press nothing";
    const std::size_t before = boxes.size();
    press(named("opt5v"), VK_RETURN);
    press(named("hilfe"), VK_ESCAPE);
    CHECK_EQ(boxes.size(), before);

    // As much as a field holds goes in whole, however it comes, each line break as a blank; more
    // is refused at once, with a message, and the field keeps its text. A limit that another
    // program sets cuts nothing.
    struct Insertion {
        const char* how;
        UINT message;
        std::wstring text;
        std::optional<std::wstring> held; // none: refused
    };
    const std::wstring most(Win32Host::kMostCharacters, L'7'), million(1000000, L'8'),
        beyond(Win32Host::kMostCharacters + 5000, L'9');
    const Insertion insertions[] = {
        {"Ctrl+V of as much as a field holds", WM_CHAR, most, most},
        {"Ctrl+V of a million digits", WM_CHAR, million, {}},
        {"Ctrl+V of each line break", WM_CHAR, L"1\r\n2\r3\n4\u00855\u20286\u20297\n\r",
         L"1 2 3 4 5 6 7  "},
        {"Ctrl+V of a short first line", WM_CHAR, L"12\r\n" + beyond, {}},
        {"WM_SETTEXT from outside", WM_SETTEXT, beyond, {}},
        {"EM_REPLACESEL from outside", EM_REPLACESEL, beyond, {}},
        {"EM_REPLACESEL of two lines from outside", EM_REPLACESEL, L"1\n2", L"1 2"},
    };
    HWND text5 = named("Text5");
    for (const Insertion& insertion : insertions) {
        check::row = insertion.how;
        window->host().setText(Field::Text5, "5");
        SendMessageW(text5, EM_SETLIMITTEXT, 5, 0);
        putOnClipboard(insertion.text);
        SetFocus(text5);
        SendMessageW(text5, EM_SETSEL, 0, -1);
        const std::size_t before = boxes.size();
        const DWORD sent = GetTickCount();
        if (insertion.message == WM_CHAR)
            SendMessageW(text5, WM_CHAR, kCtrlV, 1);
        else
            SendMessageW(text5, insertion.message, TRUE,
                         reinterpret_cast<LPARAM>(insertion.text.c_str()));
        CHECK_LE(GetTickCount() - sent, DWORD(1000) + (boxes.size() - before) * 5000);
        CHECK_EQ(textOf(text5), insertion.held.value_or(L"5"));
        CHECK_EQ(boxes.size() - before, std::size_t(!insertion.held));
        if (boxes.size() > before) {
            CHECK_EQ(boxes.back().title, std::wstring(L"Einfügen nicht möglich"));
            CHECK_LE(boxes.back().opened - sent, DWORD(1000));
        }
    }

    check::row = "Text4 refuses every edit";
    HWND text4 = named("Text4");
    window->host().setText(Field::Text4, "75");
    SendMessageW(text4, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"999"));
    SendMessageW(text4, WM_CHAR, L'9', 1);
    SendMessageW(text4, WM_PASTE, 0, 0);
    CHECK_EQ(textOf(text4), std::wstring(L"75"));
}

// Under a high-contrast scheme the result field shows its digits in the scheme's text colour on
// its window colour, as every other field does.
void lockedFieldInHighContrast() {
    check::row = "Text4 in high contrast";
    const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
    const COLORREF saved[] = {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};
    const COLORREF contrast[] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    SetSysColors(2, elements, contrast);
    window->host().setText(Field::Text4, "75");
    RedrawWindow(window->hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pump();
    RECT r;
    HWND text4 = named("Text4");
    GetClientRect(text4, &r);
    int text = 0, background = 0;
    {
        const ScopedDC dc(text4);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                text += GetPixel(dc, x, y) == contrast[1];
                background += GetPixel(dc, x, y) == contrast[0];
            }
    }
    CHECK_LE(10, text);
    CHECK_LE(r.right * r.bottom / 2, background);
    SetSysColors(2, elements, saved);
    window->host().setText(Field::Text4, "");
    RedrawWindow(window->hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pump();
}

// What another program may send. Behind an open message box: characters and edits of every
// kind, and clicks, change nothing. At any time: characters go through the filter whatever
// message carries them, the result field stays locked, the window keeps its size, and a DPI
// change without its rectangle or with no DPI ends nothing.
struct Sent {
    const char* target; // none: the window
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool posted = false; // by another program, to be taken by the box's own loop
};
HWND targetOf(const Sent& sent) { return sent.target ? named(sent.target) : window->hwnd(); }

// Another program: the probe beside this test posts each posted row's message, as another
// program may, and has ended before they are taken.
void postedByTheProbe(std::span<const Sent> rows) {
    wchar_t path[MAX_PATH];
    std::wstring line(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    line = L"\"" + line.substr(0, line.find_last_of(L'\\') + 1) + L"probe.exe\" post";
    for (const Sent& sent : rows)
        if (sent.posted)
            for (const auto number :
                 {std::size_t(sent.target ? GetDlgCtrlID(named(sent.target)) : 0),
                  std::size_t(sent.message), std::size_t(sent.wParam), std::size_t(sent.lParam)})
                line += L" " + std::to_wstring(number);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION probe{};
    CHECK(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                         nullptr, &startup, &probe));
    WaitForSingleObject(probe.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(probe.hProcess, &code);
    CHECK_EQ(code, DWORD(0));
    CloseHandle(probe.hProcess);
    CloseHandle(probe.hThread);
}
const Sent kBehindABox[] = {
    {"Text1", WM_CHAR, L'9', 1},
    {"Text1", WM_UNICHAR, L'9', 1},
    {"Text2", WM_IME_CHAR, L'9', 1},
    {"Text3", WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"9")},
    {"Text5", EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"9")},
    {"Text5", WM_PASTE, 0, 0},
    {"Text1", WM_KEYDOWN, VK_DELETE, 1},
    {"Text2", WM_CLEAR, 0, 0},
    {"neurechnen", BM_CLICK, 0, 0},
    {nullptr, WM_NCDESTROY, 0, 0, true},
    {nullptr, WM_DESTROY, 0, 0, true},
    {nullptr, WM_DPICHANGED, MAKEWPARAM(144, 144), 0x1234, true},
    {"Text1", WM_NCDESTROY, 0, 0, true},
    {"Text4", WM_DESTROY, 0, 0, true},
    {"berechnen", WM_NCDESTROY, 0, 0, true},
    {"Label3", WM_NCDESTROY, 0, 0, true},
    {"Frame3", WM_NCDESTROY, 0, 0, true},
    {"ledrot", WM_NCDESTROY, 0, 0, true},
};
const Sent kAnyTime[] = {
    {"Text1", WM_UNICHAR, L'x', 1},    {"Text1", WM_UNICHAR, L'.', 1},
    {"Text1", WM_UNICHAR, 0x1F600, 1}, {"Text2", WM_UNICHAR, L'-', 1},
    {"Text3", WM_UNICHAR, L'.', 1},    {"Text4", EM_SETREADONLY, FALSE, 0},
    {"Text4", WM_CHAR, L'9', 1},       {"Text4", WM_UNICHAR, L'9', 1},
    {"Text1", EM_SETLIMITTEXT, 1, 0},  {nullptr, WM_DPICHANGED, MAKEWPARAM(96, 96), 0x1234},
};

void messagesFromOutside() {
    Host& host = window->host();
    const auto fill = [&host] {
        for (auto [field, text] : {std::pair{Field::Text1, "12"},
                                   {Field::Text2, "3"},
                                   {Field::Text3, "2"},
                                   {Field::Text5, "30"},
                                   {Field::Text4, "75"}})
            host.setText(field, text);
        for (const char* name : {"Text1", "Text2", "Text3", "Text5"})
            SendMessageW(named(name), EM_SETSEL, 0, -1);
    };
    const auto unchanged = [](const char* what) {
        check::row = what;
        for (auto [field, text] : {std::pair{Field::Text1, L"12"},
                                   {Field::Text2, L"3"},
                                   {Field::Text3, L"2"},
                                   {Field::Text5, L"30"},
                                   {Field::Text4, L"75"}})
            CHECK_EQ(fieldText(field), std::wstring(text));
    };
    // The window and every control as before: the filter, the lock, the size, each command.
    const auto working = [&unchanged](const char* what) {
        unchanged(what);
        check::row = std::string("the window after ") + what;
        CHECK(window->hwnd() && IsWindowEnabled(window->hwnd()));
        RECT client;
        GetClientRect(window->hwnd(), &client);
        CHECK_EQ(client.right, 468);
        CHECK_EQ(client.bottom, 448);
        SendMessageW(named("Text1"), WM_CHAR, L'x', 1);
        SendMessageW(named("Text1"), WM_CHAR, L'5', 1);
        CHECK_EQ(fieldText(Field::Text1), std::wstring(L"5"));
        CHECK_EQ(textOf(frameBox(named("Frame3"))), std::wstring(L"Ultrahelle LED\u00B4s"));
        CHECK_EQ(textOf(named("Label3")), std::wstring(L"Volt"));
        const std::size_t shown = boxes.size();
        for (const char* name : {"neurechnen", "berechnen", "hilfe", "ledrot"})
            SendMessageW(named(name), BM_CLICK, 0, 0);
        CHECK_EQ(boxes.size(), shown + 2);
        CHECK(window->host().value(Option::ledrot));
        CHECK_EQ(fieldText(Field::Text1), std::wstring());
    };
    fill();
    const std::size_t before = boxes.size();
    whileOpen = [] {
        for (const Sent& sent : kBehindABox)
            if (!sent.posted)
                SendMessageW(named(sent.target), sent.message, sent.wParam, sent.lParam);
        PostMessageW(named("Text1"), WM_CHAR, L'9', 1);
        postedByTheProbe(kBehindABox);
    };
    SendMessageW(named("hilfe"), BM_CLICK, 0, 0);
    whileOpen = nullptr;
    pump();
    CHECK_EQ(boxes.size(), before + 1);
    working("sent and posted behind the help box");

    fill();
    for (const Sent& sent : kAnyTime)
        SendMessageW(targetOf(sent), sent.message, sent.wParam, sent.lParam);
    unchanged("characters outside the filter, the result field unlocked");
    CHECK(GetWindowLongW(named("Text4"), GWL_STYLE) & ES_READONLY);

    check::row = "sized from outside";
    ShowWindow(window->hwnd(), SW_MAXIMIZE);
    SetWindowPos(window->hwnd(), nullptr, 0, 0, 900, 900, SWP_NOMOVE | SWP_NOZORDER);
    PostMessageW(window->hwnd(), WM_DPICHANGED, 0, 0);
    SendMessageW(window->hwnd(), WM_DPICHANGED, MAKEWPARAM(96, 96), 0);
    pump();
    RECT client;
    GetClientRect(window->hwnd(), &client);
    CHECK_EQ(client.right, 468);
    CHECK_EQ(client.bottom, 448);
    ShowWindow(window->hwnd(), SW_RESTORE);

    // Another program's thread: what tears a window down, click notices with ids and controls
    // that are not the window's, and a DPI change whose rectangle points into its own memory.
    // The window goes on as before.
    fill();
    std::atomic<bool> done = false;
    std::thread other([&done] {
        HWND top = window->hwnd(), hilfe = named("hilfe");
        const auto click = [](int id) { return MAKEWPARAM(id, BN_CLICKED); };
        for (const Sent& sent : std::initializer_list<Sent>{
                 {nullptr, WM_COMMAND, click(GetDlgCtrlID(hilfe) + 1), LPARAM(hilfe)},
                 {nullptr, WM_COMMAND, click(0xFFFF), 0},
                 {nullptr, WM_COMMAND, click(GetDlgCtrlID(hilfe)), LPARAM(top)},
                 {nullptr, WM_DPICHANGED, MAKEWPARAM(96, 96), 16},
                 {nullptr, WM_DESTROY, 0, 0},
                 {nullptr, WM_NCDESTROY, 0, 0},
                 {"Text1", WM_DESTROY, 0, 0},
                 {"Text1", WM_NCDESTROY, 0, 0},
                 {"berechnen", WM_NCDESTROY, 0, 0},
                 {"hilfe", WM_DESTROY, 0, 0},
                 {"Label2", WM_NCDESTROY, 0, 0},
                 {"Frame3", WM_NCDESTROY, 0, 0},
                 {"ledrot", WM_DESTROY, 0, 0}})
            SendMessageW(targetOf(sent), sent.message, sent.wParam, sent.lParam);
        done = true;
    });
    while (!done) // the window's thread takes what the other sends
        pump();
    other.join();
    working("tear-down messages and strange click notices from another thread");
    CHECK_EQ(textOf(named("Label2")), toUtf16(specNamed("Label2")->caption));

    // Wherever a DPI change would put the window, the whole of it stays on the work area.
    RECT area;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    for (const RECT suggested : {RECT{32767, 3, 32767 + 480, 3 + 480}, RECT{-5000, -5000, 0, 0}}) {
        check::row =
            "DPI change to " + std::to_string(suggested.left) + "," + std::to_string(suggested.top);
        SendMessageW(window->hwnd(), WM_DPICHANGED, MAKEWPARAM(96, 96),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT placed;
        GetWindowRect(window->hwnd(), &placed);
        CHECK_LE(area.left, placed.left);
        CHECK_LE(area.top, placed.top);
        CHECK_LE(placed.right, area.right);
        CHECK_LE(placed.bottom, area.bottom);
    }
}

// Where the dark pixels inside the control's client area lie, in the window's client
// coordinates: the highest and the lowest row, the leftmost column.
struct Ink {
    int top = -1, bottom = -1, left = -1;
};
Ink inkOf(HWND control) {
    RECT r;
    GetClientRect(control, &r);
    MapWindowPoints(control, window->hwnd(), reinterpret_cast<POINT*>(&r), 2);
    const ScopedDC dc(window->hwnd());
    Ink ink;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (const COLORREF c = GetPixel(dc, x, y);
                GetRValue(c) + GetGValue(c) + GetBValue(c) < 200) {
                ink.top = ink.top < 0 ? y : ink.top;
                ink.bottom = y;
                ink.left = ink.left < 0 ? x : std::min(ink.left, x);
            }
    return ink;
}

// The first column of ink (as inkOf sees it) of the control's text drawn alone in its font at
// x = 0.
int firstInkColumn(HWND control) {
    const ScopedDC screen(window->hwnd());
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 60);
    int first = -1;
    {
        const ScopedSelect canvas(memory, bitmap);
        const ScopedSelect font(memory, fontOf(control));
        RECT all{0, 0, 200, 60};
        FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DrawTextW(memory, textOf(control).c_str(), -1, &all, DT_LEFT | DT_SINGLELINE);
        for (int x = 0; x < 200 && first < 0; ++x)
            for (int y = 0; y < 60; ++y)
                if (const COLORREF c = GetPixel(memory, x, y);
                    GetRValue(c) + GetGValue(c) + GetBValue(c) < 200) {
                    first = x;
                    break;
                }
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    return first;
}

// How wide a frame's caption shows, from its first column of ink to its last, in the box's top
// rows (a text line high) but those the frame line runs along: on the screen, and drawn alone in
// the box's font without a clip.
std::pair<int, int> captionWidths(HWND box, int rows) {
    RECT r;
    GetWindowRect(box, &r);
    MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&r), 2);
    const int width = r.right - r.left;
    constexpr int kCorner = 6; // the frame's corners lie within so many columns of its edges
    const ScopedDC screen(window->hwnd());
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, rows);
    std::vector<bool> line(static_cast<std::size_t>(rows));
    const auto shown = [&](COLORREF background) {
        int first = -1, last = -1;
        for (int x = kCorner; x < width - kCorner; ++x)
            for (int y = 0; y < rows; ++y)
                if (!line[std::size_t(y)] && GetPixel(memory, x, y) != background) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
        return last - first;
    };
    std::pair<int, int> widths;
    {
        const ScopedSelect canvas(memory, bitmap);
        BitBlt(memory, 0, 0, width, rows, screen, r.left, r.top, SRCCOPY);
        const COLORREF background = GetPixel(memory, 0, 0); // above the frame line's corner
        for (int y = 0; y < rows; ++y)
            line[std::size_t(y)] = GetPixel(memory, kCorner, y) != background;
        widths.first = shown(background);

        const ScopedSelect font(memory, fontOf(box));
        RECT all{0, 0, width, rows};
        FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(memory, TRANSPARENT);
        all.left = 2 * kCorner;
        DrawTextW(memory, textOf(box).c_str(), -1, &all, DT_NOCLIP | DT_SINGLELINE);
        widths.second = shown(RGB(255, 255, 255));
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    return widths;
}

void unitLabelsLevelWithTheirFields(UINT dpi = USER_DEFAULT_SCREEN_DPI) {
    SetFocus(named("berechnen")); // no caret in a field
    for (auto [field, unit] : {std::pair{Field::Text1, "Label3"},
                               {Field::Text2, "Label4"},
                               {Field::Text5, "Label5"},
                               {Field::Text4, "Label6"}}) {
        check::row = std::string(unit) + " at " + std::to_string(dpi) + " dpi";
        window->host().setText(field, "1234567890");
        UpdateWindow(window->hwnd());
        RedrawWindow(window->hwnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pump();
        // Level with the field's digits, and whole: a blank row above the unit's letters; its
        // text where the label's left edge puts it.
        const Ink ink = inkOf(named(unit));
        CHECK_EQ(ink.bottom, inkOf(window->host().field(field)).bottom);
        RECT label;
        GetWindowRect(named(unit), &label);
        MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&label), 2);
        CHECK_LE(label.top + 1, ink.top);
        CHECK_EQ(ink.left, label.left + firstInkColumn(named(unit)));
        window->host().setText(field, "");
    }
}

// Runs measure(dc) with the control's font selected into a device context of the control.
template <class Measure>
auto withFont(HWND control, Measure measure) {
    const ScopedDC dc(control);
    const ScopedSelect font(dc, fontOf(control));
    return measure(dc);
}

SIZE textSize(HWND control, std::wstring_view text, UINT format, int width) {
    return withFont(control, [&](HDC dc) {
        RECT r{0, 0, width, 0};
        DrawTextW(dc, text.data(), int(text.size()), &r, format | DT_CALCRECT);
        return SIZE{r.right, r.bottom};
    });
}

// A real click of the pointer, through the system's input queue, at a point of the window's
// client area; pumped until done(), or a second.
template <class Done>
void clickAt(POINT at, Done done) {
    MapWindowPoints(window->hwnd(), nullptr, &at, 1);
    INPUT input[3]{};
    for (INPUT& i : input)
        i.type = INPUT_MOUSE;
    input[0].mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input[0].mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, input, sizeof(INPUT));
    for (int waited = 0; waited < 1000 && !done(); waited += 10) {
        Sleep(10);
        pump();
    }
    pump();
}

// How many columns of an option button's circle (at its left, centred on its height) show
// something other than the button face: on the screen, or as the button draws itself alone.
int circleColumns(HWND button, int size, bool alone) {
    RECT r;
    GetWindowRect(button, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&r), 2);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const ScopedDC screen(window->hwnd());
    HDC dc = screen;
    POINT origin{r.left, r.top};
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (alone) {
        PrintWindow(button, memory, 0);
        dc = memory;
        origin = {0, 0};
    }
    const int top = origin.y + (height - size) / 2;
    int columns = 0;
    for (int x = origin.x; x < origin.x + size; ++x)
        for (int y = top; y < top + size; ++y)
            if (GetPixel(dc, x, y) != face) {
                ++columns;
                break;
            }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return columns;
}

int circleSize(UINT dpi) { return MulDiv(13, int(dpi), 96); }

// Every option button's circle is whole on the screen, as the button draws it alone.
void everyCircleWhole(UINT dpi, const char* when) {
    for (const OptionInfo& o : kOptions) {
        check::row = std::string(o.name) + "'s circle " + when + " at " + std::to_string(dpi);
        HWND button = window->host().button(o.option);
        CHECK_EQ(circleColumns(button, circleSize(dpi), false),
                 circleColumns(button, circleSize(dpi), true));
    }
}

// Every circle whole before and after clicks on its neighbours; a real click on its middle
// selects that button, also where a neighbour's rectangle reaches over it.
void clickEveryCircle(UINT dpi) {
    const int size = circleSize(dpi);
    everyCircleWhole(dpi, "before the clicks");
    for (const OptionInfo& o : kOptions) {
        check::row = std::string(o.name) + " clicked at " + std::to_string(dpi) + " dpi";
        RECT r;
        GetWindowRect(window->host().button(o.option), &r);
        MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&r), 2);
        window->host().setValue(o.option, false);
        clickAt({r.left + size / 2, (r.top + r.bottom) / 2},
                [&] { return window->host().value(o.option); });
        CHECK(window->host().value(o.option));
    }
    everyCircleWhole(dpi, "after the clicks");
    SendMessageW(named("neurechnen"), BM_CLICK, 0, 0);
}

// As on a monitor of each scale: every control where the table puts it, scaled by dpi / 96, its
// font scaled and, beyond 96 dpi, an outline font; every caption whole inside its control, and
// every control inside its frame.
void everyScale() {
    RECT centred;
    GetWindowRect(window->hwnd(), &centred);
    for (const UINT dpi : fallback ? std::vector<UINT>{96} : std::vector<UINT>{120, 144, 192, 96}) {
        // Where the system would put it on that monitor: here, the whole window on the screen.
        RECT suggested = centred;
        if (dpi != USER_DEFAULT_SCREEN_DPI)
            SetRect(&suggested, 40, 30, 1000, 1000);
        SendMessageW(window->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        RedrawWindow(window->hwnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pump();
        RECT placed;
        GetWindowRect(window->hwnd(), &placed);
        CHECK_EQ(placed.left, suggested.left);
        CHECK_EQ(placed.top, suggested.top);
        const auto scaled = [dpi](int twips) { return MulDiv(twips, int(dpi), 1440); };
        check::row = "Form1 at " + std::to_string(dpi) + " dpi";
        // As a fresh start at that scale has it, though Wine draws the title bar at 96 dpi.
        RECT client;
        GetClientRect(window->hwnd(), &client);
        CHECK_EQ(client.right, scaled(kClientWidthTwips));
        CHECK_EQ(client.bottom, scaled(kClientHeightTwips));
        for (const ControlSpec& entry : controlTable()) {
            check::row = std::string(entry.name) + " at " + std::to_string(dpi) + " dpi";
            HWND hwnd = named(entry.name);
            const HWND container = GetParent(hwnd);
            RECT r, inside;
            GetWindowRect(hwnd, &r);
            MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&r), 2);
            CHECK_EQ(r.left, scaled(entry.left));
            CHECK_EQ(r.top, scaled(entry.top));
            CHECK_EQ(r.right, scaled(entry.left) + scaled(entry.width));
            CHECK_EQ(r.bottom, scaled(entry.top) + scaled(entry.height));
            // Inside its frame or the window; a label's box may reach beyond, its text not.
            GetClientRect(container, &inside);
            if (entry.kind != Kind::Label) {
                CHECK_LE(r.right, inside.right);
                CHECK_LE(r.bottom, inside.bottom);
            }

            HWND drawn = entry.kind == Kind::Frame ? frameBox(hwnd) : hwnd;
            const TEXTMETRICW metrics = withFont(drawn, [](HDC dc) {
                TEXTMETRICW m{};
                GetTextMetricsW(dc, &m);
                return m;
            });
            CHECK_EQ(metrics.tmHeight - metrics.tmInternalLeading,
                     MulDiv(entry.font == FontRole::Default ? 8 : 12, int(dpi), 72));
            if (dpi != USER_DEFAULT_SCREEN_DPI)
                CHECK(metrics.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR));

            const std::wstring caption = toUtf16(entry.caption);
            const int width = r.right - r.left, height = r.bottom - r.top;
            if (entry.kind == Kind::OptionButton || entry.kind == Kind::CommandButton) {
                SIZE ideal{width, 0};
                SendMessageW(hwnd, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
                CHECK_LE(ideal.cx, width);
                CHECK_LE(ideal.cy, height);
            } else if (entry.kind == Kind::Label && entry.font == FontRole::Default) {
                const SIZE text = textSize(hwnd, caption, DT_WORDBREAK, width);
                CHECK_LE(text.cy, height);
                CHECK_LE(r.left + text.cx, inside.right);
            } else if (entry.kind == Kind::Frame) {
                // The caption stands on the border, a character's width in from each end, and
                // shows to its last glyph.
                CHECK_LE(textSize(drawn, caption, DT_SINGLELINE, 0).cx + 2 * metrics.tmAveCharWidth,
                         width);
                const auto [onScreen, alone] = captionWidths(drawn, metrics.tmHeight);
                CHECK_EQ(onScreen, alone);
            }
        }
        unitLabelsLevelWithTheirFields(dpi);
        if (dpi == 192 || dpi == USER_DEFAULT_SCREEN_DPI)
            clickEveryCircle(dpi);
    }
}

// A stand-in that ends a text one column past its measure is refused, one that ends it there is
// taken: Liberation Sans at 8 pt, 96 dpi, under Wine.
void standInsMeasured() {
    HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, L"Liberation Sans");
    for (auto [text, within] : {std::pair{L"Volt", false}, {L"Ohm", true}}) {
        check::row = "Liberation Sans, " + toUtf8(text);
        CHECK_EQ(drawsAsMeasured(font, {text}), within);
    }
    DeleteObject(font);
}

// Every field by its name, every other control by its caption; Wine's MSAA gives the role of
// an EDIT only.
void screenReaderNames() {
    check::row = "Form1 announced";
    CHECK_EQ(announced(window->hwnd()).name, std::wstring(L"Der Kalvoran"));
    for (const ControlSpec& entry : controlTable()) {
        check::row = std::string(entry.name) + " announced";
        const Announced seen = announced(named(entry.name));
        if (entry.kind == Kind::TextField) {
            CHECK_EQ(seen.name, toUtf16(entry.accessibleName));
            CHECK_EQ(seen.role, long(ROLE_SYSTEM_TEXT));
            CHECK_EQ(bool(seen.state & STATE_SYSTEM_READONLY), entry.name == "Text4");
        } else {
            CHECK_EQ(seen.name, toUtf16(entry.caption));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    fallback = argc > 1 && std::string(argv[1]) == "fallback";
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    MainWindow main(GetModuleHandleW(nullptr));
    window = &main;
    main.show(SW_SHOWNORMAL);
    SetForegroundWindow(main.hwnd());
    pump();
    SetWindowsHookExW(WH_CBT, boxHook, nullptr, GetCurrentThreadId());

    everyControlAsTheTableSays();
    startState();
    // The window as first shown, before anything lays it out again.
    everyCircleWhole(USER_DEFAULT_SCREEN_DPI, "as first shown");
    unitLabelsLevelWithTheirFields();
    windowFrame();
    exclusiveWithinTheImmediateContainer();
    eventsThroughTheControls();
    keysAndTheLockedField();
    lockedFieldInHighContrast();
    messagesFromOutside();
    everyScale();
    standInsMeasured();
    screenReaderNames();
    std::printf("%d checks, %d failures\n", check::checks, check::failures);
    return check::failures;
}
