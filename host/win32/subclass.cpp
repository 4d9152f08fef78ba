// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/win32/subclass.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kalvoran {
namespace {

struct Layer {
    SubclassProc proc;
    void* data;
};

struct Chain {
    WNDPROC own = nullptr;
    std::vector<Layer> layers; // the last laid over runs first
    std::size_t running = 0;   // how many layers the message in hand has passed
};

// Only the thread that made the window sends its procedures messages.
std::unordered_map<HWND, Chain>& chains() {
    static std::unordered_map<HWND, Chain> all;
    return all;
}

int destroyingNow = 0; // how many destroyWindow calls are running

LRESULT CALLBACK chainProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = chains().find(control);
    if (found == chains().end())
        return DefWindowProcW(control, message, wParam, lParam);
    // Sent or posted from outside, these would tear the control down while it lives on.
    if ((message == WM_DESTROY || message == WM_NCDESTROY) && !destroying())
        return 0;
    // A message sent from inside a layer starts at the top again.
    const std::size_t outer = std::exchange(found->second.running, 0);
    const LRESULT result = callNext(control, message, wParam, lParam);
    // Looked up again: a layer may have destroyed the control.
    if (const auto after = chains().find(control); after != chains().end()) {
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(after->second.own));
            chains().erase(after);
        } else {
            after->second.running = outer;
        }
    }
    return result;
}

Chain& chainOf(HWND control) {
    auto [at, added] = chains().try_emplace(control);
    if (added)
        at->second.own = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chainProc)));
    return at->second;
}

} // namespace

void guard(HWND control) { chainOf(control); }

BOOL destroyWindow(HWND window) {
    ++destroyingNow;
    const BOOL destroyed = DestroyWindow(window);
    --destroyingNow;
    return destroyed;
}

// A message sent from another thread is never DestroyWindow's, which sends in its own.
bool destroying() { return destroyingNow > 0 && !InSendMessage(); }

void subclass(HWND control, SubclassProc proc, void* data) {
    Chain& chain = chainOf(control);
    const auto same = std::ranges::find(chain.layers, proc, &Layer::proc);
    if (same != chain.layers.end())
        same->data = data;
    else
        chain.layers.insert(chain.layers.begin(), Layer{proc, data});
}

LRESULT callNext(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    Chain& chain = chains().at(control);
    if (chain.running >= chain.layers.size())
        return CallWindowProcW(chain.own, control, message, wParam, lParam);
    const Layer layer = chain.layers[chain.running++];
    return layer.proc(control, message, wParam, lParam, layer.data);
}

} // namespace kalvoran
