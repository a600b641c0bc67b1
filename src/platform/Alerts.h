#pragma once

#include <string>

namespace korvanel {

// Modal messages (caption "Korvanel", OK only; lines separated by a carriage return) and
// the beep.
class Alerts {
  public:
    virtual ~Alerts() = default;
    virtual void showMessage(const std::string& text) = 0;
    virtual void beep() = 0;
};

} // namespace korvanel
