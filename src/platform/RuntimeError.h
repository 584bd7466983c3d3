// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <stdexcept>

// The one error type of the program: any failing operation raises it with a message that says
// what failed, and the reporter (ErrorReporting.h) shows that message and ends the program.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const QString& message)
        : std::runtime_error(message.toStdString())
        , message_(message) {}

    const QString& message() const noexcept { return message_; }

private:
    QString message_;
};
