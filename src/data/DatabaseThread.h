// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// A thread of its own for the calls into a database driver, so that a call that never returns
// (a paused server, a pooler queueing without end) cannot hold the program: the caller waits
// with a deadline, one call at a time.
//
// Lifetime: work may use what its caller owns. A call given up still runs on the thread with
// all it captured, so the owner of those objects must not let them go before the process ends:
// the destructor ends the process (EndProgram) when a call was given up, before anything the
// call may still use is taken apart. Declare the thread after what its work uses, so that it
// goes first.
class DatabaseThread {
public:
    // `whileWaiting`, where given, runs on the calling thread every so often while a call is
    // waited for (to handle its events, say); without it, the caller just waits.
    explicit DatabaseThread(std::function<void()> whileWaiting = {});
    ~DatabaseThread();
    DatabaseThread(const DatabaseThread&) = delete;
    DatabaseThread& operator=(const DatabaseThread&) = delete;

    // Runs `work` on the thread and returns its result, rethrowing what it threw. Returns nothing
    // when `limit` passes first: the thread is then given up and takes no more work. One call at
    // a time: what runs meanwhile (`whileWaiting`) must not call again.
    template <typename Work>
    auto Call(Work work, std::chrono::milliseconds limit) -> std::optional<decltype(work())> {
        // Owned by the call, which may outlive this function.
        auto result = std::make_shared<std::optional<decltype(work())>>();
        if (!Run([work = std::move(work), result] { result->emplace(work()); }, limit))
            return std::nullopt;
        return std::move(*result);
    }

private:
    // Runs `work` and waits for it as Call says; false when it was given up.
    [[nodiscard]] bool Run(std::function<void()> work, std::chrono::milliseconds limit);
    void Serve();

    const std::function<void()> whileWaiting_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::function<void()> work_;
    // Work is waiting for the thread; the work is done (no call is waited for). Each side looks
    // at these for a while before it sleeps on `changed_`.
    std::atomic<bool> pending_ = false;
    std::atomic<bool> done_ = true;
    // How long the last call took.
    std::chrono::nanoseconds lastCall_{};
    bool stopping_ = false;
    bool givenUp_ = false;
    std::exception_ptr thrown_;
    std::thread thread_;
};
