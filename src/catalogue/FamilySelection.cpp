#include "app/Form1.h"
#include "app/View.h"
#include "catalogue/Catalogue.h"

namespace korvanel {

std::string Form1::selectedName() const {
    const DeviceEntry* part = findPart(s_.curFamily, s_.listPosition[s_.curFamily]);
    return part != nullptr ? std::string(part->name) : std::string();
}

bool Form1::mdaSelected() const {
    return s_.curFamily == 4 && s_.listPosition[4] == 0;
}

void Form1::showPackageForSelection() {
    view_.showPackage(mdaSelected() ? Package::Dip14 : Package::Dip8);
}

void Form1::familyButtonKey(std::string_view key) {
    if (key == "iic" || key == "spi") {
        view_.showPackage(Package::Dip8);
        view_.setSuffixVisible(false);
    } else if (key == "mware") {
        view_.showPackage(Package::Dip8);
        view_.setSuffixVisible(true);
    } else if (key == "ostali") {
        view_.showPackage(s_.listPosition[4] == 0 ? Package::Dip14 : Package::Dip8);
        view_.setSuffixVisible(false);
    }
}

void Form1::selectFamily(int family) {
    s_.curFamily = static_cast<std::uint8_t>(family);
    view_.showList(family);
    view_.setSelectedName(selectedName());
}

void Form1::DEVICE_Click(int index, int position) {
    if (index < 1 || index > familyCount) {
        return;
    }
    if (busy()) {
        view_.setListPosition(index, s_.listPosition[index]);
        return;
    }
    s_.listPosition[index] = findPart(index, position) != nullptr
                                 ? static_cast<std::int16_t>(position)
                                 : std::int16_t{-1};
    view_.setSelectedName(selectedName());
    showPackageForSelection();
}

void Form1::s93x_Click(bool checked) {
    if (busy()) {
        view_.setSuffixChecked(s_.suffixChecked);
        return;
    }
    s_.suffixChecked = checked;
    view_.focusBufferSource();
}

} // namespace korvanel
