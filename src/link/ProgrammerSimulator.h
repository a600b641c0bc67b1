#pragma once

#include "platform/Scheduler.h"

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace korvanel {

// Ten bit times at 9600 baud: start bit, eight data bits, stop bit.
inline constexpr Nanos byteTime = 1'041'667;

struct SimulatorConfig {
    bool switchedOn = true;                     // off: DSR low, nothing answered
    std::vector<std::uint8_t> identReply{0x16}; // bytes answered to "V"; empty: no answer
    Nanos replyDelay = 0;                       // before the answer to "V"
    Nanos writeTime = 3 * nanosPerMilli;        // DSR low while one programmed byte is written
    Nanos commandDsrDelay = 0;                  // DSR low this long after the start byte
    std::optional<int> silentAfter; // data bytes an operation moves before the unit goes silent
    int extraBytes = 0;             // sent after the chip's last byte on a read
    std::uint8_t extraByteValue = 0xA5;
};

struct LineEvent {
    enum class Kind { HostToDevice, DeviceToHost, DsrRise, DsrFall };
    Nanos time;
    Kind kind;
    std::uint8_t byte; // 0 for DSR edges

    bool operator==(const LineEvent&) const = default;
};

// The programmer unit and the line to it, as the host sees them: "V" answered by 0x16, 0x11
// and a command byte open an operation, programmed bytes are taken one per DSR readiness, a
// read streams the chip back at line speed. Both directions move one byte per byteTime. It
// records every byte and DSR edge with its time.
class ProgrammerSimulator {
  public:
    ProgrammerSimulator(Scheduler& scheduler, SimulatorConfig config = {});
    ~ProgrammerSimulator();
    ProgrammerSimulator(const ProgrammerSimulator&) = delete;
    ProgrammerSimulator& operator=(const ProgrammerSimulator&) = delete;

    SimulatorConfig& config() { return config_; }
    void setSwitchedOn(bool on);

    // The chip in the socket as the unit sees it, one memory per device code (0xFF when new).
    std::vector<std::uint8_t>& memory(std::uint8_t deviceCode);

    const std::vector<LineEvent>& record() const { return record_; }
    std::vector<std::uint8_t> bytesFromHost() const;
    std::vector<std::uint8_t> bytesToHost() const;
    void clearRecord() { record_.clear(); }

    // The host's side of the line.
    void connect(bool connected);
    bool dsr() const { return connected_ && dsr_; }
    int hostInCount() const { return static_cast<int>(hostRx_.size()); }
    std::optional<std::uint8_t> hostInput();
    void hostDiscardInput() { hostRx_.clear(); }
    int hostOutCount() const { return static_cast<int>(hostTx_.size()); }
    void hostOutput(std::uint8_t byte);

  private:
    enum class Mode { Idle, AwaitCommand, Programming, Streaming, Silent };

    void setDsr(bool level);
    void hostByteSent();
    void deviceByteSent();
    void deviceSend(std::uint8_t byte);
    void deviceReceive(std::uint8_t byte);
    void startOperation();
    void command(std::uint8_t byte);
    void programByte(std::uint8_t byte);
    void stopStreaming();
    bool countDataByte();
    void record(LineEvent::Kind kind, std::uint8_t byte);

    Scheduler& scheduler_;
    SimulatorConfig config_;
    std::map<std::uint8_t, std::vector<std::uint8_t>> memories_;
    std::vector<LineEvent> record_;

    bool connected_ = false;
    bool dsr_ = true;
    std::deque<std::uint8_t> hostTx_;
    std::deque<std::uint8_t> hostRx_;
    std::deque<std::uint8_t> deviceTx_;
    std::optional<Scheduler::Id> hostTxEvent_;
    std::optional<Scheduler::Id> deviceTxEvent_;
    std::optional<Scheduler::Id> dsrEvent_;
    std::optional<Scheduler::Id> replyEvent_;

    Mode mode_ = Mode::Idle;
    std::uint8_t code_ = 0;
    int chipAddress_ = 0; // next chip address to program, from 0
    int expected_ = 0;    // programmed bytes the unit takes for this part
    int moved_ = 0;       // data bytes of this operation so far
};

} // namespace korvanel
