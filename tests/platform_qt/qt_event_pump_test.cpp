#include "platform/qt/QtEventPump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <ctime>

using korvanel::QtEventPump;

namespace {

constexpr int pumps = 300;

struct Elapsed {
    double wallMs = 0;
    double cpuMs = 0;
};

double processCpuMs() {
    return static_cast<double>(std::clock()) * 1000.0 / CLOCKS_PER_SEC;
}

Elapsed pumpRepeatedly(QtEventPump& pump) {
    QElapsedTimer wall;
    const double cpuStart = processCpuMs();
    wall.start();
    for (int i = 0; i < pumps; ++i) {
        pump.pumpEvents();
    }
    return {static_cast<double>(wall.nsecsElapsed()) / 1e6, processCpuMs() - cpuStart};
}

} // namespace

class TestQtEventPump : public QObject {
    Q_OBJECT

  private slots:
    void runsEventsPostedBeforeTheCall();
    void idlePumpingSleepsInsteadOfSpinning();
    void pumpingWithInputWaitingDoesNotSleep();
};

void TestQtEventPump::runsEventsPostedBeforeTheCall() {
    QtEventPump pump([] { return false; });
    int runs = 0;
    QMetaObject::invokeMethod(
        qApp, [&runs] { ++runs; }, Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        qApp, [&runs] { ++runs; }, Qt::QueuedConnection);
    pump.pumpEvents();
    QCOMPARE(runs, 2);
}

// Waiting code pumps in a tight loop for as long as it waits; each idle pass must give the
// core away. The bound is loose on purpose: spinning uses nearly all of the time.
void TestQtEventPump::idlePumpingSleepsInsteadOfSpinning() {
    QtEventPump pump([] { return false; });
    const Elapsed idle = pumpRepeatedly(pump);
    qInfo("%d idle pumps: %.1f ms wall, %.1f ms CPU", pumps, idle.wallMs, idle.cpuMs);
    QVERIFY2(idle.cpuMs < 0.5 * idle.wallMs, "the idle pump kept the CPU busy");
}

// Compared with idle pumping rather than with a fixed time, so a slow machine slows both.
void TestQtEventPump::pumpingWithInputWaitingDoesNotSleep() {
    QtEventPump idlePump([] { return false; });
    QtEventPump busyPump([] { return true; });
    const Elapsed idle = pumpRepeatedly(idlePump);
    const Elapsed busy = pumpRepeatedly(busyPump);
    qInfo("%d pumps: %.1f ms idle, %.1f ms with input waiting", pumps, idle.wallMs, busy.wallMs);
    QVERIFY(busy.wallMs < idle.wallMs / 4);
}

QTEST_MAIN(TestQtEventPump)
#include "qt_event_pump_test.moc"
