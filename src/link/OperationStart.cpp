#include "app/Form1.h"
#include "app/View.h"

namespace korvanel {

namespace {
constexpr std::uint8_t startByte = 0x11;
}

void Form1::StartOperation() {
    p_.link.output(startByte);
    s_.addr = 0;
    view_.setProgress(0);
    p_.timer1.setInterval(150);
    p_.timer1.setEnabled(true);
    s_.stale = false;
    // Stale is not cleared while waiting: the unit has two ticks to become ready.
    while (!(p_.link.dsrHolding() && p_.link.outBufferCount() == 0)) {
        p_.pump.pumpEvents();
        if (!p_.timer1.enabled()) {
            return;
        }
    }
    p_.link.output(s_.cmdByte);
    s_.stale = false;
}

} // namespace korvanel
