#include "Rig.h"
#include "TestMain.h"
#include "TestPrinting.h"
#include "app/ToolBar.h"
#include "app/UserTexts.h"
#include "catalogue/Catalogue.h"

#include <QTest>

#include <array>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

using namespace korvanel;
using namespace korvanel::test;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

enum class Op { Program, Verify, Blank, Read };
enum class Fault { OffBeforeStart, CommandNotReady, SilentAfter40, OffMidRun };
using Command = std::function<void(Rig&)>;

const std::string ok(texts::statusOk);
const std::string lost(texts::programmerLost);
const std::string programmingStatus(texts::statusProgramming);
const std::string verifyingStatus(texts::statusVerifying);
const std::string blankStatus(texts::statusBlankCheck);
const std::string readingStatus(texts::statusReading);
const std::string verifyFailed(texts::verifyFailed);
const std::string notBlank(texts::chipNotBlank);

std::uint8_t u8(int value) {
    return static_cast<std::uint8_t>(value);
}

// Distinct neighbouring values, 0x00 among them for seed 0, so a byte out of place shows.
Bytes pattern(int n, int seed = 0) {
    Bytes bytes(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        bytes[static_cast<std::size_t>(i)] = u8((i * 37 + seed) & 0xFF);
    }
    return bytes;
}

Bytes filled(int n, std::uint8_t value = 0xFF) {
    return Bytes(static_cast<std::size_t>(n), value);
}

Bytes join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// Bytes first to last, counted from 1 as the buffer counts them.
Bytes slice(const Bytes& bytes, int first, int last) {
    return Bytes(bytes.begin() + (first - 1), bytes.begin() + last);
}

// Every bit inverted at the given 1-based addresses.
Bytes changed(Bytes bytes, std::initializer_list<int> addresses) {
    for (int addr : addresses) {
        auto& byte = bytes.at(static_cast<std::size_t>(addr - 1));
        byte = u8(byte ^ 0xFF);
    }
    return bytes;
}

Bytes inverted(Bytes bytes) {
    for (auto& byte : bytes) {
        byte = u8(byte ^ 0xFF);
    }
    return bytes;
}

std::uint8_t codeOf(int family, int position) {
    return findPart(family, position)->code;
}

std::string runningStatus(Op op) {
    switch (op) {
    case Op::Program:
        return programmingStatus;
    case Op::Verify:
        return verifyingStatus;
    case Op::Blank:
        return blankStatus;
    case Op::Read:
        break;
    }
    return readingStatus;
}

std::string hex(const Bytes& bytes) {
    std::string out;
    for (auto byte : bytes) {
        char text[4];
        std::snprintf(text, sizeof text, "%02X ", byte);
        out += text;
    }
    return out;
}

std::string joined(const Texts& texts) {
    std::string out;
    for (const auto& text : texts) {
        out += "[" + text + "]";
    }
    return out;
}

// The buffer and everything that describes it to the user.
struct BufferShown {
    Bytes bytes;
    std::string source;
    std::string caption;
    bool saveEnabled = false;
    bool operator==(const BufferShown&) const = default;
};

struct StillWaiting {};

// A part selected on a programmer identified on COM1.
struct OperationRig : Rig {
    OperationRig(int family, int position) {
        startIdentified();
        select(family, position);
        // A wait that never gives up would tick on for ever; the longest run here needs about
        // 1100 ticks.
        timer.setTickHandler([this] {
            if (--ticksLeft < 0) {
                throw StillWaiting{};
            }
            form.Timer1_Timer();
        });
    }

    int ticksLeft = 0;

    // Drops what the preparation showed and sent, so only the operation's own traces remain.
    void forget() {
        alerts.log.clear();
        simulator.clearRecord();
        view.statusHistory.clear();
        view.statusStyleHistory.clear();
        view.percentHistory.clear();
        view.progressHistory.clear();
    }

    Bytes buffer() const {
        const auto bytes = form.state().buf.bytes();
        return Bytes(bytes.begin(), bytes.end());
    }

    BufferShown bufferShown() const {
        return {buffer(), view.bufferSource, view.caption, view.saveEnabled};
    }

    // Bytes the unit has delivered up to now: where an operation stopped reading.
    int receivedByNow() const {
        int count = 0;
        for (const auto& event : simulator.record()) {
            if (event.kind == LineEvent::Kind::DeviceToHost && event.time <= clock.now()) {
                ++count;
            }
        }
        return count;
    }

    Nanos lastByteToHost() const {
        Nanos last = 0;
        for (const auto& event : simulator.record()) {
            if (event.kind == LineEvent::Kind::DeviceToHost) {
                last = event.time;
            }
        }
        return last;
    }

