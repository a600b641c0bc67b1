#include "app/Form1.h"

#include "app/ToolBar.h"
#include "app/View.h"
#include "catalogue/Catalogue.h"

namespace korvanel {

Form1::Form1(Platform platform, View& view) : p_(platform), view_(view) {
    p_.timer1.setInterval(150);
    p_.timer1.setEnabled(false);
    p_.timer1.setTickHandler([this] { Timer1_Timer(); });
}

Form1::BusyScope::BusyScope(Form1& form) : form_(form) {
    if (form_.busyDepth_++ == 0) {
        form_.view_.setBusy(true);
    }
}

Form1::BusyScope::~BusyScope() {
    if (--form_.busyDepth_ == 0) {
        form_.view_.setBusy(false);
    }
}

void Form1::Toolbar1_ButtonClick(int index, std::string_view key) {
    if (busy()) {
        return;
    }
    if (key == "load file") {
        mnuLoad_Click();
    } else if (key == "save file") {
        mnuSave_Click();
    } else if (key == "clear") {
        mnuClear_Click();
    } else if (key == "program") {
        mnuProgram_Click();
    } else if (key == "verify") {
        mnuVerify_Click();
    } else if (key == "blank") {
        mnuBlank_Click();
    } else if (key == "readch") {
        mnuRead_Click();
    } else {
        familyButtonKey(key);
    }
    // Only the four family buttons exist past the commands, so the family stays 1 to 4.
    if (index >= button::firstFamily && index < button::firstFamily + familyCount) {
        selectFamily(index - button::firstFamily + 1);
    }
}

void Form1::mnuExit_Click() {
    Form_Unload();
}

void Form1::mnuAutor_Click() {
    if (busy()) {
        return;
    }
    view_.showAbout();
}

} // namespace korvanel
