#include "link/PortRouter.h"

#include "app/UserTexts.h"

namespace korvanel {

PortRouter::PortRouter(SettingsStore& settings, DeviceFactory makeDevice)
    : settings_(settings), makeDevice_(std::move(makeDevice)) {}

std::string PortRouter::defaultDeviceName(int port) {
#ifdef _WIN32
    return "COM" + std::to_string(port);
#else
    return "/dev/ttyS" + std::to_string(port - 1);
#endif
}

std::string PortRouter::deviceName(int port) const {
    return settings_.get(std::string(texts::applicationName), "Ports", "COM" + std::to_string(port),
                         defaultDeviceName(port));
}

bool PortRouter::setCommPort(int port) {
    if (device_ || port < 1 || port > 255) {
        return false;
    }
    commPort_ = port;
    return true;
}

bool PortRouter::setPortOpen(bool open) {
    if (!open) {
        device_.reset();
        return true;
    }
    if (device_) {
        return false;
    }
    auto device = makeDevice_(deviceName(commPort_));
    if (!device || !device->setPortOpen(true)) {
        return false;
    }
    device_ = std::move(device);
    return true;
}

void PortRouter::discardInput() {
    if (device_) {
        device_->discardInput();
    }
}

std::optional<std::uint8_t> PortRouter::input() {
    return device_ ? device_->input() : std::nullopt;
}

void PortRouter::output(std::uint8_t byte) {
    if (device_) {
        device_->output(byte);
    }
}

} // namespace korvanel
