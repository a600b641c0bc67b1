#pragma once

#include "Fakes.h"
#include "RecordingView.h"
#include "VirtualClock.h"
#include "app/Form1.h"
#include "link/ProgrammerSimulator.h"
#include "link/SimulatedLink.h"

#include <functional>

namespace korvanel::test {

inline constexpr Nanos ms = nanosPerMilli;

// Form1 wired to the simulated programmer, the virtual clock and the recording fakes.
struct Rig {
    // Real files may stand in for the in-memory ones.
    explicit Rig(BinaryFile* realFiles = nullptr) : realFiles_(realFiles) {}

    VirtualClock clock;
    ProgrammerSimulator simulator{clock};
    SimulatedLink link{simulator};
    FakeTimer timer{clock};
    FakePump pump{clock};
    MemorySettings settings;
    ScriptedFileDialog dialog;
    MemoryFiles files;
    RecordingAlerts alerts;
    ThrowingExit programExit;
    RecordingView view;

  private:
    BinaryFile* realFiles_;

  public:
    Form1 form{Platform{link, timer, pump, settings, dialog, realFiles_ ? *realFiles_ : files,
                        alerts, programExit},
               view};

    // Runs a command; true when it ended the program.
    bool run(const std::function<void()>& command);
    // Start-up, then the start-up one-shot.
    bool start();
    // Start-up with the programmer identified on COM1, then forgets what the start showed.
    void startIdentified();
    // Schedules a user command at a virtual time from now; it runs inside whatever waits then.
    void at(Nanos delay, std::function<void()> command);
    // Selects a part as the user would: family button, then the list.
    void select(int family, int position);
    void loadBuffer(std::vector<std::uint8_t> bytes);
};

} // namespace korvanel::test
