#include "Rig.h"
#include "TestMain.h"
#include "TestPrinting.h"
#include "app/UserTexts.h"

#include <QTest>

using namespace korvanel;
using namespace korvanel::test;

namespace {

const std::string mismatch(texts::versionMismatch);

// A rig started without a usable stored port, so nothing is opened until the user picks one.
struct IdleRig : Rig {
    IdleRig() {
        settings.properties()["CommPort"] = "none";
        start();
    }
};

} // namespace

class IdentificationTest : public QObject {
    Q_OBJECT

  private slots:
    void choosingPort_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("switchedOn");
        QTest::addColumn<bool>("openFails");
        QTest::addColumn<std::vector<std::uint8_t>>("reply");
        QTest::addColumn<bool>("progOk");
        QTest::addColumn<bool>("ended");
        QTest::addColumn<std::string>("message");
        QTest::addColumn<int>("checkedPort");
        QTest::addColumn<std::string>("savedPort");

        using Bytes = std::vector<std::uint8_t>;
        QTest::newRow("answer 0x16") << 2 << true << false << Bytes{0x16} << true << false
                                     << std::string() << 2 << std::string();
        QTest::newRow("wrong byte") << 2 << true << false << Bytes{0x15} << false << true
                                    << mismatch << 0 << std::string("3");
        QTest::newRow("wrong byte, then 0x16") << 3 << true << false << Bytes{0x15, 0x16} << false
                                               << true << mismatch << 0 << std::string("4");
        QTest::newRow("no answer")
            << 4 << true << false << Bytes{} << false << true << mismatch << 0 << std::string("1");
        QTest::newRow("switched off") << 1 << false << false << Bytes{0x16} << false << false
                                      << std::string(texts::programmerOff) << 1 << std::string();
        QTest::newRow("cannot open")
            << 3 << true << true << Bytes{0x16} << false << false
            << std::string("Greska pri otvaranju COM3 porta !") << 0 << std::string();
    }

    void choosingPort() {
        QFETCH(int, port);
        QFETCH(bool, switchedOn);
        QFETCH(bool, openFails);
        QFETCH(std::vector<std::uint8_t>, reply);
        QFETCH(bool, progOk);
        QFETCH(bool, ended);
        QFETCH(std::string, message);
        QFETCH(int, checkedPort);
        QFETCH(std::string, savedPort);

        IdleRig rig;
        rig.simulator.setSwitchedOn(switchedOn);
        rig.simulator.config().identReply = reply;
        rig.link.setOpenFails(openFails);

        QCOMPARE(rig.run([&] { rig.form.selcom_Click(port); }), ended);
        QCOMPARE(rig.form.state().progOk, progOk);
        QCOMPARE(rig.alerts.messages(),
                 message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
        for (int item = 1; item <= 4; ++item) {
            QCOMPARE(rig.view.portChecked[item], item == checkedPort);
        }
        QCOMPARE(rig.settings.properties()["CommPort"], savedPort.empty() ? "none" : savedPort);
        if (ended) {
            QVERIFY(!rig.link.portOpen());
        }
        const bool identifying = switchedOn && !openFails;
        QCOMPARE(rig.simulator.bytesFromHost(),
                 identifying ? std::vector<std::uint8_t>{0x56} : std::vector<std::uint8_t>{});
        QVERIFY(!rig.timer.enabled());
        QVERIFY(!rig.view.busy);
    }

    // The answer may come as late as the second tick after "V" went out, and no later.
    void answerDeadline_data() {
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("prompt") << 0 << true;
        QTest::newRow("before the second tick") << 290 << true;
        QTest::newRow("after the second tick") << 300 << false;
    }

    void answerDeadline() {
        QFETCH(int, delayMs);
        QFETCH(bool, accepted);
        IdleRig rig;
        rig.simulator.config().replyDelay = delayMs * ms;
        const Nanos sent = rig.clock.now();
        Nanos shownAt = 0;
        rig.alerts.whileShown = [&](const std::string&) { shownAt = rig.clock.now(); };
        QCOMPARE(rig.run([&] { rig.form.selcom_Click(1); }), !accepted);
        QCOMPARE(rig.form.state().progOk, accepted);
        if (!accepted) {
            QCOMPARE(shownAt - sent, 300 * ms);
        }
    }

    void advancedPortIsSavedAndProgramEnds_data() {
        QTest::addColumn<std::string>("stored");
        QTest::addColumn<std::string>("saved");
        QTest::newRow("4 becomes 1") << std::string("4") << std::string("1");
        QTest::newRow("5 becomes 2") << std::string("5") << std::string("2");
    }

    void advancedPortIsSavedAndProgramEnds() {
        QFETCH(std::string, stored);
        QFETCH(std::string, saved);
        Rig rig;
        rig.settings.properties()["CommPort"] = stored;
        rig.simulator.config().identReply = {};
        QVERIFY(rig.start());
        QVERIFY(rig.programExit.ended);
        QCOMPARE(rig.settings.properties()["CommPort"], saved);
        QCOMPARE(rig.alerts.messages(), std::vector<std::string>{mismatch});
        for (int item = 1; item <= 4; ++item) {
            QVERIFY(!rig.view.portChecked[item]);
        }
    }

    void reopeningTheOpenPortIdentifiesAgain() {
        IdleRig rig;
        rig.form.selcom_Click(2);
        rig.form.selcom_Click(2);
        QCOMPARE(rig.simulator.bytesFromHost(), (std::vector<std::uint8_t>{0x56, 0x56}));
        QVERIFY(rig.form.state().progOk);
        QVERIFY(rig.link.portOpen());
        QVERIFY(rig.view.portChecked[2]);
        QVERIFY(rig.alerts.log.empty());
    }

    void commandsAreRefusedWhileIdentifying() {
        IdleRig rig;
        rig.simulator.config().replyDelay = 100 * ms;
        bool busyWhileWaiting = false;
        rig.at(50 * ms, [&] {
            busyWhileWaiting = rig.view.busy;
            rig.form.mnuClear_Click();
            rig.form.selcom_Click(3);
            rig.form.mnuAutor_Click();
        });
        rig.form.selcom_Click(1);
        QVERIFY(busyWhileWaiting);
        QVERIFY(!rig.view.busy);
        QVERIFY(rig.form.state().progOk);
        QCOMPARE(rig.link.commPort(), 1);
        QCOMPARE(rig.view.aboutCount, 0);
        QCOMPARE(rig.view.bufferSource, std::string(texts::bufferEmpty));
    }

    void leavingWhileIdentifyingEndsAtOnce() {
        IdleRig rig;
        rig.simulator.config().replyDelay = 100 * ms;
        rig.at(50 * ms, [&] { rig.form.mnuExit_Click(); });
        QVERIFY(rig.run([&] { rig.form.selcom_Click(1); }));
        QCOMPARE(rig.settings.properties()["CommPort"], "1");
        QVERIFY(!rig.link.portOpen());
        QVERIFY(rig.alerts.log.empty());
    }
};

