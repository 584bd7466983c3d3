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
    DatabaseThread();
    ~DatabaseThread();
    DatabaseThread(const DatabaseThread&) = delete;
    DatabaseThread& operator=(const DatabaseThread&) = delete;

    // Runs `work` on the thread and returns its result, rethrowing what it threw. Returns nothing
    // when `limit` passes first: the thread is then given up and takes no more work. Meanwhile
    // the calling thread, when it is the program's own, handles its events but no socket's
    // (assistive technology's requests among them), so that its windows paint and may drop the
    // input they get; what would call again meanwhile is refused with a RuntimeError.
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

    std::mutex mutex_;
    std::condition_variable changed_;
    std::function<void()> work_;
    // Work is waiting for the thread; the work is done. Each side looks at these for a while
    // before it sleeps on `changed_`.
    std::atomic<bool> pending_ = false;
    std::atomic<bool> done_ = false;
    // A call is waited for: its caller has not returned. How long the last one took.
    bool calling_ = false;
    std::chrono::nanoseconds lastCall_{};
    bool stopping_ = false;
    bool givenUp_ = false;
    std::exception_ptr thrown_;
    std::thread thread_;
};
