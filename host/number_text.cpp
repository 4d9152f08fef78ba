// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/number_text.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "host/host_error.h"

namespace kalvoran {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the blank that s starts with (or, at its end, ends with), 0 if none: ASCII white
// space (blank, tab, line breaks) and the Unicode spaces a copy from a terminal, a spreadsheet or
// a web page brings: no-break and narrow no-break space, the typographic spaces, line and
// paragraph separators, the ideographic space.
std::size_t blankAt(std::string_view s, bool atEnd) {
    constexpr std::string_view kBlanks[] = {
        " ",      "\t",     "\n",     "\v",     "\f",     "\r",     "\u0085", "\u00A0", "\u1680",
        "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006", "\u2007", "\u2008",
        "\u2009", "\u200A", "\u2028", "\u2029", "\u202F", "\u205F", "\u3000", "\uFEFF",
    };
    for (std::string_view blank : kBlanks)
        if (atEnd ? s.ends_with(blank) : s.starts_with(blank))
            return blank.size();
    return 0;
}

std::string_view trimBlanks(std::string_view s) {
    while (const std::size_t n = blankAt(s, false))
        s.remove_prefix(n);
    while (const std::size_t n = blankAt(s, true))
        s.remove_suffix(n);
    return s;
}

constexpr ParseResult notANumber{ParseStatus::NotANumber, 0.0};

} // namespace

ParseResult parseNumberText(std::string_view text) {
    const std::string_view s = trimBlanks(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';

    // The mantissa's digits as one integer without its leading zeros, and the power of ten its
    // last digit stands for: "0012,50" gives "1250" and -2. So the text handed to strtod has no
    // decimal point, which the locale would decide.
    std::string digits;
    long long scale = 0;
    bool anyDigit = false;
    bool comma = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (isDigit(c)) {
            anyDigit = true;
            if (comma)
                --scale;
            if (c != '0' || !digits.empty())
                digits += c;
        } else if (c == ',' && !comma) {
            comma = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return notANumber;

    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            expNegative = s[i++] == '-';
        long long exponent = 0;
        std::size_t expDigits = 0;
        for (; i < s.size() && isDigit(s[i]); ++i, ++expDigits)
            if (exponent < LLONG_MAX / 20)
                exponent = exponent * 10 + (s[i] - '0');
        if (expDigits == 0)
            return notANumber;
        scale += expNegative ? -exponent : exponent;
    }
    if (i != s.size())
        return notANumber;

    const double zero = negative ? -0.0 : 0.0;
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
        ++scale;
    }
    if (digits.empty())
        return {ParseStatus::Ok, zero}; // only zeros, whatever the exponent
    // The power of ten of the first digit: beyond 308 no double holds the value, below -400 it
    // rounds to 0 (the smallest subnormal is about 4.9E-324).
    const long long leadExponent = scale + static_cast<long long>(digits.size()) - 1;
    if (leadExponent > 308)
        return {ParseStatus::OutOfRange, 0.0};
    if (leadExponent < -400)
        return {ParseStatus::Ok, zero};

    digits += 'e';
    digits += std::to_string(scale);
    // Beyond the range strtod gives an infinity, an error here; below it 0 or a subnormal.
    const double value = std::strtod(digits.c_str(), nullptr);
    if (std::isinf(value))
        return {ParseStatus::OutOfRange, 0.0};
    return {ParseStatus::Ok, negative ? -value : value};
}

std::string formatNumberText(double value) {
    if (std::isnan(value))
        throw HostError(ErrorKind::InvalidOperation);
    if (std::isinf(value))
        throw HostError(ErrorKind::Overflow);
    if (value == 0.0)
        return "0"; // never "-0"

    // snprintf writes the locale's decimal point, which may be any character or several bytes:
    // whatever is neither digit nor sign nor exponent is that point, and becomes the comma.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text;
    for (const char* p = buffer; *p != '\0'; ++p) {
        if (isDigit(*p) || *p == '-' || *p == '+')
            text += *p;
        else if (*p == 'e')
            text += 'E';
        else if (text.back() != ',')
            text += ',';
    }
    return text;
}

} // namespace kalvoran
