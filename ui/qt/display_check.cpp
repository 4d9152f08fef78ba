// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/display_check.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace kalvoran {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::vector<HeldMessage> held;
QtMessageHandler previous = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplayLine, stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    held.push_back({type, QByteArray(context.category ? context.category : ""), text});
}

} // namespace

DisplayCheck::DisplayCheck() { previous = qInstallMessageHandler(holdMessage); }

DisplayCheck::~DisplayCheck() {
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        if (previous)
            previous(message.type, context, message.text);
        else
            qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

} // namespace kalvoran
