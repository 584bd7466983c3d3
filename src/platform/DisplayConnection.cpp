// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayConnection.h"

#include "ProgramEnd.h"

#include <QByteArray>
#include <QList>
#include <cstdio>
#include <utility>

namespace {
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QString noDisplayLine;
QList<HeldMessage> held;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held.append({type, context.category, text});
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(noDisplayLine));
    EndProgram(1);
}
} // namespace

DisplayConnection::DisplayConnection(const QString& noDisplay) {
    noDisplayLine = noDisplay;
    previousHandler = qInstallMessageHandler(HoldMessage);
}

DisplayConnection::~DisplayConnection() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : std::exchange(held, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}
