#include "app/Form1.h"
#include "app/UserTexts.h"
#include "app/View.h"
#include "catalogue/Catalogue.h"

namespace korvanel {

void Form1::runOperation(void (Form1::*operation)()) {
    if (busy()) {
        return;
    }
    if (findPart(s_.curFamily, s_.listPosition[s_.curFamily]) == nullptr) {
        p_.alerts.beep();
        p_.alerts.showMessage(std::string(texts::noPartSelected));
        return;
    }
    BusyScope running(*this);
    (this->*operation)();
}

bool Form1::identified() {
    if (!s_.progOk) {
        CheckProgrammer();
    }
    return s_.progOk;
}

// The read and the blank check wait for DSR only while the timer runs, and it is normally
// stopped between operations: a low DSR then costs one pump and the start finds out the rest.
bool Form1::prepareChipRead() {
    if (!identified()) {
        return false;
    }
    while (!p_.link.dsrHolding()) {
        p_.pump.pumpEvents();
        if (!p_.timer1.enabled()) {
            break;
        }
    }
    s_.stale = false;
    takeChipSize();
    return true;
}

bool Form1::startChipRead(int button, std::string_view status) {
    pressButton(button, true);
    if (!startOnProgrammer(static_cast<std::uint8_t>(selectedDeviceCode() + readFlag))) {
        return false;
    }
    showRunning(status);
    return true;
}

void Form1::takeChipSize() {
    s_.chipSize = findPart(s_.curFamily, s_.listPosition[s_.curFamily])->size;
}

bool Form1::bufferLargerThanChip() const {
    return s_.buf.len() > 0 && s_.buf.len() > s_.chipSize;
}

void Form1::refuseLargeBuffer() {
    p_.alerts.beep();
    p_.alerts.showMessage(std::string(texts::bufferTooLargeForChip));
}

std::uint8_t Form1::selectedDeviceCode() const {
    return *DeviceCode(s_.curFamily, s_.listPosition[s_.curFamily], s_.suffixChecked);
}

void Form1::pressButton(int index, bool pressed) {
    view_.setButtonPressed(index, pressed);
}

bool Form1::startOnProgrammer(std::uint8_t cmdByte) {
    s_.cmdByte = cmdByte;
    p_.link.discardInput();
    StartOperation();
    return p_.timer1.enabled();
}

void Form1::showRunning(std::string_view status) {
    view_.setStatus(std::string(status));
    p_.pump.pumpEvents();
}

bool Form1::receiveChip(const std::function<void(std::uint8_t)>& handleByte) {
    for (;;) {
        if (p_.link.inBufferCount() > 0) {
            s_.stale = false;
            ++s_.addr;
            handleByte(p_.link.input().value_or(0));
            if (s_.addr == s_.chipSize) {
                return true;
            }
            ShowProgress(s_.addr);
        }
        p_.pump.pumpEvents();
        if (!p_.timer1.enabled()) {
            return false;
        }
    }
}

bool Form1::mdaLeftOut(std::int32_t addr) const {
    return s_.curFamily == 4 && s_.listPosition[4] <= 0 && isMdaSkippedAddress(addr);
}

void Form1::ShowProgress(std::int32_t n) {
    const int percent = static_cast<int>(static_cast<std::int64_t>(n) * 100 / s_.chipSize);
    view_.setProgress(percent);
    view_.setPercentText(std::to_string(percent) + std::string(texts::percentSuffix));
}

void Form1::clearProgress() {
    view_.setProgress(0);
    view_.setPercentText("");
}

} // namespace korvanel
