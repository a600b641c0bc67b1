#pragma once

#include <string_view>

namespace korvanel {

// Every user event the main window forwards. Form1 handles them; a window test can record them.
class FormCommands {
  public:
    virtual ~FormCommands() = default;

    virtual void mnuLoad_Click() = 0;
    virtual void mnuSave_Click() = 0;
    virtual void mnuClear_Click() = 0;
    // Also what closing the window from its title bar runs.
    virtual void mnuExit_Click() = 0;
    virtual void mnuProgram_Click() = 0;
    virtual void mnuVerify_Click() = 0;
    virtual void mnuBlank_Click() = 0;
    virtual void mnuRead_Click() = 0;
    virtual void mnuAutor_Click() = 0;
    virtual void selcom_Click(int index) = 0; // 1 to 4

    virtual void Toolbar1_ButtonClick(int index, std::string_view key) = 0;
    // The user picked the entry at position in the list of family index.
    virtual void DEVICE_Click(int index, int position) = 0;
    virtual void s93x_Click(bool checked) = 0;
};

} // namespace korvanel
