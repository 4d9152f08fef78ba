// SPDX-License-Identifier: GPL-3.0-or-later
// Errors of the host's conversions and arithmetic. The calculation reports each as its last act;
// one thrown out of a handler (formatNumberText's) the event dispatch reports, and the program
// goes on.
#pragma once

#include <optional>
#include <stdexcept>

#include "host/host.h"

namespace kalvoran {

enum class ErrorKind {
    NotANumber,       // a text that cannot be read as a number
    OutOfRange,       // a number text beyond the range of a double
    DivisionByZero,   // x ÷ 0 with x ≠ 0
    InvalidOperation, // 0 ÷ 0 and the like
    Overflow,         // a result beyond the range of a double
    CurrentTooSmall,  // a current that is not 0 but too small to divide by
};

class HostError : public std::runtime_error {
public:
    explicit HostError(ErrorKind kind, std::optional<Field> field = std::nullopt)
        : std::runtime_error("host error"), m_kind(kind), m_field(field) {}

    ErrorKind kind() const { return m_kind; }
    // The field whose text could not be converted; empty for arithmetic faults.
    std::optional<Field> field() const { return m_field; }

private:
    ErrorKind m_kind;
    std::optional<Field> m_field;
};

} // namespace kalvoran
