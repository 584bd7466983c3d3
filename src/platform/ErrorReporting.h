// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class RuntimeServices;

// Exit status of a program ended by a run-time error.
inline constexpr int kRuntimeErrorExitStatus = 1;

// Runs one event's operation. A run-time error raised by it is reported through the runtime
// services' error box, and the program then ends with kRuntimeErrorExitStatus. Returns whether
// the operation completed.
bool RunReportingErrors(RuntimeServices& runtime, const std::function<void()>& operation);
