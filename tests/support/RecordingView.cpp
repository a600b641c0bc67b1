#include "RecordingView.h"

namespace korvanel::test {

void RecordingView::setStatus(const std::string& text) {
    status = text;
    statusHistory.push_back(text);
    statusStyleHistory.push_back(statusStyle);
}

void RecordingView::setPercentText(const std::string& text) {
    percentText = text;
    percentHistory.push_back(text);
}

void RecordingView::setProgress(int percent) {
    progress = percent;
    progressHistory.push_back(percent);
}

void RecordingView::setButtonPressed(int index, bool isPressed) {
    if (isPressed && index >= 17) {
        for (int family = 17; family <= 20; ++family) {
            pressed.at(family) = false;
        }
    }
    pressed.at(index) = isPressed;
}

void RecordingView::setBusy(bool isBusy) {
    busy = isBusy;
    ++busyChanges;
}

} // namespace korvanel::test
