#include "app/Form1.h"
#include "app/UserTexts.h"
#include "app/View.h"

namespace korvanel {

namespace {
constexpr std::uint8_t identifyByte = 0x56;
constexpr std::uint8_t identifyReply = 0x16;
constexpr int portMenuItems = 4;
} // namespace

void Form1::selcom_Click(int index) {
    if (busy()) {
        return;
    }
    OpenPort(static_cast<std::uint8_t>(index));
}

void Form1::ClearPortMarks() {
    for (int port = 1; port <= portMenuItems; ++port) {
        view_.setPortChecked(port, false);
    }
    s_.progOk = false;
}

void Form1::OpenPort(std::uint8_t port) {
    bool failed = false;
    if (p_.link.portOpen()) {
        failed |= !p_.link.setPortOpen(false);
    }
    ClearPortMarks();
    failed |= !p_.link.setCommPort(port);
    failed |= !p_.link.setPortOpen(true);
    if (failed) {
        p_.alerts.showMessage(std::string(texts::openErrorStart) + std::to_string(port) +
                              std::string(texts::openErrorEnd));
        return;
    }
    CheckProgrammer();
    if (port >= 1 && port <= portMenuItems) {
        view_.setPortChecked(port, true);
    }
}

void Form1::CheckProgrammer() {
    s_.progOk = false;
    if (!p_.link.portOpen()) {
        p_.alerts.showMessage(std::string(texts::selectPort));
        return;
    }
    if (!p_.link.dsrHolding()) {
        p_.alerts.showMessage(std::string(texts::programmerOff));
        return;
    }
    BusyScope waiting(*this);
    p_.link.discardInput();
    p_.link.output(identifyByte);
    s_.stale = false;
    p_.timer1.setInterval(150);
    p_.timer1.setEnabled(true);
    while (p_.timer1.enabled()) {
        if (p_.link.inBufferCount() > 0) {
            // Only the first byte counts: stopping the timer ends the wait whatever it was.
            p_.timer1.setEnabled(false);
            s_.stale = false;
            s_.rxByte = p_.link.input().value_or(0);
            if (s_.rxByte == identifyReply) {
                s_.progOk = true;
                return;
            }
        } else {
            p_.pump.pumpEvents();
        }
    }
    p_.alerts.showMessage(std::string(texts::versionMismatch));
    if (p_.link.portOpen()) {
        p_.link.setPortOpen(false);
    }
    // The next start tries the next port.
    p_.link.setCommPort(p_.link.commPort() % portMenuItems + 1);
    Form_Unload();
}

} // namespace korvanel
