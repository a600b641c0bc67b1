#pragma once

#include "platform/Timer.h"

#include <QTimer>

namespace korvanel {

class QtTimer final : public Timer {
  public:
    QtTimer();
    QtTimer(const QtTimer&) = delete;
    QtTimer& operator=(const QtTimer&) = delete;

    void setInterval(int milliseconds) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }
    void setTickHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

  private:
    void restart();

    QTimer timer_;
    std::function<void()> handler_;
    int interval_ = 0;
    bool enabled_ = false;
};

} // namespace korvanel
