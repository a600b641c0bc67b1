// The host's own cost per byte moved: the chip operations of the largest part run end to end
// against the simulator on the virtual clock, so the line's time does not count and what is
// left is the work of the loops, the progress display and the pump.
#include "Rig.h"

#include <chrono>
#include <cstdio>
#include <functional>

using namespace korvanel;
using namespace korvanel::test;

namespace {

constexpr int largestFamily = 1;
constexpr int largestPosition = 8; // 24LC256, 32768 bytes
constexpr int rounds = 5;

void measure(const char* name, const std::function<void(Rig&)>& prepare,
             const std::function<void(Rig&)>& operation, long bytesMoved) {
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        Rig rig;
        rig.startIdentified();
        rig.simulator.config().writeTime = 0;
        rig.select(largestFamily, largestPosition);
        prepare(rig);
        const auto start = std::chrono::steady_clock::now();
        operation(rig);
        const std::chrono::duration<double, std::nano> spent =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count());
        if (rig.view.status != "OK") {
            std::printf("%s did not end with OK\n", name);
        }
    }
    std::printf("%-26s %8.1f ns per byte (best of %d, %ld bytes)\n", name,
                best / double(bytesMoved), rounds, bytesMoved);
}

} // namespace

int main() {
    const long chip = 32768;
    auto nothing = [](Rig&) {};
    auto fullBuffer = [](Rig& rig) { rig.loadBuffer(std::vector<std::uint8_t>(32768, 0x5A)); };
    measure(
        "read", nothing, [](Rig& rig) { rig.form.mnuRead_Click(); }, chip);
    measure(
        "blank check", nothing, [](Rig& rig) { rig.form.mnuBlank_Click(); }, chip);
    measure(
        "program and verify", fullBuffer, [](Rig& rig) { rig.form.mnuProgram_Click(); }, 2 * chip);
    return 0;
}
