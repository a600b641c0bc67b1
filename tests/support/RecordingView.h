#pragma once

#include "app/View.h"

#include <array>
#include <string>
#include <vector>

namespace korvanel::test {

// Holds what the window would show, starting from the window's designed state, and keeps the
// history of the operation display.
class RecordingView final : public View {
  public:
    void setCaption(const std::string& text) override { caption = text; }
    void setBufferSource(const std::string& text) override { bufferSource = text; }
    void setStatus(const std::string& text) override;
    void setStatusStyle(StatusStyle style) override { statusStyle = style; }
    void setPercentText(const std::string& text) override;
    void setProgress(int percent) override;
    void setButtonPressed(int index, bool pressed) override;
    void setSaveEnabled(bool enabled) override { saveEnabled = enabled; }
    void setPortChecked(int port, bool checked) override { portChecked.at(port) = checked; }
    void setListPosition(int family, int position) override { listPosition.at(family) = position; }
    void showList(int family) override { frontList = family; }
    void setSelectedName(const std::string& name) override { selectedName = name; }
    void showPackage(Package shown) override { package = shown; }
    void setSuffixVisible(bool visible) override { suffixVisible = visible; }
    void setSuffixChecked(bool checked) override { suffixChecked = checked; }
    void setBusy(bool isBusy) override;
    void focusBufferSource() override { ++focusCount; }
    void showAbout() override { ++aboutCount; }

    std::string caption = "Univerzalni Korvanel V1.6";
    std::string bufferSource = "Text1";
    std::string status = "operacija";
    StatusStyle statusStyle = StatusStyle::Normal;
    std::string percentText = "Label4";
    int progress = 0;
    std::array<bool, 21> pressed{};
    bool saveEnabled = false;
    std::array<bool, 5> portChecked{false, true, false, false, false};
    std::array<int, 5> listPosition{-1, -1, -1, -1, -1};
    int frontList = 1;
    std::string selectedName = "Selchip";
    Package package = Package::Dip8;
    bool suffixVisible = true;
    bool suffixChecked = false;
    bool busy = false;
    int busyChanges = 0;
    int focusCount = 0;
    int aboutCount = 0;

    std::vector<std::string> statusHistory;
    std::vector<std::string> percentHistory;
    std::vector<int> progressHistory;
    // Style of the status line at the moment each status text was set.
    std::vector<StatusStyle> statusStyleHistory;
};

} // namespace korvanel::test
