// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
// with a deadline. Work runs one piece at a time, in the order given.
class DatabaseThread {
public:
    DatabaseThread();
    // Stops the thread once its work is done. A thread still inside work that never returned
    // cannot be stopped or waited for, and the process cannot end normally while it holds the
    // driver: the process ends here, with the exit status of the run-time error that gave it up.
    ~DatabaseThread();
    DatabaseThread(const DatabaseThread&) = delete;
    DatabaseThread& operator=(const DatabaseThread&) = delete;

    // Runs `work` on the thread and returns its result, rethrowing what it threw. Returns nothing
    // when `limit` passes first: the thread is then given up and takes no more work. Work that
    // outlives its caller so must capture by value: it may still finish after the caller left.
    // Meanwhile the calling thread, when it is the program's own, keeps its windows painted but
    // handles no input.
    template <typename Work>
    auto Call(Work work, std::chrono::milliseconds limit) -> std::optional<decltype(work())> {
        auto result = std::make_shared<std::optional<decltype(work())>>();
        if (!Run([work = std::move(work), result] { result->emplace(work()); }, limit))
            return std::nullopt;
        return std::move(*result);
    }

private:
    [[nodiscard]] bool Run(std::function<void()> work, std::chrono::milliseconds limit);
    void Serve();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::function<void()> work_;
    bool done_ = false;
    bool stopping_ = false;
    bool givenUp_ = false;
    std::exception_ptr thrown_;
    std::thread thread_;
};
