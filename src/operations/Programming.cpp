#include "app/Form1.h"
#include "app/ToolBar.h"
#include "app/UserTexts.h"
#include "app/View.h"
#include "catalogue/Catalogue.h"

namespace korvanel {

namespace {
constexpr std::uint8_t mdaCommand = 0;
constexpr std::uint8_t padding = 0xFF;
} // namespace

void Form1::mnuProgram_Click() {
    runOperation(&Form1::programChip);
}

void Form1::programChip() {
    if (!identified()) {
        return;
    }
    if (!p_.link.dsrHolding()) {
        p_.alerts.beep();
        p_.alerts.showMessage(std::string(texts::programmerLost));
        return;
    }
    takeChipSize();
    if (bufferLargerThanChip()) {
        refuseLargeBuffer();
        return;
    }
    pressButton(button::program, true);
    startOnProgrammer(selectedDeviceCode());
    showRunning(texts::statusProgramming);
    if (!p_.timer1.enabled()) {
        return;
    }
    sendChip();
    p_.alerts.beep();
    pressButton(button::program, false);
    verifyChip();
}

// Sends one byte per readiness of the unit. The end is seen only at the readiness after the
// last byte, and a watchdog stop ends the loop the same way.
void Form1::sendChip() {
    const std::int32_t bufLen = s_.buf.len();
    for (;;) {
        if (p_.link.dsrHolding() && p_.link.outBufferCount() == 0) {
            s_.stale = false;
            ++s_.addr;
            std::uint8_t byte = padding;
            if (bufLen == 0) {
                if (s_.addr > s_.chipSize) {
                    view_.setPercentText("");
                    return;
                }
            } else if (s_.addr <= bufLen) {
                if (s_.cmdByte == mdaCommand && isMdaSkippedAddress(s_.addr)) {
                    ++s_.addr;
                }
                // Skipping can step past the end of a 33- or 65-byte buffer: pad there.
                s_.dataByte = s_.addr <= bufLen ? s_.buf.at(s_.addr) : padding;
                byte = s_.dataByte;
            } else if (s_.addr > s_.chipSize) {
                return;
            }
            p_.link.output(byte);
            ShowProgress(s_.addr);
        }
        p_.pump.pumpEvents();
        if (!p_.timer1.enabled()) {
            return;
        }
    }
}

} // namespace korvanel