    // Everything an operation leaves behind that a user or the unit could notice.
    Texts outcome() const {
        const auto& s = form.state();
        std::string positions;
        std::string shownPositions;
        for (int f = 1; f <= familyCount; ++f) {
            positions += std::to_string(s.listPosition[static_cast<std::size_t>(f)]) + " ";
            shownPositions += std::to_string(view.listPosition[static_cast<std::size_t>(f)]) + " ";
        }
        std::string pressed;
        for (bool down : view.pressed) {
            pressed += down ? '1' : '0';
        }
        std::string ports;
        for (bool checked : view.portChecked) {
            ports += checked ? '1' : '0';
        }
        return {
            "from host " + hex(simulator.bytesFromHost()),
            "to host " + hex(simulator.bytesToHost()),
            "log " + joined(alerts.log),
            "statuses " + joined(view.statusHistory),
            "percents " + joined(view.percentHistory),
            "status " + view.status + " progress " + std::to_string(view.progress) + " prc " +
                view.percentText,
            "pressed " + pressed,
            "buffer " + hex(buffer()) + "source " + view.bufferSource + " caption " + view.caption +
                " save " + std::to_string(view.saveEnabled),
            "family " + std::to_string(s.curFamily) + " front " + std::to_string(view.frontList) +
                " name " + view.selectedName,
            "positions " + positions + "shown " + shownPositions,
            "suffix " + std::to_string(s.suffixChecked) + " shown " +
                std::to_string(view.suffixChecked),
            "port " + std::to_string(link.commPort()) + " open " + std::to_string(link.portOpen()) +
                " checked " + ports,
            "about " + std::to_string(view.aboutCount) + " dialogs " +
                std::to_string(dialog.shown.size()) + " files " +
                std::to_string(files.files.size()),
            "timer " + std::to_string(timer.enabled()) + " progOk " + std::to_string(s.progOk) +
                " busy " + std::to_string(view.busy),
            "time " + std::to_string(clock.now()),
        };
    }
};

// True when the command ended the program.
bool perform(OperationRig& rig, Op op) {
    rig.ticksLeft = 5000;
    try {
        return rig.run([&] {
            switch (op) {
            case Op::Program:
                rig.form.mnuProgram_Click();
                break;
            case Op::Verify:
                rig.form.mnuVerify_Click();
                break;
            case Op::Blank:
                rig.form.mnuBlank_Click();
                break;
            case Op::Read:
                rig.form.mnuRead_Click();
                break;
            }
        });
    } catch (const StillWaiting&) {
        QTest::qFail("the operation never stopped waiting", __FILE__, __LINE__);
        return false;
    }
}

// The state between operations: nothing pressed, no progress, no watchdog, commands accepted.
void expectIdle(const OperationRig& rig) {
    QCOMPARE(rig.view.progress, 0);
    QCOMPARE(rig.view.percentText, "");
    for (int index = button::program; index <= button::read; ++index) {
        QVERIFY2(!rig.view.pressed[static_cast<std::size_t>(index)],
                 ("button " + std::to_string(index)).c_str());
    }
    QVERIFY(!rig.timer.enabled());
    QVERIFY(!rig.form.busy());
    QVERIFY(!rig.view.busy);
    QCOMPARE(rig.view.statusStyle, StatusStyle::Normal);
}

// False when a byte left the host while the unit held DSR low.
bool everyByteWaitedForReadiness(const std::vector<LineEvent>& record) {
    std::vector<std::pair<Nanos, bool>> edges;
    for (const auto& event : record) {
        if (event.kind == LineEvent::Kind::DsrRise || event.kind == LineEvent::Kind::DsrFall) {
            edges.emplace_back(event.time, event.kind == LineEvent::Kind::DsrRise);
        }
    }
    bool level = true;
    std::size_t next = 0;
    for (const auto& event : record) {
        if (event.kind != LineEvent::Kind::HostToDevice) {
            continue;
        }
        const Nanos leftHost = event.time - byteTime;
        for (; next < edges.size() && edges[next].first <= leftHost; ++next) {
            level = edges[next].second;
        }
        if (!level) {
            return false;
        }
    }
    return true;
}

// What the window showed at one moment inside a running operation.
struct Probe {
    bool taken = false;
    std::array<bool, 21> pressed{};
    std::string status;
    bool busy = false;
};

void probeAt(Rig& rig, Nanos delay, Probe& probe) {
    rig.at(delay, [&rig, &probe] {
        probe = {true, rig.view.pressed, rig.view.status, rig.view.busy};
    });
}

// The simulator still raises DSR at the end of a write that was under way when it was
// switched off, so the switch is thrown only while no write is pending.
void switchOffBetweenWrites(Rig& rig, Nanos delay) {
    rig.at(delay, [&rig] {
        if (rig.simulator.dsr()) {
            rig.simulator.setSwitchedOn(false);
        } else {
            switchOffBetweenWrites(rig, byteTime / 4);
        }
    });
}

void addPartRows() {
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("code");
    QTest::addColumn<std::string>("lastPercent");
    QTest::newRow("93C06/LC06, 32 bytes") << 2 << 0 << 32 << 10 << std::string("96 %");
    QTest::newRow("24LC256, 32 KiB") << 1 << 8 << 32768 << 9 << std::string("99 %");
}

} // namespace

Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(Texts)

namespace QTest {
template <> inline char* toString(const BufferShown& shown) {
    return qstrdup(("buffer " + hex(shown.bytes).substr(0, 150) + "source \"" + shown.source +
                    "\" caption \"" + shown.caption + "\" save " +
                    std::to_string(shown.saveEnabled))
                       .c_str());
}
} // namespace QTest

// Whole runs of each operation on the smallest and the largest part.
class CompleteRunTest : public QObject {
    Q_OBJECT

  private slots:
    void programming_data() { addPartRows(); }
    void programming() {
        QFETCH(int, family);
        QFETCH(int, position);
        QFETCH(int, size);
        QFETCH(int, code);
        OperationRig rig(family, position);
        const Bytes buffer = pattern(size, 1);
        rig.loadBuffer(buffer);
        rig.forget();
        Probe probe;
        probeAt(rig, 10 * ms, probe);

        QVERIFY(!perform(rig, Op::Program));

        QCOMPARE(rig.simulator.bytesFromHost(),
                 join({{0x11, u8(code)}, buffer, {0x11, u8(code + 0x80)}}));
        QVERIFY(everyByteWaitedForReadiness(rig.simulator.record()));
        // The verification that follows reads back what was written.
        QCOMPARE(rig.simulator.bytesToHost(), buffer);
        QVERIFY(probe.taken);
        QVERIFY(probe.pressed[button::program]);
        QCOMPARE(probe.status, programmingStatus);
        QCOMPARE(rig.view.percentHistory.at(static_cast<std::size_t>(size - 1)), "100 %");
        // The bar drops from 100 to 0 when the verification starts, before its first byte.
        QCOMPARE(rig.view.progressHistory.at(static_cast<std::size_t>(size)), 100);
        QCOMPARE(rig.view.progressHistory.at(static_cast<std::size_t>(size + 1)), 0);
        QCOMPARE(rig.view.statusHistory, (Texts{programmingStatus, verifyingStatus, ok}));
        QCOMPARE(rig.view.status, ok);
        QCOMPARE(rig.alerts.log, (Texts{"beep", "beep"}));
        expectIdle(rig);
    }

