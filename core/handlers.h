// The event handlers of the window, named after their control and event.
// Each reaches the window only through the host it is given.
#pragma once

#include "host/host.h"

namespace kalvoran {

void berechnen_Click(Host& host);
void hilfe_Click(Host& host);
void beenden_Click(Host& host);

} // namespace kalvoran
