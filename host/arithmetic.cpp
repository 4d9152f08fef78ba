// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/arithmetic.h"

#include <cmath>

namespace kalvoran {
namespace {

Checked checked(double result) {
    if (std::isnan(result))
        return {0.0, ErrorKind::InvalidOperation};
    if (std::isinf(result))
        return {0.0, ErrorKind::Overflow};
    return {result, std::nullopt};
}

} // namespace

Checked checkedSub(double a, double b) { return checked(a - b); }

Checked checkedMul(double a, double b) { return checked(a * b); }

Checked checkedDiv(double a, double b) {
    if (b == 0.0)
        return {0.0, a == 0.0 || std::isnan(a) ? ErrorKind::InvalidOperation
                                               : ErrorKind::DivisionByZero};
    return checked(a / b);
}

} // namespace kalvoran
