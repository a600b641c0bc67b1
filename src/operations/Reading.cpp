#include "app/Form1.h"
#include "app/ToolBar.h"
#include "app/UserTexts.h"
#include "app/View.h"
#include "catalogue/Catalogue.h"

#include <vector>

namespace korvanel {

void Form1::mnuRead_Click() {
    runOperation(&Form1::readChip);
}

void Form1::readChip() {
    if (!prepareChipRead() || !startChipRead(button::read, texts::statusReading)) {
        return;
    }
    // The chip's bytes replace the buffer only once all have come: a stopped read leaves the
    // user's data and its name as they were.
    std::vector<std::uint8_t> chip(static_cast<std::size_t>(s_.chipSize), 0);
    const bool complete =
        receiveChip([&](std::uint8_t byte) { chip[static_cast<std::size_t>(s_.addr - 1)] = byte; });
    if (!complete) {
        return;
    }
    s_.buf.replace(std::move(chip));
    p_.timer1.setEnabled(false);
    view_.setStatus(std::string(texts::statusOk));
    view_.setBufferSource(std::string(texts::bufferFromChip));
    pressButton(button::read, false);
    setSaveEnabled(true);
    p_.alerts.beep();
    view_.setCaption(s_.titleText);
    clearProgress();
}

} // namespace korvanel
