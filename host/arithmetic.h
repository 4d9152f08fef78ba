// SPDX-License-Identifier: GPL-3.0-or-later
// Double arithmetic that gives an error instead of an infinity or a NaN.
// Each step rounds to double (the build forbids contraction into fused multiply-add).
// Underflow and inexact results are not errors.
#pragma once

#include <optional>

#include "host/host_error.h"

namespace kalvoran {

// A result, or the error that stands instead of it (value 0).
struct Checked {
    double value;
    std::optional<ErrorKind> error;
};

Checked checkedSub(double a, double b);
Checked checkedMul(double a, double b);
// b == 0 gives DivisionByZero, or InvalidOperation when a is 0 too.
Checked checkedDiv(double a, double b);

} // namespace kalvoran
