// SPDX-License-Identifier: GPL-3.0-or-later
// "Neu": back to the state the window starts in. Only stromueber, which has no handler, is set
// to true, so no preset runs and nothing refills the emptied fields.
#include <array>

#include "core/handlers.h"

namespace kalvoran {
namespace {

struct Step {
    bool isField;
    Option option;
    bool value;
    Field field;
};

constexpr Step set(Option option, bool value) { return {false, option, value, Field::Text1}; }
constexpr Step empty(Field field) { return {true, Option::opt5v, false, field}; }

using enum Option;
constexpr std::array kSteps{
    // Source voltage.
    set(opt5v, false),
    set(opt12v, false),
    set(opt10, false),
    set(opt33, false),
    set(opt30, false),
    set(opt24, false),
    set(belque, false),
    // Consumers, all three containers.
    set(ledgelb, false),
    set(ledgrün, false),
    set(ledrot, false),
    set(leduv, false),
    set(ledweiß, false),
    set(ledblau, false),
    set(belverbr, false),
    set(lednor, false),
    set(lüft5v, false),
    set(lüft7v, false),
    set(lüft9v, false),
    // Current.
    set(strombel, false),
    set(stromueber, true),
    // The five fields, the result included.
    empty(Field::Text1),
    empty(Field::Text2),
    empty(Field::Text3),
    empty(Field::Text4),
    empty(Field::Text5),
    // Number of consumers.
    set(verbr1, false),
    set(verbr2, false),
    set(verbr3, false),
    set(verbr4, false),
    set(verbr5, false),
    set(verbr6, false),
    set(belanz, false),
};
static_assert(kSteps.size() == 32);

} // namespace

void neurechnen_Click(Host& host) {
    for (const Step& step : kSteps) {
        if (step.isField)
            host.setText(step.field, "");
        else
            host.setValue(step.option, step.value);
    }
}

} // namespace kalvoran
