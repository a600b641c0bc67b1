#include "link/SimulatedLink.h"

namespace korvanel {

bool SimulatedLink::setCommPort(int port) {
    if (open_ || port < 1 || port > 255) {
        return false;
    }
    commPort_ = port;
    return true;
}

bool SimulatedLink::setPortOpen(bool open) {
    if (open && (open_ || openFails_)) {
        return false;
    }
    open_ = open;
    simulator_.connect(open);
    return true;
}

void SimulatedLink::output(std::uint8_t byte) {
    if (open_) {
        simulator_.hostOutput(byte);
    }
}

} // namespace korvanel
