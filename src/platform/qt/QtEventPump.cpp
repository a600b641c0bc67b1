#include "platform/qt/QtEventPump.h"

#include <QCoreApplication>
#include <QTimer>

namespace korvanel {

namespace {

// Long enough to give the core away, short enough that a caller polling for a byte at 9600
// baud (about one per millisecond) does not fall behind.
constexpr int idleWaitMs = 1;

} // namespace

QtEventPump::QtEventPump(std::function<bool()> inputWaiting)
    : inputWaiting_(std::move(inputWaiting)) {}

void QtEventPump::pumpEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (inputWaiting_ && inputWaiting_()) {
        return;
    }
    // Callers pump in a tight loop while they wait, so an idle pass must block. The one-flag
    // overload hands WaitForMoreEvents to the dispatcher, which sleeps until some event comes;
    // the timer makes sure one does. (The overload taking a time limit strips that flag and
    // never sleeps.) The timer is local because a handler run here may pump again.
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
    wakeUp.start(idleWaitMs);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace korvanel