    void verification_data() { addPartRows(); }
    void verification() {
        QFETCH(int, family);
        QFETCH(int, position);
        QFETCH(int, size);
        QFETCH(int, code);
        QFETCH(std::string, lastPercent);
        OperationRig rig(family, position);
        const Bytes chip = pattern(size, 2);
        rig.simulator.memory(u8(code)) = chip;
        rig.loadBuffer(chip);
        rig.forget();
        Probe probe;
        probeAt(rig, 10 * ms, probe);

        QVERIFY(!perform(rig, Op::Verify));

        QCOMPARE(rig.simulator.bytesFromHost(), (Bytes{0x11, u8(code + 0x80)}));
        QCOMPARE(rig.receivedByNow(), size);
        QVERIFY(probe.pressed[button::verify]);
        QCOMPARE(probe.status, verifyingStatus);
        QCOMPARE(Texts(rig.view.percentHistory.end() - 2, rig.view.percentHistory.end()),
                 (Texts{lastPercent, ""}));
        QCOMPARE(rig.view.statusHistory, (Texts{verifyingStatus, ok}));
        QCOMPARE(rig.alerts.log, Texts{"beep"});
        expectIdle(rig);
    }

    void blankCheck_data() { addPartRows(); }
    void blankCheck() {
        QFETCH(int, family);
        QFETCH(int, position);
        QFETCH(int, size);
        QFETCH(int, code);
        QFETCH(std::string, lastPercent);
        OperationRig rig(family, position);
        rig.loadBuffer(pattern(40, 4));
        const BufferShown before = rig.bufferShown();
        rig.forget();
        Probe probe;
        probeAt(rig, 10 * ms, probe);

        QVERIFY(!perform(rig, Op::Blank));

        QCOMPARE(rig.simulator.bytesFromHost(), (Bytes{0x11, u8(code + 0x80)}));
        QCOMPARE(rig.receivedByNow(), size);
        QVERIFY(probe.pressed[button::blank]);
        QCOMPARE(probe.status, blankStatus);
        QCOMPARE(Texts(rig.view.percentHistory.end() - 2, rig.view.percentHistory.end()),
                 (Texts{lastPercent, ""}));
        QCOMPARE(rig.view.statusHistory, (Texts{blankStatus, ok}));
        QCOMPARE(rig.alerts.log, Texts{"beep"});
        QCOMPARE(rig.bufferShown(), before);
        expectIdle(rig);
    }

    // The largest row also shows that a 32 KiB transfer keeps the watchdog quiet.
    void reading_data() { addPartRows(); }
    void reading() {
        QFETCH(int, family);
        QFETCH(int, position);
        QFETCH(int, size);
        QFETCH(int, code);
        QFETCH(std::string, lastPercent);
        OperationRig rig(family, position);
        const Bytes chip = pattern(size, 5);
        rig.simulator.memory(u8(code)) = chip;
        rig.loadBuffer(pattern(7, 6));
        rig.forget();
        Probe probe;
        probeAt(rig, 10 * ms, probe);

        QVERIFY(!perform(rig, Op::Read));

        QCOMPARE(rig.simulator.bytesFromHost(), (Bytes{0x11, u8(code + 0x80)}));
        QCOMPARE(rig.buffer(), chip);
        QVERIFY(probe.pressed[button::read]);
        QCOMPARE(probe.status, readingStatus);
        QCOMPARE(Texts(rig.view.percentHistory.end() - 2, rig.view.percentHistory.end()),
                 (Texts{lastPercent, ""}));
        QCOMPARE(rig.view.statusHistory, (Texts{readingStatus, ok}));
        QCOMPARE(rig.alerts.log, Texts{"beep"});
        QCOMPARE(rig.view.bufferSource, std::string(texts::bufferFromChip));
        QCOMPARE(rig.view.caption, std::string(texts::titleText));
        QVERIFY(rig.view.saveEnabled);
        QVERIFY(rig.form.state().progOk);
        expectIdle(rig);
    }
};

