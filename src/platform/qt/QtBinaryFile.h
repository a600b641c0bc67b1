#pragma once

#include "platform/BinaryFile.h"

namespace korvanel {

class QtBinaryFile final : public BinaryFile {
  public:
    QtBinaryFile() = default;

    FileReadResult readAll(const std::string& path, std::size_t maxBytes) override;
    FileWriteResult writeAll(const std::string& path, std::span<const std::uint8_t> bytes) override;
};

} // namespace korvanel
