#include "platform/qt/QtSerialLink.h"

#include <QElapsedTimer>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

using korvanel::QtSerialLink;

namespace {

constexpr int waitMs = 5000;

// A pseudo-terminal: the link opens the terminal side by name, the test plays the device on
// the controlling side. The test also keeps its own descriptor of the terminal side, opened
// before the link takes the device for itself, to see what waits in the driver.
class PtyPair {
  public:
    PtyPair() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
            return;
        }
        terminalName_ = ::ptsname(master_);
        terminal_ = ::open(terminalName_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    }
    ~PtyPair() {
        if (terminal_ >= 0) {
            ::close(terminal_);
        }
        if (master_ >= 0) {
            ::close(master_);
        }
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool valid() const { return master_ >= 0 && terminal_ >= 0; }
    const std::string& terminalName() const { return terminalName_; }

    bool send(const std::vector<std::uint8_t>& bytes) const {
        return ::write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // Reads what the link sent, waiting up to waitMs for count bytes.
    std::vector<std::uint8_t> receive(std::size_t count) const {
        std::vector<std::uint8_t> bytes;
        while (bytes.size() < count) {
            pollfd ready{master_, POLLIN, 0};
            if (::poll(&ready, 1, waitMs) <= 0) {
                break;
            }
            std::uint8_t chunk[256];
            const ssize_t got = ::read(master_, chunk, sizeof chunk);
            if (got <= 0) {
                break;
            }
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
        return bytes;
    }

    // Bytes the driver holds for the terminal side that nobody has read yet.
    int driverInputCount() const {
        int count = 0;
        return ::ioctl(terminal_, FIONREAD, &count) == 0 ? count : -1;
    }

  private:
    int master_ = -1;
    int terminal_ = -1;
    std::string terminalName_;
};

std::vector<std::uint8_t> everyByteValue() {
    std::vector<std::uint8_t> bytes(256);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i);
    }
    return bytes;
}

} // namespace

class TestQtSerialLink : public QObject {
    Q_OBJECT

  private slots:
    void movesEveryByteValueUnchangedBothWays();
    void inputTakesOneByteAtATime();
    void discardInputDropsBufferedAndDriverHeldBytesOnly();
    void outBufferCountFallsToZeroOnceTheByteHasLeft();
    void portNumberChangesOnlyWhileClosed();
    void reopensAfterClose();
    void reportsADeviceItCannotOpen();
};

// Raw mode matters: the protocol's own bytes include XON (0x11), CR and the interrupt
// characters, which a terminal in its default mode would swallow or translate.
void TestQtSerialLink::movesEveryByteValueUnchangedBothWays() {
    PtyPair pty;
    QVERIFY(pty.valid());
    QtSerialLink link(pty.terminalName());
    QVERIFY2(link.setPortOpen(true), link.lastError().c_str());
    // A pseudo-terminal has no modem lines; the failed query must not harm the port.
    QVERIFY(!link.dsrHolding());

    const std::vector<std::uint8_t> all = everyByteValue();
    QVERIFY(pty.send(all));
    QVERIFY(QTest::qWaitFor([&] { return link.inBufferCount() == 256; }, waitMs));
    std::vector<std::uint8_t> received;
    while (const auto byte = link.input()) {
        received.push_back(*byte);
    }
    QCOMPARE(received, all);

    for (const std::uint8_t byte : all) {
        link.output(byte);
    }
    QCOMPARE(pty.receive(all.size()), all);
}

void TestQtSerialLink::inputTakesOneByteAtATime() {
    PtyPair pty;
    QVERIFY(pty.valid());
    QtSerialLink link(pty.terminalName());
    QVERIFY(link.setPortOpen(true));
    QVERIFY(!link.input().has_value());

    QVERIFY(pty.send({0x16, 0x00, 0xFF}));
    QVERIFY(QTest::qWaitFor([&] { return link.inBufferCount() == 3; }, waitMs));
    QCOMPARE(link.input(), std::optional<std::uint8_t>(0x16));
    QCOMPARE(link.inBufferCount(), 2);
    QCOMPARE(link.input(), std::optional<std::uint8_t>(0x00));
    QCOMPARE(link.inBufferCount(), 1);
    QCOMPARE(link.input(), std::optional<std::uint8_t>(0xFF));
    QCOMPARE(link.inBufferCount(), 0);
    QVERIFY(!link.input().has_value());
}

