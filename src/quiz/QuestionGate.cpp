// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuestionGate.h"

#include <QCoreApplication>

QuestionGate::Turn QuestionGate::Take() {
    if (running_)
        return nullptr;
    running_ = true;
    return Turn(this);
}

void QuestionGate::RunAlone(const std::function<void()>& question) {
    if (const Turn turn = Take())
        question();
}

void QuestionGate::WhileWaiting() {
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
}
