// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <stdexcept>

// The one error type of the program: any failing operation raises it with a message that says
// what failed, and the reporter (ErrorReporting.h) shows that message and ends the program. The
// message is a sentence: it begins in upper case, also where it begins with a name that stands
// in lower case mid-sentence ("the embedded element table").
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const QString& message)
        : std::runtime_error(message.toStdString())
        , message_(message) {
        if (!message_.isEmpty())
            message_[0] = message_[0].toTitleCase();
    }

    const QString& message() const noexcept { return message_; }

private:
    QString message_;
};
