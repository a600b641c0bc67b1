#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace korvanel {

// A whole decimal number as stored in the settings, blanks around it allowed; none for any
// other text.
inline std::optional<std::int64_t> parseWholeNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace korvanel
