// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DatabaseThread.h"

#include "platform/ErrorReporting.h"
#include "platform/ProgramEnd.h"

#include <QtGlobal>

DatabaseThread::DatabaseThread(std::function<void()> whileWaiting)
    : whileWaiting_(std::move(whileWaiting))
    , thread_(&DatabaseThread::Serve, this) {}

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

namespace {
using Clock = std::chrono::steady_clock;

// How long one side looks for the other before it sleeps, where that pays: a sleeping thread
// takes tens of microseconds to wake, each way, so a quick call (a local SQLite file) is waited
// for awake, and calls in quick succession (a table read in batches) find the thread awake.
// Where a server answers in milliseconds, or a pupil asks every few seconds, neither side looks:
// that would only burn the processor.
constexpr std::chrono::microseconds kSpinUntilReady{200};

// Waits for `ready` by polling it for up to kSpinUntilReady, yielding the processor meanwhile.
void SpinUntilReady(const std::atomic<bool>& ready) {
    for (const Clock::time_point until = Clock::now() + kSpinUntilReady;
         !ready.load(std::memory_order_acquire) && Clock::now() < until;)
        std::this_thread::yield();
}
} // namespace

bool DatabaseThread::Run(std::function<void()> work, std::chrono::milliseconds limit) {
    // How often `whileWaiting_` runs while the work is waited for.
    constexpr std::chrono::milliseconds kWhileWaitingEvery{50};
    const Clock::time_point deadline = Clock::now() + limit;
    const auto wakeAt = [&] {
        return whileWaiting_ ? std::min(deadline, Clock::now() + kWhileWaitingEvery) : deadline;
    };

    std::unique_lock lock(mutex_);
    if (givenUp_)
        return false;
    Q_ASSERT(done_);
    work_ = std::move(work);
    done_ = false;
    thrown_ = nullptr;
    pending_.store(true, std::memory_order_release);
    // Woken outside the lock, the thread does not wake into a held mutex.
    lock.unlock();
    changed_.notify_all();
    const Clock::time_point called = Clock::now();
    if (lastCall_ < kSpinUntilReady)
        SpinUntilReady(done_);
    lock.lock();
    while (!changed_.wait_until(lock, wakeAt(), [this] { return done_.load(); })) {
        if (Clock::now() >= deadline) {
            givenUp_ = true;
            return false;
        }
        lock.unlock();
        whileWaiting_();
        lock.lock();
    }
    lastCall_ = Clock::now() - called;
    if (thrown_)
        std::rethrow_exception(thrown_);
    return true;
}

void DatabaseThread::Serve() {
    // The time between the last two calls: while it is short, the next is looked for awake.
    std::chrono::nanoseconds between = std::chrono::hours(1);
    for (Clock::time_point done = Clock::now();;) {
        if (between < kSpinUntilReady)
            SpinUntilReady(pending_);
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return stopping_ || work_; });
        if (!work_)
            return;
        between = Clock::now() - done;
        const std::function<void()> work = std::move(work_);
        work_ = nullptr;
        pending_ = false;
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
        done_.store(true, std::memory_order_release);
        lock.unlock();
        changed_.notify_all();
        done = Clock::now();
    }
}
