#include "platform/qt/QtScheduler.h"

#include <algorithm>
#include <limits>

namespace korvanel {

QtScheduler::QtScheduler() {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { runDue(); });
}

Scheduler::Id QtScheduler::schedule(Nanos delay, std::function<void()> callback) {
    const Id id = ++lastId_;
    const Nanos due = now() + std::max<Nanos>(delay, 0);
    queue_.emplace(Key{due, id}, std::move(callback));
    dueTimes_.emplace(id, due);
    if (queue_.begin()->first.second == id) {
        arm();
    }
    return id;
}

void QtScheduler::cancel(Id id) {
    const auto found = dueTimes_.find(id);
    if (found == dueTimes_.end()) {
        return;
    }
    queue_.erase(Key{found->second, id});
    dueTimes_.erase(found);
    arm();
}

void QtScheduler::runDue() {
    // Only what was due on entry: a callback that schedules another at once must not keep
    // this loop, and with it the event loop, going for ever.
    const Nanos limit = now();
    // Callbacks may schedule, cancel or pump events (and so come back here), so the queue is
    // looked at afresh after each one, each leaves the queue before it runs, and the timer is
    // set for the rest first, so that those still run while a callback waits in a nested loop.
    while (!queue_.empty() && queue_.begin()->first.first <= limit) {
        auto node = queue_.extract(queue_.begin());
        dueTimes_.erase(node.key().second);
        arm();
        node.mapped()();
    }
    arm();
}

void QtScheduler::arm() {
    if (queue_.empty()) {
        timer_.stop();
        return;
    }
    const Nanos remaining = std::max<Nanos>(queue_.begin()->first.first - now(), 0);
    // Qt timers count whole milliseconds; rounding up keeps every callback after its time.
    const Nanos milliseconds = (remaining + nanosPerMilli - 1) / nanosPerMilli;
    timer_.start(static_cast<int>(std::min<Nanos>(milliseconds, std::numeric_limits<int>::max())));
}

} // namespace korvanel
