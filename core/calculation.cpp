// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation behind "Berechnen": R = (Us − Uc × N) ÷ (I ÷ 1000).
#include "core/handlers.h"
#include "core/messages.h"
#include "host/arithmetic.h"
#include "host/host_error.h"
#include "host/number_text.h"

namespace kalvoran {
namespace {

// Reports what stops the calculation, as the event's dispatch reports an error that leaves a
// handler. The calculation's errors are given back rather than thrown: a page's first thrown
// exception is what some engines' first tier of WebAssembly fails to catch.
void stop(Host& host, ErrorKind kind, std::optional<Field> field = std::nullopt) {
    show(host, errorMessage(HostError(kind, field)));
}

// Reads the field's text into value; false, the user told why, if it is no number.
bool read(Host& host, const std::string& text, Field field, double& value) {
    const ParseResult parsed = parseNumberText(text);
    value = parsed.value;
    if (parsed.status == ParseStatus::NotANumber)
        stop(host, ErrorKind::NotANumber, field);
    else if (parsed.status == ParseStatus::OutOfRange)
        stop(host, ErrorKind::OutOfRange, field);
    return parsed.status == ParseStatus::Ok;
}

// Whether the step gave a number; else the user is told why.
bool ok(Host& host, const Checked& step) {
    if (step.error)
        stop(host, *step.error);
    return !step.error;
}

} // namespace

void berechnen_Click(Host& host) {
    const std::string sourceText = host.text(Field::Text1);
    const std::string consumerText = host.text(Field::Text2);
    const std::string countText = host.text(Field::Text3);
    const std::string currentText = host.text(Field::Text5);

    // A field of blanks counts as filled; its conversion fails below.
    if (sourceText.empty() || consumerText.empty() || countText.empty() || currentText.empty()) {
        show(host, kFieldsNotFilled);
        return;
    }

    double sourceV, count, consumerV, currentMA;
    if (!read(host, sourceText, Field::Text1, sourceV) ||
        !read(host, countText, Field::Text3, count) ||
        !read(host, consumerText, Field::Text2, consumerV))
        return;
    const Checked load = checkedMul(consumerV, count);
    if (!ok(host, load))
        return;
    const Checked leftOverV = checkedSub(sourceV, load.value);
    if (!ok(host, leftOverV))
        return;
    if (leftOverV.value < 0.0) {
        show(host, kConsumerVoltageHigh);
        return;
    }

    // The current is read only once the voltage is known to suffice.
    if (!read(host, currentText, Field::Text5, currentMA))
        return;
    const Checked currentA = checkedDiv(currentMA, 1000.0);
    if (!ok(host, currentA))
        return;
    // A current of a few 1E-322 mA is no 0 mA, though it is 0 A to a double.
    if (currentA.value == 0.0 && currentMA != 0.0) {
        stop(host, ErrorKind::CurrentTooSmall);
        return;
    }
    const Checked resistanceOhm = checkedDiv(leftOverV.value, currentA.value);
    if (ok(host, resistanceOhm))
        host.setText(Field::Text4, formatNumberText(resistanceOhm.value));
}

} // namespace kalvoran
