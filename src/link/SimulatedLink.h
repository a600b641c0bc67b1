#pragma once

#include "link/ProgrammerSimulator.h"
#include "platform/SerialLink.h"

namespace korvanel {

// A serial port with the simulated programmer on the other end.
class SimulatedLink final : public SerialLink {
  public:
    explicit SimulatedLink(ProgrammerSimulator& simulator) : simulator_(simulator) {}
    ~SimulatedLink() override { simulator_.connect(false); }
    SimulatedLink(const SimulatedLink&) = delete;
    SimulatedLink& operator=(const SimulatedLink&) = delete;

    // Opening fails while set, as for a port that is missing or in use.
    void setOpenFails(bool fails) { openFails_ = fails; }

    int commPort() const override { return commPort_; }
    bool setCommPort(int port) override;
    bool portOpen() const override { return open_; }
    bool setPortOpen(bool open) override;
    bool dsrHolding() const override { return open_ && simulator_.dsr(); }
    int inBufferCount() const override { return open_ ? simulator_.hostInCount() : 0; }
    void discardInput() override { simulator_.hostDiscardInput(); }
    int outBufferCount() const override { return open_ ? simulator_.hostOutCount() : 0; }
    std::optional<std::uint8_t> input() override { return simulator_.hostInput(); }
    void output(std::uint8_t byte) override;

  private:
    ProgrammerSimulator& simulator_;
    int commPort_ = 1;
    bool open_ = false;
    bool openFails_ = false;
};

} // namespace korvanel
