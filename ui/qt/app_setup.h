// SPDX-License-Identifier: GPL-3.0-or-later
// What every run of the window needs besides the window: name, version, font, the
// accessible interfaces of its controls, German Qt texts.
#pragma once

class QApplication;

namespace kalvoran {

void setUpApplication(QApplication& app);

} // namespace kalvoran
