#include "app/Form1.h"
#include "app/NumberText.h"
#include "app/UserTexts.h"
#include "app/View.h"
#include "catalogue/Catalogue.h"

#include <cstdint>

namespace korvanel {

namespace {

constexpr std::array<std::string_view, 5> selDevKey{"", "SelDev1", "SelDev2", "SelDev3", "SelDev4"};
constexpr std::array<std::string_view, 5> selDevDefault{"", "2", "1", "2", "0"};

} // namespace

std::string Form1::loadSetting(std::string_view key, std::string_view fallback) const {
    return p_.settings.get(std::string(texts::applicationName), std::string(texts::settingsSection),
                           std::string(key), std::string(fallback));
}

void Form1::saveSetting(std::string_view key, const std::string& text) {
    p_.settings.save(std::string(texts::applicationName), std::string(texts::settingsSection),
                     std::string(key), text);
}

void Form1::Form_Load() {
    s_.titleText = std::string(texts::titleText);
    s_.progOk = false;
    s_.stale = false;
    s_.buf.clear();
    view_.setBufferSource(std::string(texts::bufferEmpty));
    view_.setStatus("");
    view_.setPercentText("");
    view_.setCaption(s_.titleText);

    restoreSelection();

    const auto port = parseWholeNumber(loadSetting("CommPort", "2"));
    const auto suffix = parseWholeNumber(loadSetting("Sufiks_x", "0"));
    s_.suffixChecked = suffix == 1;
    view_.setSuffixChecked(s_.suffixChecked);
    if (port) {
        if (*port >= INT16_MIN && *port <= INT16_MAX) {
            p_.link.setCommPort(static_cast<int>(*port));
        }
        if (*port >= 0 && *port <= 255) {
            OpenPort(static_cast<std::uint8_t>(*port));
        }
    }

    showSelection();
    s_.startupPending = true;
    p_.timer1.setEnabled(true);
}

// A stored value that is not usable never stops the start: an unknown family falls back to
// the first, an unknown position leaves its list without a selected part.
void Form1::restoreSelection() {
    const auto family = parseWholeNumber(loadSetting("Family", "1"));
    s_.curFamily = family && *family >= 1 && *family <= familyCount
                       ? static_cast<std::uint8_t>(*family)
                       : std::uint8_t{1};
    for (int f = 1; f <= familyCount; ++f) {
        const auto position = parseWholeNumber(loadSetting(selDevKey[f], selDevDefault[f]));
        const bool valid = position && findPart(f, static_cast<int>(*position)) != nullptr;
        s_.listPosition[f] = valid ? static_cast<std::int16_t>(*position) : std::int16_t{-1};
        view_.setListPosition(f, s_.listPosition[f]);
    }
    view_.setSelectedName(selectedName());
}

void Form1::showSelection() {
    view_.showList(s_.curFamily);
    view_.setSuffixVisible(s_.curFamily == 2);
    showPackageForSelection();
}

void Form1::Form_Unload() {
    s_.buf.clear();
    for (int f = 1; f <= familyCount; ++f) {
        saveSetting(selDevKey[f], std::to_string(s_.listPosition[f]));
    }
    saveSetting("Family", std::to_string(s_.curFamily));
    saveSetting("Sufiks_x", s_.suffixChecked ? "1" : "0");
    if (p_.link.portOpen()) {
        p_.link.setPortOpen(false);
    }
    saveSetting("CommPort", std::to_string(p_.link.commPort()));
    p_.exit.endProgram();
}

} // namespace korvanel
