#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace korvanel {

struct FileReadResult {
    bool ok = false;
    bool tooLarge = false;
    std::vector<std::uint8_t> bytes;
    std::string error; // the platform's description of the failure
};

struct FileWriteResult {
    bool ok = false;
    std::string error;
};

// Whole-file access to buffer files: raw bytes, no header.
class BinaryFile {
  public:
    virtual ~BinaryFile() = default;
    // Opens for reading only and never creates a file. A file longer than maxBytes is
    // refused with tooLarge set and nothing read.
    virtual FileReadResult readAll(const std::string& path, std::size_t maxBytes) = 0;
    // Replaces the file only once every byte is written; on failure the old file stays.
    virtual FileWriteResult writeAll(const std::string& path,
                                     std::span<const std::uint8_t> bytes) = 0;
};

} // namespace korvanel
