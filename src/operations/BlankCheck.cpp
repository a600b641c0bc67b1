#include "app/Form1.h"
#include "app/ToolBar.h"
#include "app/UserTexts.h"
#include "app/View.h"
#include "catalogue/Catalogue.h"

namespace korvanel {

void Form1::mnuBlank_Click() {
    runOperation(&Form1::blankCheck);
}

void Form1::blankCheck() {
    if (!prepareChipRead() || !startChipRead(button::blank, texts::statusBlankCheck)) {
        return;
    }
    bool blankOk = true;
    // Every byte is read even after the first that is not blank.
    const bool complete = receiveChip([&](std::uint8_t byte) {
        s_.rxByte = byte;
        s_.expectByte = 0xFF;
        if (s_.rxByte != s_.expectByte && !mdaLeftOut(s_.addr)) {
            blankOk = false;
        }
    });
    if (!complete) {
        return;
    }
    p_.timer1.setEnabled(false);
    view_.setPercentText("");
    view_.setProgress(0);
    pressButton(button::blank, false);
    if (blankOk) {
        view_.setStatus(std::string(texts::statusOk));
    } else {
        p_.alerts.showMessage(std::string(texts::chipNotBlank));
        view_.setStatus("");
    }
    p_.alerts.beep();
}

} // namespace korvanel
