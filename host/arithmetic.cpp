// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/arithmetic.h"

#include <cmath>

#include "host/host_error.h"

namespace kalvoran {
namespace {

double checked(double result) {
    if (std::isnan(result))
        throw HostError(ErrorKind::InvalidOperation);
    if (std::isinf(result))
        throw HostError(ErrorKind::Overflow);
    return result;
}

} // namespace

double checkedSub(double a, double b) { return checked(a - b); }

double checkedMul(double a, double b) { return checked(a * b); }

double checkedDiv(double a, double b) {
    if (b == 0.0)
        throw HostError(a == 0.0 || std::isnan(a) ? ErrorKind::InvalidOperation
                                                  : ErrorKind::DivisionByZero);
    return checked(a / b);
}

} // namespace kalvoran
