#pragma once

#include "platform/Alerts.h"
#include "platform/BinaryFile.h"
#include "platform/FileDialog.h"
#include "platform/ProgramExit.h"
#include "platform/SettingsStore.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace korvanel::test {

class MemorySettings final : public SettingsStore {
  public:
    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& fallback) const override;
    bool save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& text) override;

    // Values of the section "Properties" of the application "Korvanel".
    std::map<std::string, std::string>& properties() { return values_["Korvanel/Properties"]; }
    std::map<std::string, std::map<std::string, std::string>> values_;
};

// Everything the user was shown or heard, in order: "beep" or the message text.
class RecordingAlerts final : public Alerts {
  public:
    void showMessage(const std::string& text) override;
    void beep() override { log.push_back("beep"); }

    std::vector<std::string> messages() const;
    int beeps() const;

    std::vector<std::string> log;
    // Runs while the message box is open, before the user closes it.
    std::function<void(const std::string&)> whileShown;
};

struct ProgramEnded {};

// Ends the program by unwinding to the test, so nothing after the call runs.
class ThrowingExit final : public ProgramExit {
  public:
    bool ended = false;

  protected:
    void end() override {
        ended = true;
        throw ProgramEnded{};
    }
};

class ScriptedFileDialog final : public FileDialog {
  public:
    std::optional<FileChoice> showOpen(const FileDialogOptions& options) override;
    std::optional<FileChoice> showSave(const FileDialogOptions& options) override;

    // The user's answers, in order; an empty one cancels.
    std::deque<std::optional<FileChoice>> answers;
    std::vector<FileDialogOptions> shown;

  private:
    std::optional<FileChoice> answer(const FileDialogOptions& options);
};

// Files in memory, with failures on demand.
class MemoryFiles final : public BinaryFile {
  public:
    FileReadResult readAll(const std::string& path, std::size_t maxBytes) override;
    FileWriteResult writeAll(const std::string& path, std::span<const std::uint8_t> bytes) override;

    std::map<std::string, std::vector<std::uint8_t>> files;
    // A write stops after this many bytes with "No space left on device"; the old file stays.
    std::optional<std::size_t> diskFullAfter;
};

} // namespace korvanel::test