void TestQtSerialLink::discardInputDropsBufferedAndDriverHeldBytesOnly() {
    PtyPair pty;
    QVERIFY(pty.valid());
    QtSerialLink link(pty.terminalName());
    QVERIFY(link.setPortOpen(true));

    // Some bytes already in the link's buffer ...
    QVERIFY(pty.send({1, 2, 3}));
    QVERIFY(QTest::qWaitFor([&] { return link.inBufferCount() == 3; }, waitMs));
    // ... and more still in the driver, with no event processed since they came.
    QVERIFY(pty.send({4, 5}));
    QElapsedTimer waited;
    waited.start();
    while (pty.driverInputCount() < 2 && waited.elapsed() < waitMs) {
        ::usleep(1000);
    }
    QCOMPARE(pty.driverInputCount(), 2);

    link.discardInput();
    QCOMPARE(link.inBufferCount(), 0);
    QCOMPARE(pty.driverInputCount(), 0);

    QVERIFY(pty.send({6}));
    // Any byte that escaped the discard came before this one and would be taken first.
    QVERIFY(QTest::qWaitFor([&] { return link.inBufferCount() > 0; }, waitMs));
    QCOMPARE(link.input(), std::optional<std::uint8_t>(6));
    QVERIFY(!link.input().has_value());
}

void TestQtSerialLink::outBufferCountFallsToZeroOnceTheByteHasLeft() {
    PtyPair pty;
    QVERIFY(pty.valid());
    QtSerialLink link(pty.terminalName());
    QVERIFY(link.setPortOpen(true));
    QCOMPARE(link.outBufferCount(), 0);

    // The driver's queue of a pseudo-terminal always reads as empty, so only the count's return
    // to zero is seen here, not the bytes it held.
    link.output(0x56);
    QCOMPARE(pty.receive(1), std::vector<std::uint8_t>{0x56});
    QVERIFY(QTest::qWaitFor([&] { return link.outBufferCount() == 0; }, waitMs));
}

void TestQtSerialLink::portNumberChangesOnlyWhileClosed() {
    PtyPair pty;
    QVERIFY(pty.valid());
    QtSerialLink link(pty.terminalName());
    QVERIFY(link.setCommPort(255));
    QVERIFY(!link.setCommPort(256));
    QVERIFY(!link.setCommPort(0));
    QCOMPARE(link.commPort(), 255);

    QVERIFY(link.setPortOpen(true));
    QVERIFY(!link.setCommPort(2));
    QCOMPARE(link.commPort(), 255);
}

// Qt guards a device with a lock file while it is open; closing must give it back.
void TestQtSerialLink::reopensAfterClose() {
    PtyPair pty;
    QVERIFY(pty.valid());
    QtSerialLink link(pty.terminalName());
    QVERIFY(link.setPortOpen(true));
    QVERIFY(link.setPortOpen(false));
    QVERIFY(!link.portOpen());
    QCOMPARE(link.inBufferCount(), 0);
    QVERIFY2(link.setPortOpen(true), link.lastError().c_str());

    QVERIFY(pty.send({0x42}));
    QVERIFY(QTest::qWaitFor([&] { return link.inBufferCount() == 1; }, waitMs));
    QCOMPARE(link.input(), std::optional<std::uint8_t>(0x42));
}

void TestQtSerialLink::reportsADeviceItCannotOpen() {
    QtSerialLink link("/dev/ttyKorvanelNoSuchDevice");
    QVERIFY(!link.setPortOpen(true));
    QVERIFY(!link.portOpen());
    QVERIFY(!link.lastError().empty());
    QVERIFY(!link.dsrHolding());
    QCOMPARE(link.inBufferCount(), 0);
    QCOMPARE(link.outBufferCount(), 0);
    QVERIFY(!link.input().has_value());
}

QTEST_GUILESS_MAIN(TestQtSerialLink)
#include "qt_serial_link_test.moc"
