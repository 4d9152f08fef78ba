// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dispatch.h"

#include "core/messages.h"

namespace kalvoran {

void dispatch(Host& host, const std::function<void()>& handler) noexcept {
    Message report;
    try {
        handler();
        return;
    } catch (const HostError& error) {
        report = errorMessage(error);
    } catch (...) {
        report = kUnexpectedError;
    }
    try {
        show(host, report);
    } catch (...) {
        // Nothing is left to tell the user with; the window stays as it is.
    }
}

} // namespace kalvoran
