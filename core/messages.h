// SPDX-License-Identifier: GPL-3.0-or-later
// Every message box the program shows, in one place.
#pragma once

#include <string>

#include "host/host.h"
#include "host/host_error.h"

namespace kalvoran {

struct Message {
    std::string prompt;
    std::string title;
    Icon icon;
};

extern const Message kFieldsNotFilled;     // an input field is empty
extern const Message kConsumerVoltageHigh; // the consumers need more than the source gives
extern const Message kHelp;

// What the user is told when an error leaves a handler.
Message errorMessage(const HostError& error);
// For anything else that goes wrong inside a handler.
extern const Message kUnexpectedError;
// A paste or other insertion that would make a field longer than its window can hold (limit in
// characters).
Message pasteTooLong(std::size_t limit);

void show(Host& host, const Message& message);

} // namespace kalvoran
