#include "platform/qt/QtSerialLink.h"

#include <QtGlobal>

#include <algorithm>
#include <utility>

#if defined(Q_OS_WIN)
#include <qt_windows.h>
#else
#include <sys/ioctl.h>
#endif

namespace korvanel {

namespace {

constexpr int maxCount = 32767;

int clampCount(qint64 count) {
    return static_cast<int>(std::clamp<qint64>(count, 0, maxCount));
}

} // namespace

QtSerialLink::QtSerialLink(std::string deviceName) : deviceName_(std::move(deviceName)) {
    port_.setPortName(QString::fromStdString(deviceName_));
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
}

bool QtSerialLink::setCommPort(int port) {
    if (portOpen() || port < 1 || port > 255) {
        return false;
    }
    commPort_ = port;
    return true;
}

bool QtSerialLink::setPortOpen(bool open) {
    if (open == portOpen()) {
        return true;
    }
    if (!open) {
        port_.close();
        return true;
    }
    if (!port_.open(QIODevice::ReadWrite)) {
        lastError_ = port_.errorString().toStdString();
        port_.clearError();
        return false;
    }
    lastError_.clear();
    return true;
}

bool QtSerialLink::dsrHolding() const {
    if (!portOpen()) {
        return false;
    }
    // A pseudo-terminal has no modem lines: the query fails there and DSR reads as low.
    const QSerialPort::PinoutSignals pins = port_.pinoutSignals();
    if (port_.error() != QSerialPort::NoError) {
        port_.clearError();
        return false;
    }
    return pins.testFlag(QSerialPort::DataSetReadySignal);
}

int QtSerialLink::inBufferCount() const {
    return portOpen() ? clampCount(port_.bytesAvailable()) : 0;
}

void QtSerialLink::discardInput() {
    if (!portOpen()) {
        return;
    }
    // Empties Qt's buffer and the driver's input queue alike.
    port_.clear(QSerialPort::Input);
}

int QtSerialLink::outBufferCount() const {
    if (!portOpen()) {
        return 0;
    }
    return clampCount(port_.bytesToWrite() + driverOutQueue());
}

int QtSerialLink::driverOutQueue() const {
#if defined(Q_OS_WIN)
    COMSTAT status{};
    DWORD errors = 0;
    if (!ClearCommError(port_.handle(), &errors, &status)) {
        return 0;
    }
    return static_cast<int>(std::min<DWORD>(status.cbOutQue, maxCount));
#else
    int queued = 0;
    if (::ioctl(port_.handle(), TIOCOUTQ, &queued) != 0) {
        return 0;
    }
    return queued;
#endif
}

std::optional<std::uint8_t> QtSerialLink::input() {
    char byte = 0;
    if (!portOpen() || !port_.getChar(&byte)) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(byte);
}

void QtSerialLink::output(std::uint8_t byte) {
    if (!portOpen()) {
        return;
    }
    port_.putChar(static_cast<char>(byte));
    // Qt otherwise hands the byte to the driver only on a later pass of the event loop, and
    // the protocol times each byte from the moment it goes out.
    port_.flush();
}

} // namespace korvanel
