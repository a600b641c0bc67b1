#include "app/Form1.h"
#include "app/UserTexts.h"
#include "app/View.h"

namespace korvanel {

namespace {

std::string::size_type fileNameStart(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? 0 : slash + 1;
}

// Only the file's own name decides whether it has an extension; a dot in a directory name
// does not count.
std::string withBinExtension(const std::string& path) {
    if (path.find('.', fileNameStart(path)) != std::string::npos) {
        return path;
    }
    return path + ".bin";
}

} // namespace

void Form1::setSaveEnabled(bool enabled) {
    s_.saveEnabled = enabled;
    view_.setSaveEnabled(enabled);
}

void Form1::showBufferFile(const std::string& path, const std::string& title) {
    view_.setCaption(s_.titleText + std::string(texts::captionSeparator) + title);
    view_.setBufferSource(path);
}

void Form1::mnuLoad_Click() {
    if (busy()) {
        return;
    }
    FileDialogOptions options;
    options.flags = dialog_flags::explorer | dialog_flags::hideReadOnly;
    options.title = texts::loadDialogTitle;
    options.filter = texts::loadDialogFilter;
    const auto choice = p_.dialog.showOpen(options);
    if (!choice) {
        return;
    }
    auto file = p_.files.readAll(choice->path, Buffer::maxBytes);
    if (file.tooLarge) {
        p_.alerts.showMessage(std::string(texts::fileTooLargeStart) +
                              std::to_string(Buffer::maxBytes) +
                              std::string(texts::fileTooLargeEnd));
        return;
    }
    if (!file.ok) {
        p_.alerts.showMessage(file.error);
        return;
    }
    showBufferFile(choice->path, choice->title);
    s_.buf.replace(std::move(file.bytes));
    setSaveEnabled(true);
}

void Form1::mnuSave_Click() {
    if (busy()) {
        return;
    }
    FileDialogOptions options;
    options.flags = dialog_flags::overwritePrompt | dialog_flags::hideReadOnly;
    options.title = texts::saveDialogTitle;
    options.filter = texts::saveDialogFilter;
    options.fileName = texts::saveDialogFileName;
    options.defaultSuffix = "bin";
    const auto choice = p_.dialog.showSave(options);
    if (!choice) {
        return;
    }
    const std::string path = withBinExtension(choice->path);
    const auto written = p_.files.writeAll(path, s_.buf.bytes());
    if (!written.ok) {
        p_.alerts.showMessage(std::string(texts::saveFailedStart) + path +
                              std::string(texts::saveFailedEnd) + "\r" + written.error);
        return;
    }
    showBufferFile(path, path.substr(fileNameStart(path)));
}

void Form1::mnuClear_Click() {
    if (busy()) {
        return;
    }
    s_.buf.clear();
    view_.setBufferSource(std::string(texts::bufferEmpty));
    view_.setCaption(s_.titleText);
    setSaveEnabled(false);
}

} // namespace korvanel
