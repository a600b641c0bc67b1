#include "TestPrinting.h"
#include "VirtualClock.h"
#include "link/ProgrammerSimulator.h"
#include "link/SimulatedLink.h"

#include <QTest>

using namespace korvanel;
using namespace korvanel::test;

namespace {

using Kind = LineEvent::Kind;

struct Line {
    VirtualClock clock;
    ProgrammerSimulator unit{clock};
    SimulatedLink link{unit};
    Line() { link.setPortOpen(true); }

    void send(std::initializer_list<std::uint8_t> bytes) {
        for (auto b : bytes) {
            link.output(b);
        }
    }
    void settle() {
        while (clock.runDue()) {
        }
    }
    std::vector<std::uint8_t> received() {
        std::vector<std::uint8_t> bytes;
        while (auto b = link.input()) {
            bytes.push_back(*b);
        }
        return bytes;
    }
};

} // namespace

class SimulatorTest : public QObject {
    Q_OBJECT

  private slots:
    void bytesTakeTenBitTimesEachWay() {
        Line line;
        line.send({0x56});
        QCOMPARE(line.link.outBufferCount(), 1);
        line.settle();
        QCOMPARE(line.unit.record(),
                 (std::vector<LineEvent>{{byteTime, Kind::HostToDevice, 0x56},
                                         {2 * byteTime, Kind::DeviceToHost, 0x16}}));
        QCOMPARE(line.link.outBufferCount(), 0);
        QCOMPARE(line.received(), std::vector<std::uint8_t>{0x16});
    }

    void programmingTakesOneBytePerReadiness() {
        Line line;
        line.unit.config().writeTime = 5 * nanosPerMilli;
        line.send({0x11, 10, 0xAB});
        line.settle();
        const auto& r = line.unit.record();
        QCOMPARE(r.size(), std::size_t(5));
        QCOMPARE(r[2], (LineEvent{3 * byteTime, Kind::HostToDevice, 0xAB}));
        QCOMPARE(r[3], (LineEvent{3 * byteTime, Kind::DsrFall, 0}));
        QCOMPARE(r[4], (LineEvent{3 * byteTime + 5 * nanosPerMilli, Kind::DsrRise, 0}));
        QCOMPARE(line.unit.memory(10)[0], std::uint8_t(0xAB));
        QCOMPARE(line.unit.memory(10)[1], std::uint8_t(0xFF));
    }

    // The MDA2062's factory bytes survive programming; its 126 bytes fill the rest in order.
    void mdaKeepsItsFactoryBytes() {
        Line line;
        line.unit.config().writeTime = 0;
        auto& chip = line.unit.memory(0);
        chip[32] = 0x32;
        chip[64] = 0x64;
        line.send({0x11, 0});
        for (int i = 0; i < 126; ++i) {
            line.link.output(std::uint8_t(i));
        }
        line.settle();
        QCOMPARE(chip[31], std::uint8_t(31));
        QCOMPARE(chip[32], std::uint8_t(0x32));
        QCOMPARE(chip[33], std::uint8_t(32));
        QCOMPARE(chip[64], std::uint8_t(0x64));
        QCOMPARE(chip[127], std::uint8_t(125));
    }

    void readStreamsTheChipAndWhatFaultsAdd_data() {
        QTest::addColumn<int>("silentAfter");
        QTest::addColumn<int>("extraBytes");
        QTest::addColumn<int>("expected");
        QTest::newRow("whole chip") << -1 << 0 << 32;
        QTest::newRow("silent after 5") << 5 << 0 << 5;
        QTest::newRow("two extra bytes") << -1 << 2 << 34;
    }

    void readStreamsTheChipAndWhatFaultsAdd() {
        QFETCH(int, silentAfter);
        QFETCH(int, extraBytes);
        QFETCH(int, expected);
        Line line;
        if (silentAfter >= 0) {
            line.unit.config().silentAfter = silentAfter;
        }
        line.unit.config().extraBytes = extraBytes;
        for (int i = 0; i < 32; ++i) {
            line.unit.memory(10)[std::size_t(i)] = std::uint8_t(i);
        }
        line.send({0x11, 10 + 0x80});
        line.settle();
        const auto bytes = line.received();
        QCOMPARE(int(bytes.size()), expected);
        for (int i = 0; i < std::min(expected, 32); ++i) {
            QCOMPARE(bytes[std::size_t(i)], std::uint8_t(i));
        }
        QCOMPARE(line.unit.record().back().time, (2 + Nanos(expected)) * byteTime);
    }

    void switchedOffUnitAnswersNothing() {
        Line line;
        line.unit.setSwitchedOn(false);
        QVERIFY(!line.link.dsrHolding());
        line.send({0x56, 0x11, 0x80});
        line.settle();
        QVERIFY(line.received().empty());
    }

    void switchingOffMidWriteLeavesDsrLow() {
        Line line;
        line.send({0x11, 10, 0xAB});
        line.clock.advanceBy(3 * byteTime);
        QVERIFY(!line.link.dsrHolding());
        line.unit.setSwitchedOn(false);
        line.settle();
        QVERIFY(!line.link.dsrHolding());
        QCOMPARE(line.unit.record().back().kind, Kind::DsrFall);
    }

    void closedPortSeesNothing() {
        Line line;
        line.send({0x56});
        line.link.setPortOpen(false);
        line.settle();
        QVERIFY(!line.link.dsrHolding());
        QCOMPARE(line.link.inBufferCount(), 0);
        QVERIFY(line.unit.record().empty());
    }
};

QTEST_GUILESS_MAIN(SimulatorTest)
#include "simulator_test.moc"
