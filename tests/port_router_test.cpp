#include "Fakes.h"
#include "TestPrinting.h"
#include "VirtualClock.h"
#include "link/PortRouter.h"
#include "link/SimulatedLink.h"

#include <QTest>

using namespace korvanel;
using namespace korvanel::test;

namespace {

// Opens the simulator for "simulator" and fails every other device, remembering what it was
// asked for.
struct RouterRig {
    VirtualClock clock;
    ProgrammerSimulator unit{clock};
    MemorySettings settings;
    std::vector<std::string> asked;
    PortRouter router{settings, [this](const std::string& name) -> std::unique_ptr<SerialLink> {
                          asked.push_back(name);
                          auto link = std::make_unique<SimulatedLink>(unit);
                          link->setOpenFails(name != simulatorDeviceName);
                          return link;
                      }};
};

} // namespace

class PortRouterTest : public QObject {
    Q_OBJECT

  private slots:
    void comNumbersMapThroughTheSettings() {
        RouterRig rig;
        rig.settings.values_["Korvanel/Ports"]["COM3"] = "simulator";
        QVERIFY(rig.router.setCommPort(2));
        QVERIFY(!rig.router.setPortOpen(true));
        QVERIFY(!rig.router.portOpen());
        QVERIFY(rig.router.setCommPort(3));
        QVERIFY(rig.router.setPortOpen(true));
        QCOMPARE(rig.asked,
                 (std::vector<std::string>{PortRouter::defaultDeviceName(2), "simulator"}));
        QCOMPARE(PortRouter::defaultDeviceName(2), "/dev/ttyS1");
    }

    void openPortCarriesTheLine() {
        RouterRig rig;
        rig.settings.values_["Korvanel/Ports"]["COM1"] = "simulator";
        QVERIFY(rig.router.setPortOpen(true));
        QVERIFY(!rig.router.setCommPort(2));
        QVERIFY(rig.router.dsrHolding());
        rig.router.output(0x56);
        QCOMPARE(rig.router.outBufferCount(), 1);
        while (rig.clock.runDue()) {
        }
        QCOMPARE(rig.router.inBufferCount(), 1);
        QCOMPARE(rig.router.input(), std::optional<std::uint8_t>(0x16));
        QVERIFY(rig.router.setPortOpen(false));
        QVERIFY(!rig.router.dsrHolding());
        QCOMPARE(rig.router.input(), std::optional<std::uint8_t>());
    }

    void unusablePortNumbersAreRefused() {
        RouterRig rig;
        QVERIFY(!rig.router.setCommPort(0));
        QVERIFY(!rig.router.setCommPort(256));
        QCOMPARE(rig.router.commPort(), 1);
    }
};

QTEST_GUILESS_MAIN(PortRouterTest)
#include "port_router_test.moc"
