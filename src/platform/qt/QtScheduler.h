#pragma once

#include "platform/Scheduler.h"

#include <QElapsedTimer>
#include <QTimer>

#include <map>
#include <unordered_map>
#include <utility>

namespace korvanel {

// Keeps the pending callbacks in order of their time and one timer set for the earliest, so
// callbacks due at the same time run in the order they were scheduled.
class QtScheduler final : public Scheduler {
  public:
    QtScheduler();
    QtScheduler(const QtScheduler&) = delete;
    QtScheduler& operator=(const QtScheduler&) = delete;

    Nanos now() const override { return clock_.nsecsElapsed(); }
    Id schedule(Nanos delay, std::function<void()> callback) override;
    void cancel(Id id) override;

  private:
    using Key = std::pair<Nanos, Id>; // due time, then order of scheduling

    void runDue();
    void arm();

    QElapsedTimer clock_;
    QTimer timer_;
    std::map<Key, std::function<void()>> queue_;
    std::unordered_map<Id, Nanos> dueTimes_;
    Id lastId_ = 0;
};

} // namespace korvanel
