#pragma once

#include <optional>
#include <string>

namespace korvanel {

// Option bits of the file dialog, as the buffer commands set them.
namespace dialog_flags {
inline constexpr unsigned overwritePrompt = 0x2;
inline constexpr unsigned hideReadOnly = 0x4;
inline constexpr unsigned explorer = 0x80000;
} // namespace dialog_flags

struct FileDialogOptions {
    unsigned flags = 0;
    std::string title;
    // Pairs of description and pattern, all separated by '|'.
    std::string filter;
    std::string fileName;
    // Appended (without the dot) to a chosen file name that has no extension, before the
    // overwrite question is asked, so the question is about the file actually written.
    std::string defaultSuffix;
};

struct FileChoice {
    std::string path;  // full path
    std::string title; // file name without its directory
};

// The modal open and save dialogs; an empty result means the user cancelled.
class FileDialog {
  public:
    virtual ~FileDialog() = default;
    virtual std::optional<FileChoice> showOpen(const FileDialogOptions& options) = 0;
    virtual std::optional<FileChoice> showSave(const FileDialogOptions& options) = 0;
};

} // namespace korvanel
