#pragma once

#include <cstdint>
#include <functional>

namespace korvanel {

// Time in nanoseconds since an arbitrary start.
using Nanos = std::int64_t;

inline constexpr Nanos nanosPerMilli = 1'000'000;

// Runs callbacks at a later time on the user-interface thread. The programmer simulator is
// driven by it, so the same model runs on the virtual clock of the tests and on the real one.
class Scheduler {
  public:
    using Id = std::uint64_t;
    virtual ~Scheduler() = default;
    virtual Nanos now() const = 0;
    virtual Id schedule(Nanos delay, std::function<void()> callback) = 0;
    virtual void cancel(Id id) = 0;
};

} // namespace korvanel