// What all four operations share: the command byte, refusals, readiness, faults of the unit,
// and what the user may do while one runs.
class OperationFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void commandByte_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("suffix");
        QTest::addColumn<Op>("op");
        QTest::addColumn<int>("command");
        QTest::newRow("MDA2062 programming") << 4 << 0 << false << Op::Program << 0;
        QTest::newRow("MDA2062 verification") << 4 << 0 << false << Op::Verify << 128;
        QTest::newRow("MDA2062 blank check") << 4 << 0 << false << Op::Blank << 128;
        QTest::newRow("MDA2062 reading") << 4 << 0 << false << Op::Read << 128;
        QTest::newRow("93C57 X programming") << 2 << 3 << true << Op::Program << 108;
        QTest::newRow("93C57 X verification") << 2 << 3 << true << Op::Verify << 236;
        QTest::newRow("93C57 X blank check") << 2 << 3 << true << Op::Blank << 236;
        QTest::newRow("93C57 X reading") << 2 << 3 << true << Op::Read << 236;
        QTest::newRow("93C57 without X reading") << 2 << 3 << false << Op::Read << 204;
    }

    void commandByte() {
        QFETCH(int, family);
        QFETCH(int, position);
        QFETCH(bool, suffix);
        QFETCH(Op, op);
        QFETCH(int, command);
        OperationRig rig(family, position);
        rig.form.s93x_Click(suffix);
        rig.forget();

        QVERIFY(!perform(rig, op));

        const Bytes line = rig.simulator.bytesFromHost();
        QVERIFY(line.size() >= 2);
        QCOMPARE(Bytes(line.begin(), line.begin() + 2), (Bytes{0x11, u8(command)}));
        if (op == Op::Program) {
            QCOMPARE(Bytes(line.end() - 2, line.end()), (Bytes{0x11, u8(command + 0x80)}));
        }
        // The unit understood the byte: the run came to its normal end.
        QCOMPARE(rig.view.status, ok);
    }

    void refusals_data() {
        QTest::addColumn<Op>("op");
        QTest::addColumn<int>("bufferSize");
        QTest::addColumn<bool>("noPart");
        QTest::addColumn<bool>("switchedOff");
        QTest::addColumn<std::string>("message");
        const std::string noPart(texts::noPartSelected);
        const std::string tooLarge(texts::bufferTooLargeForChip);
        QTest::newRow("programming, no part") << Op::Program << 128 << true << false << noPart;
        QTest::newRow("verification, no part") << Op::Verify << 128 << true << false << noPart;
        QTest::newRow("blank check, no part") << Op::Blank << 128 << true << false << noPart;
        QTest::newRow("reading, no part") << Op::Read << 128 << true << false << noPart;
        QTest::newRow("programming, one byte too many")
            << Op::Program << 129 << false << false << tooLarge;
        QTest::newRow("verification, one byte too many")
            << Op::Verify << 129 << false << false << tooLarge;
        QTest::newRow("programming, DSR low") << Op::Program << 128 << false << true << lost;
    }

    void refusals() {
        QFETCH(Op, op);
        QFETCH(int, bufferSize);
        QFETCH(bool, noPart);
        QFETCH(bool, switchedOff);
        QFETCH(std::string, message);
        OperationRig rig(1, 0);
        rig.loadBuffer(pattern(bufferSize));
        if (noPart) {
            rig.form.DEVICE_Click(1, -1);
        }
        rig.simulator.setSwitchedOn(!switchedOff);
        rig.forget();
        const BufferShown before = rig.bufferShown();
        const Nanos startedAt = rig.clock.now();

        QVERIFY(!perform(rig, op));

        QCOMPARE(rig.alerts.log, (Texts{"beep", message}));
        QCOMPARE(rig.simulator.bytesFromHost(), Bytes{});
        QCOMPARE(rig.clock.now(), startedAt);
        QVERIFY(rig.view.statusHistory.empty());
        QCOMPARE(rig.bufferShown(), before);
        QVERIFY(rig.form.state().progOk);
        expectIdle(rig);
    }

    // The unit may take its time after the start byte, as long as it is ready before the
    // watchdog's second tick; the command byte must not leave before it is.
    void commandByteWaitsForReadiness() {
        OperationRig rig(1, 0);
        rig.simulator.config().commandDsrDelay = 250 * ms;
        rig.forget();

        QVERIFY(!perform(rig, Op::Read));

        QCOMPARE(rig.simulator.bytesFromHost(), (Bytes{0x11, 0x81}));
        QVERIFY(everyByteWaitedForReadiness(rig.simulator.record()));
        QCOMPARE(rig.view.status, ok);
        QCOMPARE(rig.alerts.log, Texts{"beep"});
    }

    void unitFailsDuringAReadingOperation_data() {
        QTest::addColumn<Op>("op");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<Bytes>("fromHost");
        QTest::addColumn<bool>("statusShown");
        const struct {
            const char* name;
            Op op;
        } ops[] = {{"verification", Op::Verify}, {"blank check", Op::Blank}, {"reading", Op::Read}};
        for (const auto& [name, op] : ops) {
            const auto row = [name](const char* fault) -> QTestData& {
                return QTest::newRow((std::string(name) + ", " + fault).c_str());
            };
            // Verification waits for DSR under the watchdog before it sends anything.
            row("switched off before") << op << Fault::OffBeforeStart
                                       << (op == Op::Verify ? Bytes{} : Bytes{0x11}) << false;
            row("not ready for the command")
                << op << Fault::CommandNotReady << Bytes{0x11} << false;
            row("silent after 40 bytes") << op << Fault::SilentAfter40 << Bytes{0x11, 0x81} << true;
            row("switched off mid-run") << op << Fault::OffMidRun << Bytes{0x11, 0x81} << true;
        }
    }

    void unitFailsDuringAReadingOperation() {
        QFETCH(Op, op);
        QFETCH(Fault, fault);
        QFETCH(Bytes, fromHost);
        QFETCH(bool, statusShown);
        OperationRig rig(1, 0);
        rig.simulator.memory(1) = pattern(128, 3);
        rig.loadBuffer(pattern(128, 3));
        const BufferShown before = rig.bufferShown();
        switch (fault) {
        case Fault::OffBeforeStart:
            rig.simulator.setSwitchedOn(false);
            break;
        case Fault::CommandNotReady:
            rig.simulator.config().commandDsrDelay = 400 * ms;
            break;
        case Fault::SilentAfter40:
            rig.simulator.config().silentAfter = 40;
            break;
        case Fault::OffMidRun:
            rig.at(20 * ms, [&] { rig.simulator.setSwitchedOn(false); });
            break;
        }
        rig.forget();
        const Nanos startedAt = rig.clock.now();
        Nanos shownAt = 0;
        rig.alerts.whileShown = [&](const std::string&) { shownAt = rig.clock.now(); };

        QVERIFY(!perform(rig, op));

        QCOMPARE(rig.alerts.log, (Texts{lost, "beep"}));
        QCOMPARE(rig.simulator.bytesFromHost(), fromHost);
        if (fault == Fault::SilentAfter40) {
            QCOMPARE(rig.simulator.bytesToHost().size(), std::size_t{40});
        }
        if (statusShown) {
            const Nanos quiet = shownAt - rig.lastByteToHost();
            QVERIFY(quiet > 150 * ms && quiet <= 300 * ms);
            QCOMPARE(rig.view.statusHistory, (Texts{runningStatus(op), ""}));
        } else {
            QCOMPARE(shownAt - startedAt, 300 * ms);
            QCOMPARE(rig.view.statusHistory, Texts{""});
        }
        QCOMPARE(rig.view.status, "");
        QCOMPARE(rig.bufferShown(), before);
        QVERIFY(!rig.form.state().progOk);
        expectIdle(rig);
    }

    void commandsWhileRunningAreRefused_data() {
        QTest::addColumn<Op>("op");
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<Command>("command");
        const Command clear = [](Rig& rig) { rig.form.mnuClear_Click(); };
        const Command load = [](Rig& rig) { rig.loadBuffer(pattern(20, 9)); };
        const Command save = [](Rig& rig) {
            rig.dialog.answers.push_back(FileChoice{"/data/out.bin", "out.bin"});
            rig.form.mnuSave_Click();
        };
        const Command program = [](Rig& rig) { rig.form.mnuProgram_Click(); };
        const Command verify = [](Rig& rig) { rig.form.mnuVerify_Click(); };
        const Command blank = [](Rig& rig) { rig.form.mnuBlank_Click(); };
        const Command read = [](Rig& rig) { rig.form.mnuRead_Click(); };
        const Command readButton = [](Rig& rig) { rig.form.Toolbar1_ButtonClick(12, "readch"); };
        const Command family = [](Rig& rig) { rig.form.Toolbar1_ButtonClick(18, "mware"); };
        const Command part = [](Rig& rig) {
            rig.view.setListPosition(1, 5);
            rig.form.DEVICE_Click(1, 5);
        };
        const Command suffix = [](Rig& rig) {
            rig.view.setSuffixChecked(true);
            rig.form.s93x_Click(true);
        };
        const Command port = [](Rig& rig) { rig.form.selcom_Click(2); };
        const Command about = [](Rig& rig) { rig.form.mnuAutor_Click(); };

        QTest::newRow("reading: clear") << Op::Read << 20 << clear;
        QTest::newRow("reading: load") << Op::Read << 20 << load;
        QTest::newRow("reading: save") << Op::Read << 20 << save;
        QTest::newRow("reading: programming") << Op::Read << 20 << program;
        QTest::newRow("reading: verification") << Op::Read << 20 << verify;
        QTest::newRow("reading: blank check") << Op::Read << 20 << blank;
        QTest::newRow("reading: reading again") << Op::Read << 20 << read;
        QTest::newRow("reading: read button") << Op::Read << 20 << readButton;
        QTest::newRow("reading: family button") << Op::Read << 20 << family;
        QTest::newRow("reading: other part") << Op::Read << 20 << part;
        QTest::newRow("reading: suffix box") << Op::Read << 20 << suffix;
        QTest::newRow("reading: port") << Op::Read << 20 << port;
        QTest::newRow("reading: about") << Op::Read << 20 << about;
        QTest::newRow("reading: clear during the start") << Op::Read << 0 << clear;
        QTest::newRow("programming: clear") << Op::Program << 20 << clear;
        QTest::newRow("programming: load") << Op::Program << 20 << load;
        QTest::newRow("programming: other part") << Op::Program << 20 << part;
        QTest::newRow("programming: reading") << Op::Program << 20 << read;
        QTest::newRow("programming: load during the start") << Op::Program << 0 << load;
        QTest::newRow("verification: load") << Op::Verify << 20 << load;
        QTest::newRow("verification: family button") << Op::Verify << 20 << family;
        QTest::newRow("blank check: programming") << Op::Blank << 20 << program;
        QTest::newRow("blank check: other part") << Op::Blank << 20 << part;
    }

    // The same run with and without the command must leave the same traces.
    void commandsWhileRunningAreRefused() {
        QFETCH(Op, op);
        QFETCH(int, delayMs);
        QFETCH(Command, command);
        const auto prepare = [](OperationRig& rig) {
            rig.simulator.memory(1) = pattern(128, 5);
            rig.loadBuffer(pattern(128, 3));
            rig.forget();
        };
        OperationRig reference(1, 0);
        prepare(reference);
        QVERIFY(!perform(reference, op));

        OperationRig rig(1, 0);
        prepare(rig);
        bool busyAtCommand = false;
        bool commandRan = false;
        rig.at(delayMs * ms, [&] {
            commandRan = true;
            busyAtCommand = rig.view.busy;
            command(rig);
        });
        QVERIFY(!perform(rig, op));

        QVERIFY(commandRan);
        QVERIFY(busyAtCommand);
        QCOMPARE(rig.outcome(), reference.outcome());
        QVERIFY(rig.simulator.record() == reference.simulator.record());
    }

    void leavingWhileRunningEndsAtOnce_data() {
        QTest::addColumn<Op>("op");
        QTest::newRow("programming") << Op::Program;
        QTest::newRow("verification") << Op::Verify;
        QTest::newRow("blank check") << Op::Blank;
        QTest::newRow("reading") << Op::Read;
    }

    void leavingWhileRunningEndsAtOnce() {
        QFETCH(Op, op);
        OperationRig rig(1, 0);
        rig.simulator.memory(1) = pattern(128, 5);
        rig.loadBuffer(pattern(128, 3));
        rig.forget();
        const Nanos leaveAt = rig.clock.now() + 20 * ms;
        rig.at(20 * ms, [&] { rig.form.mnuExit_Click(); });

        QVERIFY(perform(rig, op));

        QVERIFY(rig.programExit.ended);
        QCOMPARE(rig.clock.now(), leaveAt);
        QVERIFY(!rig.link.portOpen());
        QCOMPARE(rig.settings.properties()["CommPort"], "1");
        QVERIFY(rig.alerts.log.empty());
        QCOMPARE(rig.view.statusHistory, Texts{runningStatus(op)});
        QVERIFY(!rig.form.busy());
    }
};

