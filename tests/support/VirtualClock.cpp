#include "VirtualClock.h"

#include <stdexcept>

namespace korvanel::test {

Scheduler::Id VirtualClock::schedule(Nanos delay, std::function<void()> callback) {
    const Id id = ++lastId_;
    const Nanos at = now_ + (delay > 0 ? delay : 0);
    queue_.emplace(Key{at, id}, std::move(callback));
    times_.emplace(id, at);
    return id;
}

void VirtualClock::cancel(Id id) {
    const auto it = times_.find(id);
    if (it == times_.end()) {
        return;
    }
    queue_.erase(Key{it->second, id});
    times_.erase(it);
}

bool VirtualClock::runDue() {
    if (queue_.empty()) {
        return false;
    }
    const Nanos at = queue_.begin()->first.first;
    if (at > now_) {
        now_ = at;
    }
    while (!queue_.empty() && queue_.begin()->first.first <= now_) {
        auto node = queue_.extract(queue_.begin());
        times_.erase(node.key().second);
        node.mapped()();
    }
    return true;
}

void VirtualClock::advanceBy(Nanos delay) {
    const Nanos target = now_ + delay;
    while (!queue_.empty() && queue_.begin()->first.first <= target) {
        runDue();
    }
    now_ = target;
}

void FakePump::pumpEvents() {
    ++calls_;
    if (clock_.runDue()) {
        idleInARow_ = 0;
    } else if (++idleInARow_ > 1'000'000) {
        throw std::logic_error("a wait loop pumps with nothing left to happen");
    }
}

void FakeTimer::setEnabled(bool enabled) {
    if (pending_) {
        clock_.cancel(*pending_);
        pending_.reset();
    }
    if (enabled) {
        arm();
    }
}

void FakeTimer::arm() {
    pending_ = clock_.schedule(static_cast<Nanos>(interval_) * nanosPerMilli, [this] {
        arm();
        if (handler_) {
            handler_();
        }
    });
}

} // namespace korvanel::test
