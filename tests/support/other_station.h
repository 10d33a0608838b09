#pragma once

#include "platform/db/connection.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <thread>

namespace testsupport {

// Another station at work on its own connection and thread: it runs `hold`
// in a transaction and, once that ran, lets the caller go on while it keeps
// its locks a moment; then it runs `finish` and commits.
class OtherStation {
public:
    OtherStation(const QString& connectionString, std::function<void(db::Connection&)> hold,
                 std::function<void(db::Connection&)> finish = {}) {
        std::promise<void> held;
        std::future<void> holding = held.get_future();
        thread_ = std::thread([this, connectionString, hold = std::move(hold),
                               finish = std::move(finish), held = std::move(held)]() mutable {
            bool holds = false;
            try {
                db::Connection cn(connectionString);
                cn.open();
                db::Transaction t(cn);
                hold(cn);
                held.set_value();
                holds = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                if (finish)
                    finish(cn);
                t.commit();
            } catch (const db::DbError&) {
                failed_ = true;
                if (!holds)
                    held.set_value();
            }
        });
        holding.wait();
    }
    ~OtherStation() { join(); }
    OtherStation(const OtherStation&) = delete;
    OtherStation& operator=(const OtherStation&) = delete;

    // Waits for the station to end; true when all it did was committed.
    bool join() {
        if (thread_.joinable())
            thread_.join();
        return !failed_;
    }

private:
    std::thread thread_;
    std::atomic<bool> failed_ = false;
};

} // namespace testsupport