class ProgrammingTest : public QObject {
    Q_OBJECT

  private slots:
    void dataOnTheLine_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("position");
        QTest::addColumn<Bytes>("buffer");
        QTest::addColumn<Bytes>("data");
        const Bytes b128 = pattern(128, 1);
        const Bytes b50 = pattern(50, 1);
        const Bytes b33 = pattern(33, 1);
        const Bytes b65 = pattern(65, 1);
        const Bytes b32 = pattern(32, 1);
        QTest::newRow("24C01, empty buffer") << 1 << 0 << Bytes{} << filled(128);
        QTest::newRow("24C01, one byte") << 1 << 0 << Bytes{0x00} << join({{0x00}, filled(127)});
        QTest::newRow("24C01, exactly the chip") << 1 << 0 << b128 << b128;
        QTest::newRow("MDA2062, 128 bytes")
            << 4 << 0 << b128
            << join({slice(b128, 1, 32), slice(b128, 34, 64), slice(b128, 66, 128)});
        QTest::newRow("MDA2062, 65 bytes")
            << 4 << 0 << b65 << join({slice(b65, 1, 32), slice(b65, 34, 64), filled(63)});
        QTest::newRow("MDA2062, 50 bytes")
            << 4 << 0 << b50 << join({slice(b50, 1, 32), slice(b50, 34, 50), filled(78)});
        QTest::newRow("MDA2062, 33 bytes")
            << 4 << 0 << b33 << join({slice(b33, 1, 32), filled(95)});
        QTest::newRow("MDA2062, 32 bytes") << 4 << 0 << b32 << join({b32, filled(96)});
        QTest::newRow("MDA2062, empty buffer") << 4 << 0 << Bytes{} << filled(128);
        // The left-out rule belongs to the MDA2062's code, not to its size.
        QTest::newRow("SDA(E)2506, 128 bytes") << 4 << 2 << b128 << b128;
    }

    void dataOnTheLine() {
        QFETCH(int, family);
        QFETCH(int, position);
        QFETCH(Bytes, buffer);
        QFETCH(Bytes, data);
        OperationRig rig(family, position);
        if (!buffer.empty()) {
            rig.loadBuffer(buffer);
        }
        rig.forget();
        const std::uint8_t code = codeOf(family, position);

        QVERIFY(!perform(rig, Op::Program));

        QCOMPARE(rig.simulator.bytesFromHost(),
                 join({{0x11, code}, data, {0x11, u8(code + 0x80)}}));
        const auto sent = data.size();
        QCOMPARE(rig.view.percentHistory.at(sent - 1), "100 %");
        // Only an empty buffer clears the percentage when the data ends.
        QCOMPARE(rig.view.percentHistory.at(sent) == "", buffer.empty());
        QCOMPARE(rig.view.statusHistory, (Texts{programmingStatus, verifyingStatus, ok}));
        QCOMPARE(rig.alerts.log, (Texts{"beep", "beep"}));
        QCOMPARE(rig.buffer(), buffer);
        expectIdle(rig);
    }

    void unitNotReadyForTheCommand() {
        OperationRig rig(1, 0);
        rig.loadBuffer(pattern(128, 1));
        rig.simulator.config().commandDsrDelay = 400 * ms;
        rig.forget();
        const Nanos startedAt = rig.clock.now();
        Nanos shownAt = 0;
        rig.alerts.whileShown = [&](const std::string&) { shownAt = rig.clock.now(); };

        QVERIFY(!perform(rig, Op::Program));

        QCOMPARE(shownAt - startedAt, 300 * ms);
        QCOMPARE(rig.simulator.bytesFromHost(), Bytes{0x11});
        QCOMPARE(rig.alerts.log, (Texts{lost, "beep"}));
        // The text is set after the failed start and stays; no verification follows.
        QCOMPARE(rig.view.statusHistory, (Texts{"", programmingStatus}));
        QVERIFY(!rig.form.state().progOk);
        expectIdle(rig);
    }

    // The unit falls silent after ten bytes; the user switches it off and on while the
    // watchdog's message is open, so the verification that follows finds it again.
    void silentUnitRecoveredBeforeTheVerification() {
        OperationRig rig(1, 0);
        const Bytes buffer = pattern(128, 1);
        rig.loadBuffer(buffer);
        rig.simulator.config().silentAfter = 10;
        rig.forget();
        std::string verdict;
        rig.alerts.whileShown = [&](const std::string& text) {
            if (text == lost) {
                rig.simulator.setSwitchedOn(false);
                rig.simulator.setSwitchedOn(true);
                rig.simulator.config().silentAfter.reset();
            } else {
                verdict = rig.view.status;
            }
        };

        QVERIFY(!perform(rig, Op::Program));

        // The eleventh byte went out before the silence showed.
        QCOMPARE(rig.simulator.bytesFromHost(),
                 join({{0x11, 0x01}, slice(buffer, 1, 11), {0x56, 0x11, 0x81}}));
        QCOMPARE(rig.alerts.log, (Texts{lost, "beep", "beep", "beep", "beep", verifyFailed}));
        QCOMPARE(verdict, "Mesto prve greske na 10. adresi, ukupno 92% gresaka !!");
        QVERIFY(rig.form.state().progOk);
        expectIdle(rig);
    }

    void unitSwitchedOffMidData() {
        OperationRig rig(1, 0);
        const Bytes buffer = pattern(128, 1);
        rig.loadBuffer(buffer);
        rig.forget();
        switchOffBetweenWrites(rig, 40 * ms);

        QVERIFY(!perform(rig, Op::Program));

        const Bytes line = rig.simulator.bytesFromHost();
        QVERIFY(line.size() > 3 && line.size() < 130);
        QCOMPARE(Bytes(line.begin(), line.begin() + 2), (Bytes{0x11, 0x01}));
        QCOMPARE(Bytes(line.begin() + 2, line.end()),
                 slice(buffer, 1, static_cast<int>(line.size()) - 2));
        // The verification still runs and begins by identifying the unit again.
        QCOMPARE(rig.alerts.log, (Texts{lost, "beep", "beep", std::string(texts::programmerOff)}));
        QCOMPARE(rig.view.status, "");
        QVERIFY(!rig.form.state().progOk);
        expectIdle(rig);
    }
};

