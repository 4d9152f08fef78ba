// SPDX-License-Identifier: GPL-3.0-or-later
// Double arithmetic that raises an error instead of yielding an infinity or a NaN.
// Each step rounds to double (the build forbids contraction into fused multiply-add).
// Underflow and inexact results are not errors.
#pragma once

namespace kalvoran {

double checkedSub(double a, double b);
double checkedMul(double a, double b);
// b == 0 raises DivisionByZero, or InvalidOperation when a is 0 too.
double checkedDiv(double a, double b);

} // namespace kalvoran
