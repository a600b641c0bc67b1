#include "Rig.h"
#include "TestMain.h"
#include "TestPrinting.h"
#include "app/UserTexts.h"

#include <QTest>

using namespace korvanel;
using namespace korvanel::test;

namespace {

using Properties = std::map<std::string, std::string>;

// Each list's name when its family is in front; "" where the list has no selected part.
std::string shownName(Rig& rig, int family) {
    rig.form.Toolbar1_ButtonClick(16 + family, "");
    return rig.view.selectedName;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void firstRunWithEmptyStore() {
        Rig rig;
        QVERIFY(!rig.start());
        const auto& s = rig.form.state();
        QCOMPARE(rig.view.caption, "Korvanel V1.6");
        QCOMPARE(rig.view.bufferSource, "P r a z a n");
        QCOMPARE(rig.view.status, "");
        QCOMPARE(rig.view.percentText, "");
        QCOMPARE(s.buf.len(), 0);
        QVERIFY(!rig.view.saveEnabled);
        QCOMPARE(int(s.curFamily), 1);
        QCOMPARE(rig.view.selectedName, "24C04/LC04");
        QCOMPARE(rig.view.frontList, 1);
        QCOMPARE(rig.view.package, Package::Dip8);
        QVERIFY(!rig.view.suffixVisible);
        QVERIFY(!rig.view.suffixChecked);
        QVERIFY(rig.view.pressed[17]);
        QCOMPARE(rig.link.commPort(), 2);
        QVERIFY(rig.view.portChecked[2] && !rig.view.portChecked[1]);
        QVERIFY(s.progOk);
        QCOMPARE(shownName(rig, 2), "93C46/LC46");
        QCOMPARE(shownName(rig, 3), "25LC040");
        QCOMPARE(shownName(rig, 4), "MDA2062");
    }

    void storeWithEveryKey() {
        Rig rig;
        rig.settings.properties() =
            Properties{{"Family", "2"},  {"SelDev1", "19"}, {"SelDev2", "10"}, {"SelDev3", "6"},
                       {"SelDev4", "1"}, {"CommPort", "3"}, {"Sufiks_x", "1"}};
        QVERIFY(!rig.start());
        QCOMPARE(rig.view.selectedName, "CAT35C104");
        QCOMPARE(rig.view.frontList, 2);
        QVERIFY(rig.view.suffixVisible);
        QVERIFY(rig.view.suffixChecked);
        QVERIFY(rig.view.pressed[18]);
        QVERIFY(rig.view.portChecked[3]);
        QCOMPARE(rig.view.listPosition, (std::array<int, 5>{-1, 19, 10, 6, 1}));
    }

    void familyFourPicture_data() {
        QTest::addColumn<std::string>("selDev4");
        QTest::addColumn<Package>("package");
        QTest::newRow("MDA2062") << std::string("0") << Package::Dip14;
        QTest::newRow("NVM3060") << std::string("1") << Package::Dip8;
    }

    void familyFourPicture() {
        QFETCH(std::string, selDev4);
        QFETCH(Package, package);
        Rig rig;
        rig.settings.properties() = Properties{{"Family", "4"}, {"SelDev4", selDev4}};
        rig.start();
        QCOMPARE(rig.view.package, package);
        QVERIFY(!rig.view.suffixVisible);
    }

    // A stored value that cannot be used never stops the start.
    void badStoredValues_data() {
        QTest::addColumn<std::string>("key");
        QTest::addColumn<std::string>("value");
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("selDev1");
        QTest::addColumn<std::string>("selchip");
        QTest::newRow("family not a number")
            << std::string("Family") << std::string("x") << 1 << 2 << std::string("24C04/LC04");
        QTest::newRow("family 0") << std::string("Family") << std::string("0") << 1 << 2
                                  << std::string("24C04/LC04");
        QTest::newRow("family 9") << std::string("Family") << std::string("9") << 1 << 2
                                  << std::string("24C04/LC04");
        QTest::newRow("position past the list")
            << std::string("SelDev1") << std::string("25") << 1 << -1 << std::string();
        QTest::newRow("position not a number")
            << std::string("SelDev1") << std::string("two") << 1 << -1 << std::string();
        QTest::newRow("position -1")
            << std::string("SelDev1") << std::string("-1") << 1 << -1 << std::string();
        QTest::newRow("suffix not a number")
            << std::string("Sufiks_x") << std::string("yes") << 1 << 2 << std::string("24C04/LC04");
    }

    void badStoredValues() {
        QFETCH(std::string, key);
        QFETCH(std::string, value);
        QFETCH(int, family);
        QFETCH(int, selDev1);
        QFETCH(std::string, selchip);
        Rig rig;
        rig.settings.properties()[key] = value;
        QVERIFY(!rig.start());
        QCOMPARE(int(rig.form.state().curFamily), family);
        QCOMPARE(int(rig.form.state().listPosition[1]), selDev1);
        QCOMPARE(rig.view.selectedName, selchip);
        QVERIFY(rig.view.pressed[16 + family]);
        QVERIFY(!rig.form.state().suffixChecked);
        QVERIFY(rig.form.state().progOk);
    }

    void portThatIsNotANumberOpensNothing() {
        Rig rig;
        rig.settings.properties()["CommPort"] = "COM2";
        QVERIFY(!rig.start());
        QVERIFY(!rig.link.portOpen());
        QVERIFY(!rig.form.state().progOk);
        QVERIFY(rig.view.portChecked[1]);
        QVERIFY(rig.alerts.log.empty());
        QVERIFY(rig.simulator.record().empty());
    }

    void failedIdentificationEndsBeforeTheWindowShows() {
        Rig rig;
        rig.settings.properties() =
            Properties{{"CommPort", "4"}, {"Family", "3"}, {"SelDev3", "5"}};
        rig.simulator.config().identReply = {0x00};
        QVERIFY(rig.run([&] { rig.form.Form_Load(); }));
        QCOMPARE(rig.settings.properties(), (Properties{{"CommPort", "1"},
                                                        {"Family", "3"},
                                                        {"SelDev1", "2"},
                                                        {"SelDev2", "1"},
                                                        {"SelDev3", "5"},
                                                        {"SelDev4", "0"},
                                                        {"Sufiks_x", "0"}}));
    }
};

class ShutdownTest : public QObject {
    Q_OBJECT