class WatchdogTest : public QObject {
    Q_OBJECT

  private slots:
    void timeoutWithProgrammerIdentified() {
        Rig rig;
        rig.startIdentified();
        for (int index = 9; index <= 12; ++index) {
            rig.view.pressed[index] = true;
        }
        rig.view.setStatus("C I T A N J E");
        rig.view.setProgress(40);
        rig.timer.setEnabled(true);
        rig.clock.advanceBy(299 * ms);
        QVERIFY(rig.alerts.log.empty());
        rig.clock.advanceBy(1 * ms);

        QCOMPARE(rig.alerts.log,
                 (std::vector<std::string>{std::string(texts::programmerLost), "beep"}));
        QVERIFY(!rig.form.state().progOk);
        QVERIFY(!rig.timer.enabled());
        for (int index = 9; index <= 12; ++index) {
            QVERIFY(!rig.view.pressed[index]);
        }
        QCOMPARE(rig.view.progress, 0);
        QCOMPARE(rig.view.percentText, "");
        QCOMPARE(rig.view.status, "");
    }

    void timeoutWithoutProgrammerOnlyClearsDisplay() {
        IdleRig rig;
        rig.view.pressed[10] = true;
        rig.view.setStatus("V E R I F I K A C I J A");
        rig.view.setPercentText("50 %");
        rig.timer.setEnabled(true);
        rig.clock.advanceBy(300 * ms);
        QVERIFY(rig.alerts.log.empty());
        QVERIFY(!rig.timer.enabled());
        QVERIFY(rig.view.pressed[10]);
        QCOMPARE(rig.view.status, "");
        QCOMPARE(rig.view.percentText, "");
    }

    void startupOneShotPressesTheFamilyButtonOnly_data() {
        QTest::addColumn<std::string>("family");
        QTest::addColumn<int>("button");
        QTest::newRow("iic") << std::string("1") << 17;
        QTest::newRow("mware") << std::string("2") << 18;
        QTest::newRow("ostali") << std::string("4") << 20;
    }

    void startupOneShotPressesTheFamilyButtonOnly() {
        QFETCH(std::string, family);
        QFETCH(int, button);
        Rig rig;
        rig.settings.properties()["Family"] = family;
        rig.settings.properties()["CommPort"] = "1";
        rig.form.Form_Load();
        QVERIFY(rig.timer.enabled());
        QVERIFY(!rig.view.pressed[button]);
        rig.clock.advanceBy(150 * ms);
        QVERIFY(rig.view.pressed[button]);
        QVERIFY(!rig.timer.enabled());
        QVERIFY(!rig.form.state().stale);
        QVERIFY(!rig.form.state().startupPending);
        QVERIFY(rig.alerts.log.empty());
        QCOMPARE(rig.view.status, "");
    }
};

int main(int argc, char** argv) {
    return runTests<IdentificationTest, WatchdogTest>(argc, argv);
}

#include "identification_test.moc"
