#pragma once

namespace korvanel {

// Lets waiting code keep the window, the timer and the line alive: handles every pending
// event, running its handlers inside the call, then returns.
class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void pumpEvents() = 0;
};

} // namespace korvanel
