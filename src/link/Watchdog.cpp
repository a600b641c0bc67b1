#include "app/Form1.h"
#include "app/ToolBar.h"
#include "app/UserTexts.h"
#include "app/View.h"

namespace korvanel {

void Form1::Timer1_Timer() {
    if (s_.startupPending) {
        p_.timer1.setEnabled(false);
        s_.startupPending = false;
        view_.setButtonPressed(s_.curFamily + button::firstFamily - 1, true);
        return;
    }
    if (!s_.stale) {
        s_.stale = true;
        return;
    }
    p_.timer1.setEnabled(false);
    view_.setProgress(0);
    view_.setPercentText("");
    view_.setStatus("");
    if (s_.progOk) {
        p_.alerts.showMessage(std::string(texts::programmerLost));
        s_.progOk = false;
        for (int index = button::program; index <= button::read; ++index) {
            view_.setButtonPressed(index, false);
        }
        p_.alerts.beep();
    }
}

} // namespace korvanel