class VerificationTest : public QObject {
    Q_OBJECT

  private slots:
    void comparison_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("position");
        QTest::addColumn<Bytes>("chip");
        QTest::addColumn<Bytes>("buffer");
        QTest::addColumn<int>("received");
        QTest::addColumn<std::string>("verdict");
        QTest::addColumn<int>("percentAtVerdict");
        const Bytes b128 = pattern(128, 7);
        const Bytes b256 = pattern(256, 7);
        const Bytes b512 = pattern(512, 7);
        QTest::newRow("mismatches at 17, 40, 41, 100, 200")
            << 1 << 1 << changed(b256, {17, 40, 41, 100, 200}) << b256 << 256
            << std::string("Mesto prve greske na 16. adresi, ukupno 1% gresaka !!") << 6;
        QTest::newRow("mismatch at the first byte")
            << 1 << 0 << changed(b128, {1}) << b128 << 128
            << std::string("Mesto prve greske na 0. adresi, ukupno 0% gresaka !!") << 0;
        QTest::newRow("every byte differs")
            << 1 << 0 << inverted(b128) << b128 << 128
            << std::string("Mesto prve greske na 0. adresi, ukupno 100% gresaka !!") << 0;
        QTest::newRow("short buffer, chip differs past it")
            << 1 << 0 << join({slice(b128, 1, 10), filled(118, 0x00)}) << slice(b128, 1, 10) << 11
            << ok << 0;
        QTest::newRow("one-byte buffer, first byte differs")
            << 1 << 0 << b128 << Bytes{0x42} << 2
            << std::string("Mesto prve greske na 0. adresi, ukupno 0% gresaka !!") << 0;
        QTest::newRow("empty buffer, blank chip")
            << 1 << 0 << filled(128) << Bytes{} << 128 << ok << 0;
        QTest::newRow("empty buffer, byte 100 written")
            << 1 << 0 << changed(filled(128), {100}) << Bytes{} << 128
            << std::string("Mesto prve greske na 99. adresi, ukupno 0% gresaka !!") << 77;
        QTest::newRow("MDA2062, differences at 33 and 65 only")
            << 4 << 0 << changed(b128, {33, 65}) << b128 << 128 << ok << 0;
        QTest::newRow("MDA2062, empty buffer, 33 and 65 written")
            << 4 << 0 << changed(filled(128), {33, 65}) << Bytes{} << 128 << ok << 0;
        QTest::newRow("MDA2062, difference at 34")
            << 4 << 0 << changed(b128, {34}) << b128 << 128
            << std::string("Mesto prve greske na 33. adresi, ukupno 0% gresaka !!") << 25;
        QTest::newRow("NVM3060, differences at 33 and 65")
            << 4 << 1 << changed(b512, {33, 65}) << b512 << 512
            << std::string("Mesto prve greske na 32. adresi, ukupno 0% gresaka !!") << 6;
        QTest::newRow("SDA(E)2506, differences at 33 and 65")
            << 4 << 2 << changed(b128, {33, 65}) << b128 << 128
            << std::string("Mesto prve greske na 32. adresi, ukupno 1% gresaka !!") << 25;
    }

    void comparison() {
        QFETCH(int, family);
        QFETCH(int, position);
        QFETCH(Bytes, chip);
        QFETCH(Bytes, buffer);
        QFETCH(int, received);
        QFETCH(std::string, verdict);
        QFETCH(int, percentAtVerdict);
        OperationRig rig(family, position);
        const std::uint8_t code = codeOf(family, position);
        rig.simulator.memory(code) = chip;
        if (!buffer.empty()) {
            rig.loadBuffer(buffer);
        }
        rig.forget();
        struct {
            std::string status;
            StatusStyle style = StatusStyle::Normal;
            std::string percent;
            int progress = -1;
            bool pressed = true;
        } atMessage;
        rig.alerts.whileShown = [&](const std::string&) {
            atMessage = {rig.view.status, rig.view.statusStyle, rig.view.percentText,
                         rig.view.progress, rig.view.pressed[button::verify]};
        };

        QVERIFY(!perform(rig, Op::Verify));

        QCOMPARE(rig.simulator.bytesFromHost(), (Bytes{0x11, u8(code + 0x80)}));
        QCOMPARE(rig.receivedByNow(), received);
        if (verdict == ok) {
            QCOMPARE(rig.alerts.log, Texts{"beep"});
            QCOMPARE(rig.view.status, ok);
        } else {
            QCOMPARE(rig.alerts.log, (Texts{"beep", "beep", verifyFailed}));
            QCOMPARE(atMessage.status, verdict);
            QCOMPARE(atMessage.style, StatusStyle::Failure);
            QCOMPARE(atMessage.percent, std::to_string(percentAtVerdict) + " %");
            QCOMPARE(atMessage.progress, percentAtVerdict);
            QVERIFY(!atMessage.pressed);
            QCOMPARE(rig.view.status, "");
        }
        QCOMPARE(rig.buffer(), buffer);
        expectIdle(rig);
    }
};

