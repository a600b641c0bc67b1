#include "platform/qt/QtTimer.h"

namespace korvanel {

QtTimer::QtTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // A copy, so the handler may replace itself while it runs.
        if (const auto handler = handler_) {
            handler();
        }
    });
}

void QtTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    if (enabled_) {
        restart();
    }
}

void QtTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled_) {
        restart();
    } else {
        timer_.stop();
    }
}

void QtTimer::restart() {
    // An interval of zero means no ticks at all; a zero-interval QTimer would instead fire on
    // every pass of the event loop.
    if (interval_ > 0) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

} // namespace korvanel
