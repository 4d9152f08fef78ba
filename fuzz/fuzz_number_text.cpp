// SPDX-License-Identifier: GPL-3.0-or-later
// Reading number text never crashes, and every text it accepts writes back to a text that
// reads to the same double.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "host/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kalvoran;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ParseResult read = parseNumberText(text);
    if (read.status != ParseStatus::Ok) {
        if (read.value != 0.0)
            std::abort();
        return 0;
    }
    if (!std::isfinite(read.value))
        std::abort();
    const std::string written = formatNumberText(read.value);
    const ParseResult again = parseNumberText(written);
    if (again.status != ParseStatus::Ok || formatNumberText(again.value) != written)
        std::abort();
    // 15 significant digits round by at most 5E-15 relative, plus the rounding to double;
    // subnormals have fewer digits of their own.
    const double error = std::fabs(again.value - read.value);
    if (error > 6e-15 * std::fabs(read.value) && error > 1e-320)
        std::abort();
    if (written == "-0" || written.find_first_of(".infa") != std::string::npos)
        std::abort();
    return 0;
}
