#include "Rig.h"

#include "app/ToolBar.h"

namespace korvanel::test {

bool Rig::run(const std::function<void()>& command) {
    try {
        command();
    } catch (const ProgramEnded&) {
        return true;
    }
    return false;
}

bool Rig::start() {
    if (run([this] { form.Form_Load(); })) {
        return true;
    }
    return run([this] { clock.advanceBy(150 * ms); });
}

void Rig::startIdentified() {
    settings.properties()["CommPort"] = "1";
    start();
    alerts.log.clear();
    simulator.clearRecord();
}

void Rig::at(Nanos delay, std::function<void()> command) {
    clock.schedule(delay, std::move(command));
}

void Rig::select(int family, int position) {
    const auto& button = toolBar.at(static_cast<std::size_t>(family + 15));
    form.Toolbar1_ButtonClick(button.index, button.key);
    form.DEVICE_Click(family, position);
    view.setListPosition(family, position);
}

void Rig::loadBuffer(std::vector<std::uint8_t> bytes) {
    files.files["/data/buffer.bin"] = std::move(bytes);
    dialog.answers.push_back(FileChoice{"/data/buffer.bin", "buffer.bin"});
    form.mnuLoad_Click();
}

} // namespace korvanel::test
