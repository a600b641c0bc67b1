#pragma once

#include <functional>

namespace korvanel {

// A periodic timer whose ticks are delivered on the user-interface thread, by the event loop
// or inside EventPump::pumpEvents. At most one tick is ever pending.
class Timer {
  public:
    virtual ~Timer() = default;

    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    // Enabling (again) starts a fresh period: the next tick comes one interval after the call.
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
    virtual void setTickHandler(std::function<void()> handler) = 0;
};

} // namespace korvanel
