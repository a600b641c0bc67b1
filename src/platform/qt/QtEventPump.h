#pragma once

#include "platform/EventPump.h"

#include <functional>

namespace korvanel {

class QtEventPump final : public EventPump {
  public:
    // inputWaiting tells whether the caller has work waiting (received bytes, typically); the
    // pump then returns at once instead of waiting for the next event.
    explicit QtEventPump(std::function<bool()> inputWaiting);

    void pumpEvents() override;

  private:
    std::function<bool()> inputWaiting_;
};

} // namespace korvanel
