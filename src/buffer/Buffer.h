#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace korvanel {

// The data buffer: bytes addressed from 1 to len(). Its storage is only ever replaced whole.
class Buffer {
  public:
    // Far above the largest chip, so any dump of a part loads, yet a stray multi-gigabyte
    // file cannot exhaust memory.
    static constexpr std::size_t maxBytes = 16 * 1024 * 1024;

    std::int32_t len() const { return static_cast<std::int32_t>(bytes_.size()); }
    bool empty() const { return bytes_.empty(); }
    std::uint8_t at(std::int32_t addr) const { return bytes_[static_cast<std::size_t>(addr - 1)]; }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

    void replace(std::vector<std::uint8_t> bytes) { bytes_ = std::move(bytes); }
    void clear() { bytes_ = {}; }

  private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace korvanel
