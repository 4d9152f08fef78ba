// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/number_text.h"

#include <charconv>
#include <climits>
#include <cmath>

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

    // The text handed to from_chars: the mantissa with '.' for the comma, then the exponent.
    std::string plain;
    plain.reserve(s.size() + 1);
    std::size_t digits = 0;
    std::size_t integerDigits = 0;
    bool comma = false;
    // Index among the digits of the first non-zero one, for telling overflow from underflow.
    std::size_t firstNonZero = std::string_view::npos;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (isDigit(c)) {
            if (c != '0' && firstNonZero == std::string_view::npos)
                firstNonZero = digits;
            ++digits;
            if (!comma)
                ++integerDigits;
            plain += c;
        } else if (c == ',' && !comma) {
            comma = true;
            plain += '.';
        } else {
            break;
        }
    }
    if (digits == 0)
        return notANumber;
    // The power of ten of the first non-zero digit: 0 for "5", 2 for "123", -3 for "0,001".
    const long long leadExponent =
        static_cast<long long>(integerDigits) - static_cast<long long>(firstNonZero) - 1;

    long long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        plain += 'e';
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            expNegative = s[i] == '-';
            plain += s[i++];
        }
        std::size_t expDigits = 0;
        for (; i < s.size() && isDigit(s[i]); ++i, ++expDigits) {
            plain += s[i];
            if (exponent < LLONG_MAX / 20)
                exponent = exponent * 10 + (s[i] - '0');
        }
        if (expDigits == 0)
            return notANumber;
        if (expNegative)
            exponent = -exponent;
    }
    if (i != s.size())
        return notANumber;

    double value = 0.0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (firstNonZero == std::string_view::npos || leadExponent + exponent < 0)
            return {ParseStatus::Ok, negative ? -0.0 : 0.0}; // too small for a double
        return {ParseStatus::OutOfRange, 0.0};
    }
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return notANumber;
    return {ParseStatus::Ok, negative ? -value : value};
}

std::string formatNumberText(double value) {
    if (std::isnan(value))
        throw HostError(ErrorKind::InvalidOperation);
    if (std::isinf(value))
        throw HostError(ErrorKind::Overflow);
    if (value == 0.0)
        return "0"; // never "-0"

    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == '.')
            c = ',';
        else if (c == 'e')
            c = 'E';
    }
    return text;
}

} // namespace kalvoran
