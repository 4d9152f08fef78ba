// SPDX-License-Identifier: GPL-3.0-or-later
// "Hilfe" and "Beenden".
#include "core/handlers.h"
#include "core/messages.h"

namespace kalvoran {

void hilfe_Click(Host& host) { show(host, kHelp); }

// No question, nothing saved: with its only window gone the program ends.
void beenden_Click(Host& host) { host.unload(); }

} // namespace kalvoran
