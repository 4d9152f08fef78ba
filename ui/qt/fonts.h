// SPDX-License-Identifier: GPL-3.0-or-later
// The window's fonts: the classic dialog font where the system has it, else its metric twin.
#pragma once

#include <QFont>

#include "ui/layout.h"

namespace kalvoran {

QFont windowFont(FontRole role);

} // namespace kalvoran