class BlankCheckTest : public QObject {
    Q_OBJECT

  private slots:
    void verdict_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("position");
        QTest::addColumn<Bytes>("chip");
        QTest::addColumn<bool>("blank");
        QTest::newRow("24C01, blank") << 1 << 0 << filled(128) << true;
        QTest::newRow("24C01, last byte written") << 1 << 0 << changed(filled(128), {128}) << false;
        QTest::newRow("24C01, first byte written") << 1 << 0 << changed(filled(128), {1}) << false;
        QTest::newRow("MDA2062, 33 and 65 written")
            << 4 << 0 << changed(filled(128), {33, 65}) << true;
        QTest::newRow("MDA2062, 34 written") << 4 << 0 << changed(filled(128), {34}) << false;
        QTest::newRow("NVM3060, 33 written") << 4 << 1 << changed(filled(512), {33}) << false;
        QTest::newRow("SDA(E)2506, 65 written") << 4 << 2 << changed(filled(128), {65}) << false;
    }

    void verdict() {
        QFETCH(int, family);
        QFETCH(int, position);
        QFETCH(Bytes, chip);
        QFETCH(bool, blank);
        OperationRig rig(family, position);
        const std::uint8_t code = codeOf(family, position);
        rig.simulator.memory(code) = chip;
        rig.loadBuffer(pattern(64, 8));
        const BufferShown before = rig.bufferShown();
        rig.forget();
        std::string statusAtMessage;
        rig.alerts.whileShown = [&](const std::string&) { statusAtMessage = rig.view.status; };

        QVERIFY(!perform(rig, Op::Blank));

        QCOMPARE(rig.simulator.bytesFromHost(), (Bytes{0x11, u8(code + 0x80)}));
        // The whole chip is read even after the first byte that is not blank.
        QCOMPARE(rig.receivedByNow(), static_cast<int>(chip.size()));
        QCOMPARE(Texts(rig.view.percentHistory.end() - 2, rig.view.percentHistory.end()),
                 (Texts{"99 %", ""}));
        if (blank) {
            QCOMPARE(rig.alerts.log, Texts{"beep"});
            QCOMPARE(rig.view.statusHistory, (Texts{blankStatus, ok}));
        } else {
            QCOMPARE(rig.alerts.log, (Texts{notBlank, "beep"}));
            QCOMPARE(statusAtMessage, blankStatus);
            QCOMPARE(rig.view.statusHistory, (Texts{blankStatus, ""}));
        }
        QCOMPARE(rig.bufferShown(), before);
        expectIdle(rig);
    }
};

