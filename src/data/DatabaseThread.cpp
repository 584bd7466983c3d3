// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DatabaseThread.h"

#include "platform/ErrorReporting.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <cstdlib>

DatabaseThread::DatabaseThread()
    : thread_(&DatabaseThread::Serve, this) {}

DatabaseThread::~DatabaseThread() {
    {
        const std::lock_guard lock(mutex_);
        if (givenUp_) {
            std::fflush(nullptr);
            std::_Exit(kRuntimeErrorExitStatus);
        }
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

bool DatabaseThread::Run(std::function<void()> work, std::chrono::milliseconds limit) {
    using Clock = std::chrono::steady_clock;
    // How long input-free event handling may wait between two looks at the work.
    constexpr std::chrono::milliseconds kRepaintEvery{50};
    const Clock::time_point deadline = Clock::now() + limit;
    const bool programThread = QCoreApplication::instance() &&
                               QThread::currentThread() == QCoreApplication::instance()->thread();

    std::unique_lock lock(mutex_);
    if (givenUp_)
        return false;
    work_ = std::move(work);
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
            // Paint and answer the window system, but take no input and no socket's events
            // (assistive technology's requests among them): no second operation begins.
            lock.unlock();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                            QEventLoop::ExcludeSocketNotifiers);
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
