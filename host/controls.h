// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's control of each field and each option button, as a host keeps them: found by the
// field or button, and the other way round.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>

#include "host/host.h"

namespace kalvoran {

template <class FieldControl, class OptionControl>
class Controls {
public:
    void add(Field field, FieldControl control) { m_fields[std::size_t(field)] = control; }
    void add(Option option, OptionControl control) { m_options[std::size_t(option)] = control; }

    // A field or button never added has no control: a fault of the window that built it.
    FieldControl operator[](Field field) const { return added(m_fields[std::size_t(field)]); }
    OptionControl operator[](Option option) const { return added(m_options[std::size_t(option)]); }

    // The field or button that control is; nothing for any other.
    std::optional<Field> fieldOf(FieldControl control) const {
        return find<Field>(m_fields, control);
    }
    std::optional<Option> optionOf(OptionControl control) const {
        return find<Option>(m_options, control);
    }

private:
    template <class Control>
    static Control added(Control control) {
        if (!control)
            throw std::logic_error("a field or option button without its control");
        return control;
    }
    template <class Name, class Control, std::size_t N>
    static std::optional<Name> find(const std::array<Control, N>& all, Control control) {
        for (std::size_t i = 0; control && i < N; ++i)
            if (all[i] == control)
                return static_cast<Name>(i);
        return std::nullopt;
    }

    std::array<FieldControl, kFields.size()> m_fields{};
    std::array<OptionControl, kOptions.size()> m_options{};
};

} // namespace kalvoran
