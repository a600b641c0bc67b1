#include "link/ProgrammerSimulator.h"

#include "catalogue/Catalogue.h"

#include <algorithm>

namespace korvanel {

namespace {

constexpr std::uint8_t identify = 0x56;
constexpr std::uint8_t startByte = 0x11;
constexpr std::uint8_t mdaCode = 0;

std::optional<int> chipSizeForCode(std::uint8_t code) {
    const auto it = std::find_if(catalogue.begin(), catalogue.end(), [code](const DeviceEntry& e) {
        return e.code == code || e.suffixCode == code;
    });
    if (it == catalogue.end()) {
        return std::nullopt;
    }
    return it->size;
}

// The MDA2062 keeps two factory bytes that programming never touches.
bool mdaProtected(int chipAddress) {
    return isMdaSkippedAddress(chipAddress + 1);
}

} // namespace

ProgrammerSimulator::ProgrammerSimulator(Scheduler& scheduler, SimulatorConfig config)
    : scheduler_(scheduler), config_(std::move(config)), dsr_(config_.switchedOn) {}

ProgrammerSimulator::~ProgrammerSimulator() {
    for (auto event : {hostTxEvent_, deviceTxEvent_, dsrEvent_, replyEvent_}) {
        if (event) {
            scheduler_.cancel(*event);
        }
    }
}

void ProgrammerSimulator::setSwitchedOn(bool on) {
    config_.switchedOn = on;
    if (!on) {
        // A unit without power finishes nothing it had begun.
        stopStreaming();
        for (auto* event : {&dsrEvent_, &replyEvent_}) {
            if (*event) {
                scheduler_.cancel(**event);
                event->reset();
            }
        }
        mode_ = Mode::Idle;
    }
    setDsr(on);
}

std::vector<std::uint8_t>& ProgrammerSimulator::memory(std::uint8_t deviceCode) {
    auto it = memories_.find(deviceCode);
    if (it == memories_.end()) {
        const auto size = static_cast<std::size_t>(chipSizeForCode(deviceCode).value_or(0));
        it = memories_.emplace(deviceCode, std::vector<std::uint8_t>(size, 0xFF)).first;
    }
    return it->second;
}

std::vector<std::uint8_t> ProgrammerSimulator::bytesFromHost() const {
    std::vector<std::uint8_t> bytes;
    for (const auto& e : record_) {
        if (e.kind == LineEvent::Kind::HostToDevice) {
            bytes.push_back(e.byte);
        }
    }
    return bytes;
}

std::vector<std::uint8_t> ProgrammerSimulator::bytesToHost() const {
    std::vector<std::uint8_t> bytes;
    for (const auto& e : record_) {
        if (e.kind == LineEvent::Kind::DeviceToHost) {
            bytes.push_back(e.byte);
        }
    }
    return bytes;
}

void ProgrammerSimulator::connect(bool connected) {
    connected_ = connected;
    hostRx_.clear();
    if (!connected) {
        // What the host had queued dies with the port.
        hostTx_.clear();
        if (hostTxEvent_) {
            scheduler_.cancel(*hostTxEvent_);
            hostTxEvent_.reset();
        }
    }
}

std::optional<std::uint8_t> ProgrammerSimulator::hostInput() {
    if (hostRx_.empty()) {
        return std::nullopt;
    }
    const auto byte = hostRx_.front();
    hostRx_.pop_front();
    return byte;
}

void ProgrammerSimulator::hostOutput(std::uint8_t byte) {
    hostTx_.push_back(byte);
    if (!hostTxEvent_) {
        hostTxEvent_ = scheduler_.schedule(byteTime, [this] { hostByteSent(); });
    }
}

void ProgrammerSimulator::hostByteSent() {
    hostTxEvent_.reset();
    const auto byte = hostTx_.front();
    hostTx_.pop_front();
    record(LineEvent::Kind::HostToDevice, byte);
    deviceReceive(byte);
    if (!hostTx_.empty()) {
        hostTxEvent_ = scheduler_.schedule(byteTime, [this] { hostByteSent(); });
    }
}

void ProgrammerSimulator::deviceSend(std::uint8_t byte) {
    deviceTx_.push_back(byte);
    if (!deviceTxEvent_) {
        deviceTxEvent_ = scheduler_.schedule(byteTime, [this] { deviceByteSent(); });
    }
}

void ProgrammerSimulator::deviceByteSent() {
    deviceTxEvent_.reset();
    const auto byte = deviceTx_.front();
    deviceTx_.pop_front();
    record(LineEvent::Kind::DeviceToHost, byte);
    if (connected_) {
        hostRx_.push_back(byte);
    }
    if (!deviceTx_.empty()) {
        deviceTxEvent_ = scheduler_.schedule(byteTime, [this] { deviceByteSent(); });
    } else if (mode_ == Mode::Streaming) {
        mode_ = Mode::Idle;
    }
}

void ProgrammerSimulator::deviceReceive(std::uint8_t byte) {
    if (!config_.switchedOn) {
        return;
    }
    switch (mode_) {
    case Mode::Programming:
        programByte(byte);
        return;
    case Mode::AwaitCommand:
        command(byte);
        return;
    case Mode::Silent:
        return;
    case Mode::Streaming:
        // A new request cuts a read short; the unit listens while it sends.
        stopStreaming();
        mode_ = Mode::Idle;
        break;
    case Mode::Idle:
        break;
    }
    if (byte == identify) {
        const auto reply = config_.identReply;
        auto answer = [this, reply] {
            replyEvent_.reset();
            for (auto b : reply) {
                deviceSend(b);
            }
        };
        if (config_.replyDelay > 0) {
            replyEvent_ = scheduler_.schedule(config_.replyDelay, answer);
        } else {
            answer();
        }
    } else if (byte == startByte) {
        startOperation();
    }
}

void ProgrammerSimulator::startOperation() {
    mode_ = Mode::AwaitCommand;
    moved_ = 0;
    if (config_.commandDsrDelay > 0) {
        setDsr(false);
        dsrEvent_ = scheduler_.schedule(config_.commandDsrDelay, [this] {
            dsrEvent_.reset();
            setDsr(true);
        });
    }
}

void ProgrammerSimulator::command(std::uint8_t byte) {
    code_ = static_cast<std::uint8_t>(byte & ~readFlag);
    const auto size = chipSizeForCode(code_);
    if (!size) {
        mode_ = Mode::Idle;
        return;
    }
    if ((byte & readFlag) == 0) {
        mode_ = Mode::Programming;
        chipAddress_ = 0;
        expected_ = code_ == mdaCode ? *size - 2 : *size;
        return;
    }
    mode_ = Mode::Streaming;
    for (auto b : memory(code_)) {
        if (!countDataByte()) {
            return;
        }
        deviceSend(b);
    }
    for (int i = 0; i < config_.extraBytes; ++i) {
        deviceSend(config_.extraByteValue);
    }
}

// False once the unit has moved the bytes it may move before it falls silent.
bool ProgrammerSimulator::countDataByte() {
    if (config_.silentAfter && moved_ >= *config_.silentAfter) {
        mode_ = Mode::Silent;
        return false;
    }
    ++moved_;
    return true;
}

void ProgrammerSimulator::programByte(std::uint8_t byte) {
    if (!countDataByte()) {
        setDsr(false);
        return;
    }
    if (code_ == mdaCode) {
        while (mdaProtected(chipAddress_)) {
            ++chipAddress_;
        }
    }
    auto& chip = memory(code_);
    if (chipAddress_ < static_cast<int>(chip.size())) {
        chip[static_cast<std::size_t>(chipAddress_)] = byte;
    }
    ++chipAddress_;
    if (--expected_ == 0) {
        mode_ = Mode::Idle;
    }
    setDsr(false);
    dsrEvent_ = scheduler_.schedule(config_.writeTime, [this] {
        dsrEvent_.reset();
        if (mode_ != Mode::Silent) {
            setDsr(true);
        }
    });
}

void ProgrammerSimulator::stopStreaming() {
    deviceTx_.clear();
    if (deviceTxEvent_) {
        scheduler_.cancel(*deviceTxEvent_);
        deviceTxEvent_.reset();
    }
}

void ProgrammerSimulator::setDsr(bool level) {
    if (level == dsr_) {
        return;
    }
    dsr_ = level;
    record(level ? LineEvent::Kind::DsrRise : LineEvent::Kind::DsrFall, 0);
}

void ProgrammerSimulator::record(LineEvent::Kind kind, std::uint8_t byte) {
    record_.push_back({scheduler_.now(), kind, byte});
}

} // namespace korvanel
