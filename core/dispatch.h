// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one event handler to completion. An error that leaves the handler is reported in a
// message box; whatever the handler changed before it stays, and the program goes on.
#pragma once

#include <functional>

#include "host/host.h"

namespace kalvoran {

void dispatch(Host& host, const std::function<void()>& handler) noexcept;

} // namespace kalvoran
