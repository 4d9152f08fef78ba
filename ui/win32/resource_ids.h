// SPDX-License-Identifier: GPL-3.0-or-later
// The ids of the program's own resources, read by the resource script (packaging/kalvoran.rc.in)
// and by the program: preprocessor definitions only, which the resource compiler understands.
#pragma once

// The icon group of Kalvoran.exe: the program file's icon and the window's.
#define IDI_KALVORAN 1
