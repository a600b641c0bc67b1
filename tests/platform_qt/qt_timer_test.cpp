#include "platform/qt/QtTimer.h"

#include <QElapsedTimer>
#include <QTest>

using korvanel::QtTimer;

namespace {

constexpr int waitMs = 5000;

} // namespace

class TestQtTimer : public QObject {
    Q_OBJECT

  private slots:
    void ticksUntilDisabled();
    void enablingAgainStartsAFreshPeriod();
    void zeroIntervalNeverTicks();
    void handlerMayReplaceItselfWhileRunning();
};

void TestQtTimer::ticksUntilDisabled() {
    QtTimer timer;
    int ticks = 0;
    timer.setTickHandler([&ticks] { ++ticks; });
    timer.setInterval(5);
    timer.setEnabled(true);
    QVERIFY(timer.enabled());
    QVERIFY(QTest::qWaitFor([&ticks] { return ticks >= 3; }, waitMs));

    timer.setEnabled(false);
    QVERIFY(!timer.enabled());
    const int ticksWhenDisabled = ticks;
    QTest::qWait(30);
    QCOMPARE(ticks, ticksWhenDisabled);
}

// Re-enabled ten times per period for two periods: a timer that kept its first period would
// tick half way through. The margin is wide so that a slow machine cannot make it tick.
void TestQtTimer::enablingAgainStartsAFreshPeriod() {
    QtTimer timer;
    int ticks = 0;
    timer.setTickHandler([&ticks] { ++ticks; });
    timer.setInterval(300);
    timer.setEnabled(true);
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 600) {
        QTest::qWait(30);
        timer.setEnabled(true);
    }
    QCOMPARE(ticks, 0);
}

void TestQtTimer::zeroIntervalNeverTicks() {
    QtTimer timer;
    int ticks = 0;
    timer.setTickHandler([&ticks] { ++ticks; });
    timer.setEnabled(true);
    QVERIFY(timer.enabled());
    QCOMPARE(timer.interval(), 0);
    QTest::qWait(30);
    QCOMPARE(ticks, 0);

    timer.setInterval(5);
    QVERIFY(QTest::qWaitFor([&ticks] { return ticks > 0; }, waitMs));
}

void TestQtTimer::handlerMayReplaceItselfWhileRunning() {
    QtTimer timer;
    int firstTicks = 0;
    int secondTicks = 0;
    timer.setTickHandler([&] {
        ++firstTicks;
        timer.setTickHandler([&secondTicks] { ++secondTicks; });
    });
    timer.setInterval(5);
    timer.setEnabled(true);
    QVERIFY(QTest::qWaitFor([&secondTicks] { return secondTicks >= 2; }, waitMs));
    QCOMPARE(firstTicks, 1);
}

QTEST_GUILESS_MAIN(TestQtTimer)
#include "qt_timer_test.moc"