class ReadingTest : public QObject {
    Q_OBJECT

  private slots:
    void replacesTheBuffer_data() {
        QTest::addColumn<Bytes>("before");
        QTest::newRow("empty buffer") << Bytes{};
        QTest::newRow("shorter file") << pattern(5, 9);
        QTest::newRow("longer file") << pattern(1000, 9);
    }

    void replacesTheBuffer() {
        QFETCH(Bytes, before);
        OperationRig rig(1, 0);
        const Bytes chip = pattern(128);
        rig.simulator.memory(1) = chip;
        if (!before.empty()) {
            rig.loadBuffer(before);
        }
        rig.forget();

        QVERIFY(!perform(rig, Op::Read));

        QCOMPARE(rig.bufferShown(), (BufferShown{chip, std::string(texts::bufferFromChip),
                                                 std::string(texts::titleText), true}));
        QCOMPARE(rig.view.status, ok);
    }

    void bytesPastTheChipAreLeftForTheNextOperationToDrop() {
        OperationRig rig(1, 0);
        const Bytes chip = pattern(128);
        rig.simulator.memory(1) = chip;
        rig.simulator.config().extraBytes = 3;
        rig.forget();

        QVERIFY(!perform(rig, Op::Read));
        QCOMPARE(rig.buffer(), chip);
        QCOMPARE(rig.receivedByNow(), 128);

        // The next command comes a moment later, once the surplus has arrived.
        rig.clock.advanceBy(100 * ms);
        QCOMPARE(rig.simulator.bytesToHost().size(), std::size_t{131});
        rig.forget();
        QVERIFY(!perform(rig, Op::Verify));
        QCOMPARE(rig.view.status, ok);
        QCOMPARE(rig.alerts.log, Texts{"beep"});
    }
};

int main(int argc, char** argv) {
    return runTests<CompleteRunTest, OperationFrameTest, ProgrammingTest, VerificationTest,
                    BlankCheckTest, ReadingTest>(argc, argv);
}

#include "operations_test.moc"
