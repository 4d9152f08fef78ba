// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation behind "Berechnen": R = (Us − Uc × N) ÷ (I ÷ 1000).
#include "core/handlers.h"
#include "core/messages.h"
#include "host/arithmetic.h"
#include "host/host_error.h"
#include "host/number_text.h"

namespace kalvoran {
namespace {

double toNumber(const std::string& text, Field field) {
    const ParseResult parsed = parseNumberText(text);
    switch (parsed.status) {
    case ParseStatus::Ok:
        return parsed.value;
    case ParseStatus::NotANumber:
        throw HostError(ErrorKind::NotANumber, field);
    case ParseStatus::OutOfRange:
        break;
    }
    throw HostError(ErrorKind::OutOfRange, field);
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

    const double sourceV = toNumber(sourceText, Field::Text1);
    const double count = toNumber(countText, Field::Text3);
    const double consumerV = toNumber(consumerText, Field::Text2);
    const double leftOverV = checkedSub(sourceV, checkedMul(consumerV, count));
    if (leftOverV < 0.0) {
        show(host, kConsumerVoltageHigh);
        return;
    }

    // The current is read only once the voltage is known to suffice.
    const double currentMA = toNumber(currentText, Field::Text5);
    const double currentA = checkedDiv(currentMA, 1000.0);
    // A current of a few 1E-322 mA is no 0 mA, though it is 0 A to a double.
    if (currentA == 0.0 && currentMA != 0.0)
        throw HostError(ErrorKind::CurrentTooSmall);
    const double resistanceOhm = checkedDiv(leftOverV, currentA);
    host.setText(Field::Text4, formatNumberText(resistanceOhm));
}

} // namespace kalvoran
