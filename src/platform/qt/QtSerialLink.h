#pragma once

#include "platform/SerialLink.h"

#include <QSerialPort>

#include <string>

namespace korvanel {

// One real serial device, named the way the system names it (/dev/ttyUSB0, COM3, ...).
class QtSerialLink final : public SerialLink {
  public:
    explicit QtSerialLink(std::string deviceName);
    QtSerialLink(const QtSerialLink&) = delete;
    QtSerialLink& operator=(const QtSerialLink&) = delete;

    const std::string& deviceName() const { return deviceName_; }
    // Why the last attempt to open the device failed.
    std::string lastError() const { return lastError_; }

    int commPort() const override { return commPort_; }
    bool setCommPort(int port) override;
    bool portOpen() const override { return port_.isOpen(); }
    bool setPortOpen(bool open) override;
    bool dsrHolding() const override;
    int inBufferCount() const override;
    void discardInput() override;
    int outBufferCount() const override;
    std::optional<std::uint8_t> input() override;
    void output(std::uint8_t byte) override;

  private:
    int driverOutQueue() const;

    std::string deviceName_;
    std::string lastError_;
    // Reading the modem lines is a non-const call on QSerialPort.
    mutable QSerialPort port_;
    int commPort_ = 1;
};

} // namespace korvanel
