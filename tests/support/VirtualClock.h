#pragma once

#include "platform/EventPump.h"
#include "platform/Scheduler.h"
#include "platform/Timer.h"

#include <functional>
#include <map>
#include <optional>
#include <unordered_map>

namespace korvanel::test {

// Virtual time: nothing happens between events, so a pump jumps straight to the next one.
class VirtualClock final : public Scheduler {
  public:
    Nanos now() const override { return now_; }
    Id schedule(Nanos delay, std::function<void()> callback) override;
    void cancel(Id id) override;

    // Runs what is due now; when nothing is, moves time to the next event and runs what is
    // due then. False when nothing at all is scheduled.
    bool runDue();
    // Runs every event up to now + delay, then stands at that time.
    void advanceBy(Nanos delay);

  private:
    using Key = std::pair<Nanos, Id>;
    Nanos now_ = 0;
    Id lastId_ = 0;
    std::map<Key, std::function<void()>> queue_;
    std::unordered_map<Id, Nanos> times_;
};

// The event pump of the tests. A wait loop that pumps with nothing scheduled would never end;
// that is reported instead of hanging the test.
class FakePump final : public EventPump {
  public:
    explicit FakePump(VirtualClock& clock) : clock_(clock) {}
    void pumpEvents() override;
    long calls() const { return calls_; }

  private:
    VirtualClock& clock_;
    long calls_ = 0;
    long idleInARow_ = 0;
};

class FakeTimer final : public Timer {
  public:
    explicit FakeTimer(VirtualClock& clock) : clock_(clock) {}
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return pending_.has_value(); }
    void setTickHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

  private:
    void arm();
    VirtualClock& clock_;
    int interval_ = 150;
    std::optional<Scheduler::Id> pending_;
    std::function<void()> handler_;
};

} // namespace korvanel::test
