#include "app/Form1.h"
#include "app/ToolBar.h"
#include "app/UserTexts.h"
#include "app/View.h"
#include "catalogue/Catalogue.h"

#include <cmath>

namespace korvanel {

void Form1::mnuVerify_Click() {
    runOperation(&Form1::verifyChip);
}

void Form1::verifyChip() {
    if (!identified()) {
        return;
    }
    s_.stale = false;
    p_.timer1.setInterval(150);
    p_.timer1.setEnabled(true);
    while (!p_.link.dsrHolding()) {
        if (!p_.timer1.enabled()) {
            return;
        }
        p_.pump.pumpEvents();
    }
    s_.stale = false;
    takeChipSize();
    if (bufferLargerThanChip()) {
        p_.timer1.setEnabled(false);
        refuseLargeBuffer();
        return;
    }
    if (!startChipRead(button::verify, texts::statusVerifying)) {
        return;
    }

    std::int32_t errCount = 0;
    std::int32_t firstErr = 0;
    const std::int32_t bufLen = s_.buf.len();
    const bool complete = receiveChip([&](std::uint8_t byte) {
        s_.rxByte = byte;
        if (bufLen == 0) {
            s_.expectByte = 0xFF;
        } else if (s_.addr <= bufLen) {
            s_.expectByte = s_.buf.at(s_.addr);
        } else {
            // The first byte past a short buffer only ends the comparison.
            s_.expectByte = s_.rxByte;
            s_.addr = s_.chipSize;
        }
        if (s_.expectByte != s_.rxByte && !mdaLeftOut(s_.addr)) {
            if (++errCount == 1) {
                firstErr = s_.addr - 1;
            }
        }
    });
    if (!complete) {
        return;
    }

    p_.timer1.setEnabled(false);
    pressButton(button::verify, false);
    p_.alerts.beep();
    if (errCount == 0) {
        view_.setStatus(std::string(texts::statusOk));
        clearProgress();
        return;
    }
    view_.setStatusStyle(StatusStyle::Failure);
    ShowProgress(firstErr);
    const auto share = static_cast<long long>(
        std::floor(static_cast<double>(errCount) / static_cast<double>(s_.chipSize) * 100.0));
    view_.setStatus(std::string(texts::firstErrorStart) + std::to_string(firstErr) +
                    std::string(texts::firstErrorMiddle) + std::to_string(share) +
                    std::string(texts::firstErrorEnd));
    p_.alerts.beep();
    p_.alerts.showMessage(std::string(texts::verifyFailed));
    view_.setStatus("");
    clearProgress();
    view_.setStatusStyle(StatusStyle::Normal);
}

} // namespace korvanel
