// SPDX-License-Identifier: GPL-3.0-or-later
// What every run of the window needs besides the window: name, version, font, German Qt texts.
#pragma once

class QApplication;

namespace kalvoran {

void setUpApplication(QApplication& app);

} // namespace kalvoran
