// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ErrorReporting.h"

#include "RuntimeError.h"
#include "RuntimeServices.h"

bool RunReportingErrors(RuntimeServices& runtime, const std::function<void()>& operation) {
    QString message;
    try {
        operation();
        return true;
    } catch (const RuntimeError& error) {
        message = error.message();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    }
    runtime.ShowError(message);
    runtime.EndProgram(kRuntimeErrorExitStatus);
    return false;
}