  private slots:
    void writesEveryKeyAlsoWithThePortClosed() {
        Rig rig;
        rig.settings.properties()["SelDev1"] = "25";
        rig.start();
        rig.select(2, 4);
        rig.form.s93x_Click(true);
        rig.link.setPortOpen(false);
        QVERIFY(rig.run([&] { rig.form.mnuExit_Click(); }));
        QCOMPARE(rig.settings.properties(), (Properties{{"CommPort", "2"},
                                                        {"Family", "2"},
                                                        {"SelDev1", "-1"},
                                                        {"SelDev2", "4"},
                                                        {"SelDev3", "2"},
                                                        {"SelDev4", "0"},
                                                        {"Sufiks_x", "1"}}));
    }

    void whatShutdownWritesStartupRestores() {
        Rig first;
        first.start();
        first.select(3, 6);
        first.select(4, 2);
        first.select(1, 13);
        first.form.selcom_Click(4);
        QVERIFY(first.run([&] { first.form.mnuExit_Click(); }));
        QVERIFY(!first.link.portOpen());

        Rig second;
        second.settings.values_ = first.settings.values_;
        second.start();
        QCOMPARE(second.form.state().listPosition, first.form.state().listPosition);
        QCOMPARE(second.form.state().curFamily, first.form.state().curFamily);
        QCOMPARE(second.link.commPort(), 4);
        QCOMPARE(second.view.selectedName, "SDA3516-5");
        QVERIFY(second.view.portChecked[4]);
        QVERIFY(second.view.pressed[17]);
    }
};

int main(int argc, char** argv) {
    return runTests<StartupTest, ShutdownTest>(argc, argv);
}

#include "startup_test.moc"
