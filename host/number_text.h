// SPDX-License-Identifier: GPL-3.0-or-later
// German number text <-> double, whatever the machine's locale.
//
// Reading accepts: blanks around (any white space: tabs, line breaks, no-break and other Unicode
// spaces), an optional sign, digits with at most one decimal comma (at least one digit in all),
// an optional exponent (E or e, optional sign, digits). Nothing else: no point,
// no grouping, no inf/nan, no hex, no digits of other scripts. Beyond a double's range is an error;
// a value too small for a double reads as 0.
//
// Writing: at most 15 significant digits, trailing zeros dropped, decimal comma, no grouping;
// exponent form from 1E+15 up and below 1E-4 ("1,5E+15", "1E-05"); never "-0".
#pragma once

#include <string>
#include <string_view>

namespace kalvoran {

enum class ParseStatus { Ok, NotANumber, OutOfRange };

struct ParseResult {
    ParseStatus status;
    double value; // 0 unless status is Ok
};

ParseResult parseNumberText(std::string_view text);

// Throws HostError(Overflow) for an infinity and HostError(InvalidOperation) for a NaN.
std::string formatNumberText(double value);

} // namespace kalvoran
