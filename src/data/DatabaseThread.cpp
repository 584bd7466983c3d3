// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DatabaseThread.h"

#include "platform/ErrorReporting.h"
#include "platform/ProgramEnd.h"
#include "platform/RuntimeError.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QThread>

DatabaseThread::DatabaseThread()
    : thread_(&DatabaseThread::Serve, this) {}

DatabaseThread::~DatabaseThread() {
    {
        const std::lock_guard lock(mutex_);
        if (givenUp_)
            EndProgram(kRuntimeErrorExitStatus);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

bool DatabaseThread::Run(std::function<void()> work, std::chrono::milliseconds limit) {
    using Clock = std::chrono::steady_clock;
    // How long event handling may wait between two looks at the work.
    constexpr std::chrono::milliseconds kRepaintEvery{50};
    const Clock::time_point deadline = Clock::now() + limit;
    const bool programThread = QCoreApplication::instance() &&
                               QThread::currentThread() == QCoreApplication::instance()->thread();

    std::unique_lock lock(mutex_);
    if (calling_) {
        throw RuntimeError(QCoreApplication::translate(
            "DatabaseThread", "A second query was asked for while one was waited for."));
    }
    if (givenUp_)
        return false;
    work_ = std::move(work);
    calling_ = true;
    const auto called = qScopeGuard([this] { calling_ = false; });
    done_ = false;
    thrown_ = nullptr;
    changed_.notify_all();
    while (!changed_.wait_until(lock, std::min(deadline, Clock::now() + kRepaintEvery),
                                [this] { return done_; })) {
        if (Clock::now() >= deadline) {
            givenUp_ = true;
            return false;
        }
        if (programThread) {
            // Paint and take input, which the window drops while a question runs rather than
            // keep it for later, but no socket's events: no request of assistive technology
            // begins a second operation.
            lock.unlock();
            QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
            lock.lock();
        }
    }
    if (thrown_)
        std::rethrow_exception(thrown_);
    return true;
}

void DatabaseThread::Serve() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || work_; });
        if (!work_)
            return;
        const std::function<void()> work = std::move(work_);
        work_ = nullptr;
        lock.unlock();
        std::exception_ptr thrown;
        try {
            work();
        } catch (...) {
            thrown = std::current_exception();
        }
        lock.lock();
        if (givenUp_)
            return;
        thrown_ = thrown;
        done_ = true;
        changed_.notify_all();
    }
}
