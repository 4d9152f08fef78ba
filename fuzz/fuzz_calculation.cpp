// SPDX-License-Identifier: GPL-3.0-or-later
// The whole calculation on four arbitrary field texts, through the host without a window: it
// ends in exactly one of a written result, one of the two messages, or the box of one error of a
// named kind; Text4 changes only for a result, and a result is a valid German number.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/handlers.h"
#include "core/messages.h"
#include "host/host_error.h"
#include "host/number_text.h"
#include "tests/memory_host.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kalvoran;
    // The input is the four texts separated by newlines: Text1, Text2, Text3, Text5.
    std::array<std::string, 4> texts;
    int field = 0;
    for (const uint8_t byte : std::basic_string_view<uint8_t>(data, size)) {
        if (byte == '\n' && field < 3)
            ++field;
        else
            texts[field] += static_cast<char>(byte);
    }

    MemoryHost host;
    host.typeInputs(texts);
    host.type(Field::Text4, "alt");

    berechnen_Click(host);
    const std::string result = host.text(Field::Text4);
    if (host.boxes.empty()) {
        if (host.log.size() != 1 || host.log[0] != "Text4=" + result)
            std::abort();
        const ParseResult read = parseNumberText(result);
        if (read.status != ParseStatus::Ok || formatNumberText(read.value) != result ||
            result == "-0")
            std::abort();
    } else {
        // One of the two messages, or the box of an error of a named kind.
        bool named = host.boxes[0].title == kFieldsNotFilled.title ||
                     host.boxes[0].title == kConsumerVoltageHigh.title;
        for (ErrorKind kind : {ErrorKind::NotANumber, ErrorKind::DivisionByZero})
            named = named || host.boxes[0].title == errorMessage(HostError(kind)).title;
        if (host.boxes.size() != 1 || result != "alt" || !named)
            std::abort();
    }

    // Through the dispatch, an error becomes exactly one box and the fields stay.
    MemoryHost again;
    calculateWith(again, texts);
    if (host.boxes.empty() != again.boxes.empty() || again.boxes.size() > 1)
        std::abort();
    return 0;
}
