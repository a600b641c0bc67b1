#pragma once

#include <string>

namespace korvanel {

enum class Package { Dip8, Dip14 };

// Normal: bold, 12 points, black. Failure: not bold, 10 points, red.
enum class StatusStyle { Normal, Failure };

// What the main window shows. Form1 decides; a view only displays and forwards user events
// back to Form1's handlers.
class View {
  public:
    virtual ~View() = default;

    virtual void setCaption(const std::string& text) = 0;
    virtual void setBufferSource(const std::string& text) = 0; // the text box "bafer"
    virtual void setStatus(const std::string& text) = 0;
    virtual void setStatusStyle(StatusStyle style) = 0;
    virtual void setPercentText(const std::string& text) = 0; // the label "prc"
    virtual void setProgress(int percent) = 0;                // the progress bar "pb1", 0 to 100

    // Tool-bar buttons by index, 1 to 20. Pressing one of the family buttons 17 to 20
    // releases the other three.
    virtual void setButtonPressed(int index, bool pressed) = 0;
    // The menu item "Bafer u fajl" and the tool-bar button "save file", always together.
    virtual void setSaveEnabled(bool enabled) = 0;
    virtual void setPortChecked(int port, bool checked) = 0; // COM1 to COM4

    virtual void setListPosition(int family, int position) = 0; // -1: nothing selected
    virtual void showList(int family) = 0;                     // brings DEVICE(family) to the front
    virtual void setSelectedName(const std::string& name) = 0; // the large label "Selchip"
    virtual void showPackage(Package package) = 0;
    virtual void setSuffixVisible(bool visible) = 0;
    virtual void setSuffixChecked(bool checked) = 0;

    // While busy, every command but leaving the program is shown disabled.
    virtual void setBusy(bool busy) = 0;
    virtual void focusBufferSource() = 0;
    // Modal: returns when the user has closed the box.
    virtual void showAbout() = 0;
};

} // namespace korvanel
