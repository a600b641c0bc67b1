#include "catalogue/Catalogue.h"

#include <algorithm>

namespace korvanel {

std::span<const DeviceEntry> familyParts(int family) {
    const auto first = std::find_if(catalogue.begin(), catalogue.end(),
                                    [family](const DeviceEntry& e) { return e.family == family; });
    const auto last = std::find_if(first, catalogue.end(),
                                   [family](const DeviceEntry& e) { return e.family != family; });
    return {first, last};
}

const DeviceEntry* findPart(int family, int position) {
    const auto parts = familyParts(family);
    if (position < 0 || position >= static_cast<int>(parts.size())) {
        return nullptr;
    }
    return &parts[static_cast<std::size_t>(position)];
}

std::optional<std::uint8_t> DeviceCode(int family, int position, bool suffixChecked) {
    const DeviceEntry* part = findPart(family, position);
    if (part == nullptr) {
        return std::nullopt;
    }
    if (suffixChecked && part->suffixCode != noSuffixCode) {
        return part->suffixCode;
    }
    return part->code;
}

} // namespace korvanel
