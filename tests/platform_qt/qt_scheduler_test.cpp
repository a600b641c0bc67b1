#include "platform/qt/QtScheduler.h"

#include <QTest>

#include <string>

using korvanel::Nanos;
using korvanel::nanosPerMilli;
using korvanel::QtScheduler;

namespace {

constexpr int waitMs = 5000;

} // namespace

class TestQtScheduler : public QObject {
    Q_OBJECT

  private slots:
    void runsCallbacksInOrderOfTimeThenOfScheduling();
    void neverRunsACallbackBeforeItsTime();
    void cancelledCallbacksNeverRun();
    void callbacksMayScheduleAndCancelOthers();
    void callbackThatPumpsEventsLetsOthersRunOnceEach();
    void callbackRescheduledAtOnceDoesNotStarveTheEventLoop();
};

void TestQtScheduler::runsCallbacksInOrderOfTimeThenOfScheduling() {
    QtScheduler scheduler;
    std::string order;
    scheduler.schedule(30 * nanosPerMilli, [&order] { order += 'd'; });
    scheduler.schedule(10 * nanosPerMilli, [&order] { order += 'b'; });
    scheduler.schedule(10 * nanosPerMilli, [&order] { order += 'c'; });
    scheduler.schedule(0, [&order] { order += 'a'; });
    // Sub-millisecond differences count too, though Qt timers count whole milliseconds.
    scheduler.schedule(30 * nanosPerMilli + 400'000, [&order] { order += 'f'; });
    scheduler.schedule(30 * nanosPerMilli + 200'000, [&order] { order += 'e'; });
    QVERIFY(QTest::qWaitFor([&order] { return order.size() == 6; }, waitMs));
    QCOMPARE(order, std::string("abcdef"));
}

void TestQtScheduler::neverRunsACallbackBeforeItsTime() {
    QtScheduler scheduler;
    int done = 0;
    bool early = false;
    const Nanos delays[] = {1, nanosPerMilli / 2, 1'041'667, 2 * nanosPerMilli + 1,
                            7 * nanosPerMilli};
    for (const Nanos delay : delays) {
        const Nanos due = scheduler.now() + delay;
        scheduler.schedule(delay, [&, due] {
            early = early || scheduler.now() < due;
            ++done;
        });
    }
    QVERIFY(QTest::qWaitFor([&done] { return done == 5; }, waitMs));
    QVERIFY(!early);
}

void TestQtScheduler::cancelledCallbacksNeverRun() {
    QtScheduler scheduler;
    std::string ran;
    const auto first = scheduler.schedule(2 * nanosPerMilli, [&ran] { ran += 'x'; });
    scheduler.schedule(5 * nanosPerMilli, [&ran] { ran += 'y'; });
    const auto last = scheduler.schedule(8 * nanosPerMilli, [&ran] { ran += 'z'; });
    scheduler.cancel(first);
    scheduler.cancel(last);
    scheduler.cancel(last);
    scheduler.cancel(12345);
    QVERIFY(QTest::qWaitFor([&ran] { return !ran.empty(); }, waitMs));
    QTest::qWait(20);
    QCOMPARE(ran, std::string("y"));

    // Cancelling a callback that has run, and scheduling afterwards, still works.
    const auto again = scheduler.schedule(0, [&ran] { ran += 'w'; });
    QVERIFY(QTest::qWaitFor([&ran] { return ran.size() == 2; }, waitMs));
    scheduler.cancel(again);
    QCOMPARE(ran, std::string("yw"));
}

void TestQtScheduler::callbacksMayScheduleAndCancelOthers() {
    QtScheduler scheduler;
    std::string ran;
    const auto victim = scheduler.schedule(10 * nanosPerMilli, [&ran] { ran += 'v'; });
    scheduler.schedule(2 * nanosPerMilli, [&] {
        ran += 'a';
        scheduler.cancel(victim);
        scheduler.schedule(3 * nanosPerMilli, [&ran] { ran += 'c'; });
        scheduler.schedule(0, [&ran] { ran += 'b'; });
    });
    QVERIFY(QTest::qWaitFor([&ran] { return ran.size() >= 3; }, waitMs));
    QTest::qWait(20);
    QCOMPARE(ran, std::string("abc"));
}

// Waiting code pumps events inside callbacks, so the scheduler is entered again from within
// one of its own callbacks.
void TestQtScheduler::callbackThatPumpsEventsLetsOthersRunOnceEach() {
    QtScheduler scheduler;
    std::string ran;
    scheduler.schedule(1 * nanosPerMilli, [&] {
        ran += '(';
        const bool othersRan = QTest::qWaitFor([&ran] { return ran.size() >= 3; }, waitMs);
        ran += othersRan ? ')' : '!';
    });
    scheduler.schedule(3 * nanosPerMilli, [&ran] { ran += 'b'; });
    scheduler.schedule(4 * nanosPerMilli, [&ran] { ran += 'c'; });
    QVERIFY(QTest::qWaitFor([&ran] { return ran.size() >= 4; }, waitMs));
    QTest::qWait(20);
    QCOMPARE(ran, std::string("(bc)"));
}

void TestQtScheduler::callbackRescheduledAtOnceDoesNotStarveTheEventLoop() {
    QtScheduler scheduler;
    int runs = 0;
    std::optional<QtScheduler::Id> pending;
    std::function<void()> again = [&] {
        ++runs;
        pending = scheduler.schedule(0, again);
    };
    pending = scheduler.schedule(0, again);

    bool eventLoopRan = false;
    QTimer::singleShot(5, [&eventLoopRan] { eventLoopRan = true; });
    QVERIFY(QTest::qWaitFor([&eventLoopRan] { return eventLoopRan; }, waitMs));
    scheduler.cancel(*pending);
    QVERIFY(runs > 0);
}

QTEST_GUILESS_MAIN(TestQtScheduler)
#include "qt_scheduler_test.moc"
