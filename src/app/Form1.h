#pragma once

#include "app/FormCommands.h"
#include "buffer/Buffer.h"
#include "platform/Alerts.h"
#include "platform/BinaryFile.h"
#include "platform/EventPump.h"
#include "platform/FileDialog.h"
#include "platform/ProgramExit.h"
#include "platform/SerialLink.h"
#include "platform/SettingsStore.h"
#include "platform/Timer.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace korvanel {

class View;

// The facilities the program talks to the world through.
struct Platform {
    SerialLink& link;
    Timer& timer1;
    EventPump& pump;
    SettingsStore& settings;
    FileDialog& dialog;
    BinaryFile& files;
    Alerts& alerts;
    ProgramExit& exit;
};

// The state shared by the handlers; it exists once, for the whole run.
struct FormState {
    std::string titleText;
    bool progOk = false;
    bool stale = false;
    bool startupPending = false;
    std::uint8_t curFamily = 1;                                   // always 1 to 4
    std::array<std::int16_t, 5> listPosition{-1, -1, -1, -1, -1}; // index 1 to 4
    bool suffixChecked = false;
    Buffer buf;
    bool saveEnabled = false;

    // The running operation
    std::int32_t addr = 0;
    std::int32_t chipSize = 0;
    std::uint8_t cmdByte = 0;
    std::uint8_t rxByte = 0;
    std::uint8_t expectByte = 0;
    std::uint8_t dataByte = 0;
};

// The main window's logic: start-up and shutdown, the command handlers and the programmer
// link. The window itself only shows what it is told through View and forwards user events
// to the handlers here.
class Form1 final : public FormCommands {
  public:
    Form1(Platform platform, View& view);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    const FormState& state() const { return s_; }
    bool busy() const { return busyDepth_ > 0; }

    // Start-up and shutdown
    void Form_Load();
    [[noreturn]] void Form_Unload();

    // Menu items and shortcuts
    void mnuLoad_Click() override;
    void mnuSave_Click() override;
    void mnuClear_Click() override;
    void mnuExit_Click() override;
    void mnuProgram_Click() override;
    void mnuVerify_Click() override;
    void mnuBlank_Click() override;
    void mnuRead_Click() override;
    void mnuAutor_Click() override;
    void selcom_Click(int index) override;

    // Tool bar, part lists and suffix box
    void Toolbar1_ButtonClick(int index, std::string_view key) override;
    void DEVICE_Click(int index, int position) override;
    void s93x_Click(bool checked) override;

    void Timer1_Timer();

    // Programmer link
    void OpenPort(std::uint8_t port);
    void ClearPortMarks();
    void CheckProgrammer();
    void StartOperation();

    void ShowProgress(std::int32_t n);

  private:
    // Holds every command but leaving the program off while an operation or an
    // identification waits on the programmer.
    class BusyScope {
      public:
        explicit BusyScope(Form1& form);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

      private:
        Form1& form_;
    };

    // Start-up
    void restoreSelection();
    void showSelection();
    void saveSetting(std::string_view key, const std::string& text);
    std::string loadSetting(std::string_view key, std::string_view fallback) const;

    // Family and part selection
    void familyButtonKey(std::string_view key);
    void selectFamily(int family);
    std::string selectedName() const;
    bool mdaSelected() const;
    void showPackageForSelection();

    // Buffer
    void showBufferFile(const std::string& path, const std::string& title);
    void setSaveEnabled(bool enabled);

    // Operation frame: the steps the four operations share, each run in the operation's order.
    void runOperation(void (Form1::*operation)());
    bool identified();
    // Identification, the short DSR wait and the chip's size, for the read and the blank check.
    bool prepareChipRead();
    // Pressed button, command with the read flag, start and running status, for the operations
    // in which the chip is sent back; false when the unit never became ready.
    bool startChipRead(int button, std::string_view status);
    void takeChipSize();
    bool bufferLargerThanChip() const;
    void refuseLargeBuffer();
    std::uint8_t selectedDeviceCode() const;
    void pressButton(int index, bool pressed);
    bool startOnProgrammer(std::uint8_t cmdByte);
    void showRunning(std::string_view status);
    // False when the watchdog stopped the operation before the chip's last byte.
    bool receiveChip(const std::function<void(std::uint8_t)>& handleByte);
    bool mdaLeftOut(std::int32_t addr) const;
    void clearProgress();

    // The four operations
    void readChip();
    void verifyChip();
    void blankCheck();
    void programChip();
    void sendChip();

    Platform p_;
    View& view_;
    FormState s_;
    int busyDepth_ = 0;
};

} // namespace korvanel
