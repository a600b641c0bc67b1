#include "Fakes.h"

#include <algorithm>

namespace korvanel::test {

std::string MemorySettings::get(const std::string& application, const std::string& section,
                                const std::string& key, const std::string& fallback) const {
    const auto group = values_.find(application + "/" + section);
    if (group == values_.end()) {
        return fallback;
    }
    const auto value = group->second.find(key);
    return value == group->second.end() ? fallback : value->second;
}

bool MemorySettings::save(const std::string& application, const std::string& section,
                          const std::string& key, const std::string& text) {
    values_[application + "/" + section][key] = text;
    return true;
}

void RecordingAlerts::showMessage(const std::string& text) {
    log.push_back(text);
    if (whileShown) {
        whileShown(text);
    }
}

std::vector<std::string> RecordingAlerts::messages() const {
    std::vector<std::string> texts;
    std::copy_if(log.begin(), log.end(), std::back_inserter(texts),
                 [](const std::string& entry) { return entry != "beep"; });
    return texts;
}

int RecordingAlerts::beeps() const {
    return static_cast<int>(std::count(log.begin(), log.end(), "beep"));
}

std::optional<FileChoice> ScriptedFileDialog::showOpen(const FileDialogOptions& options) {
    return answer(options);
}

std::optional<FileChoice> ScriptedFileDialog::showSave(const FileDialogOptions& options) {
    return answer(options);
}

std::optional<FileChoice> ScriptedFileDialog::answer(const FileDialogOptions& options) {
    shown.push_back(options);
    if (answers.empty()) {
        return std::nullopt;
    }
    auto next = answers.front();
    answers.pop_front();
    return next;
}

FileReadResult MemoryFiles::readAll(const std::string& path, std::size_t maxBytes) {
    FileReadResult result;
    const auto it = files.find(path);
    if (it == files.end()) {
        result.error = "No such file or directory";
        return result;
    }
    if (it->second.size() > maxBytes) {
        result.tooLarge = true;
        return result;
    }
    result.ok = true;
    result.bytes = it->second;
    return result;
}

FileWriteResult MemoryFiles::writeAll(const std::string& path,
                                      std::span<const std::uint8_t> bytes) {
    if (diskFullAfter && bytes.size() > *diskFullAfter) {
        return {false, "No space left on device"};
    }
    files[path].assign(bytes.begin(), bytes.end());
    return {true, {}};
}

} // namespace korvanel::test
