#pragma once

#include <cstdint>
#include <optional>

namespace korvanel {

// The serial port the programmer sits on: 9600 baud, 8 data bits, no parity, one stop bit.
// Writes that can fail report it through their result; the caller decides whether to care.
class SerialLink {
  public:
    virtual ~SerialLink() = default;

    virtual int commPort() const = 0;
    // Only while the port is closed. Fails for a number the platform cannot map to a port.
    virtual bool setCommPort(int port) = 0;

    virtual bool portOpen() const = 0;
    virtual bool setPortOpen(bool open) = 0;

    // The present level of DSR, never latched.
    virtual bool dsrHolding() const = 0;

    virtual int inBufferCount() const = 0;
    // Drops every byte received so far; later arrivals are kept.
    virtual void discardInput() = 0;
    // Bytes queued for sending that have not yet left the port, the OS driver's queue included.
    virtual int outBufferCount() const = 0;

    // Takes the oldest waiting byte; empty when nothing could be taken.
    virtual std::optional<std::uint8_t> input() = 0;
    virtual void output(std::uint8_t byte) = 0;
};

} // namespace korvanel
