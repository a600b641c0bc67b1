#pragma once

#include "platform/SerialLink.h"
#include "platform/SettingsStore.h"

#include <functional>
#include <memory>
#include <string>

namespace korvanel {

// The name under which a COM number reaches the built-in programmer simulator.
inline constexpr const char* simulatorDeviceName = "simulator";

// Maps COM numbers to devices through the settings store (section "Ports", keys "COM1",
// "COM2", ...), so any number can reach a USB adapter or the simulator, and opens the device
// the number maps to.
class PortRouter final : public SerialLink {
  public:
    using DeviceFactory = std::function<std::unique_ptr<SerialLink>(const std::string& name)>;

    PortRouter(SettingsStore& settings, DeviceFactory makeDevice);

    // The device a COM number maps to when the store names none.
    static std::string defaultDeviceName(int port);
    std::string deviceName(int port) const;

    int commPort() const override { return commPort_; }
    bool setCommPort(int port) override;
    bool portOpen() const override { return device_ != nullptr; }
    bool setPortOpen(bool open) override;
    bool dsrHolding() const override { return device_ && device_->dsrHolding(); }
    int inBufferCount() const override { return device_ ? device_->inBufferCount() : 0; }
    void discardInput() override;
    int outBufferCount() const override { return device_ ? device_->outBufferCount() : 0; }
    std::optional<std::uint8_t> input() override;
    void output(std::uint8_t byte) override;

  private:
    SettingsStore& settings_;
    DeviceFactory makeDevice_;
    std::unique_ptr<SerialLink> device_;
    int commPort_ = 1;
};

} // namespace korvanel
