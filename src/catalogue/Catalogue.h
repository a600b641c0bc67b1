#pragma once

#include "app/View.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace korvanel {

inline constexpr int familyCount = 4;
inline constexpr std::uint8_t noSuffixCode = 0xFF; // marks a part without an X-suffix code
// Added to the device code for the operations in which the programmer sends the chip back.
inline constexpr std::uint8_t readFlag = 0x80;

struct DeviceEntry {
    std::uint8_t family;     // 1 to 4
    std::int16_t position;   // place in the family's list, from 0
    std::string_view name;   // list entry and large label text
    std::int32_t size;       // bytes
    std::uint8_t code;       // device code sent to the programmer
    std::uint8_t suffixCode; // code with the X suffix checked, or noSuffixCode
    Package package;
};

// In list order: family by family, each family's parts by position.
// clang-format off
inline constexpr std::array<DeviceEntry, 41> catalogue{{
    {.family = 1, .position = 0, .name = "24C01", .size = 128, .code = 1, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 1, .name = "24C02", .size = 256, .code = 2, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 2, .name = "24C04/LC04", .size = 512, .code = 3, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 3, .name = "24C08/LC08", .size = 1024, .code = 4, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 4, .name = "24C16/LC16", .size = 2048, .code = 5, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 5, .name = "24C32/LC32", .size = 4096, .code = 6, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 6, .name = "24LC64", .size = 8192, .code = 7, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 7, .name = "24LC128", .size = 16384, .code = 8, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 8, .name = "24LC256", .size = 32768, .code = 9, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 9, .name = "SDA2516-5", .size = 128, .code = 1, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 10, .name = "SDA2526-5", .size = 256, .code = 2, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 11, .name = "SDA2546-5", .size = 512, .code = 3, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 12, .name = "SDA2586-5", .size = 1024, .code = 4, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 13, .name = "SDA3516-5", .size = 128, .code = 1, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 14, .name = "SDA3526-5", .size = 256, .code = 2, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 15, .name = "SDA3546-5", .size = 512, .code = 3, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 16, .name = "SDA3586-5", .size = 1024, .code = 4, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 17, .name = "85C72", .size = 128, .code = 1, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 18, .name = "85C82", .size = 256, .code = 2, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 1, .position = 19, .name = "85C92", .size = 512, .code = 3, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 2, .position = 0, .name = "93C06/LC06", .size = 32, .code = 10, .suffixCode = 42, .package = Package::Dip8},
    {.family = 2, .position = 1, .name = "93C46/LC46", .size = 128, .code = 11, .suffixCode = 43, .package = Package::Dip8},
    {.family = 2, .position = 2, .name = "93C56/LC56", .size = 256, .code = 12, .suffixCode = 44, .package = Package::Dip8},
    {.family = 2, .position = 3, .name = "93C57/LC57", .size = 256, .code = 76, .suffixCode = 108, .package = Package::Dip8},
    {.family = 2, .position = 4, .name = "93C66/LC66", .size = 512, .code = 13, .suffixCode = 45, .package = Package::Dip8},
    {.family = 2, .position = 5, .name = "93LC76", .size = 1024, .code = 16, .suffixCode = 48, .package = Package::Dip8},
    {.family = 2, .position = 6, .name = "93LC86", .size = 2048, .code = 17, .suffixCode = 49, .package = Package::Dip8},
    {.family = 2, .position = 7, .name = "59C11", .size = 128, .code = 75, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 2, .position = 8, .name = "CAT35C101", .size = 128, .code = 11, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 2, .position = 9, .name = "CAT35C102", .size = 256, .code = 76, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 2, .position = 10, .name = "CAT35C104", .size = 512, .code = 13, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 3, .position = 0, .name = "25LC010", .size = 128, .code = 18, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 3, .position = 1, .name = "25LC020", .size = 256, .code = 19, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 3, .position = 2, .name = "25LC040", .size = 512, .code = 20, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 3, .position = 3, .name = "25LC080", .size = 1024, .code = 21, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 3, .position = 4, .name = "25LC160", .size = 2048, .code = 22, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 3, .position = 5, .name = "25LC320", .size = 4096, .code = 23, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 3, .position = 6, .name = "25LC640", .size = 8192, .code = 24, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 4, .position = 0, .name = "MDA2062", .size = 128, .code = 0, .suffixCode = noSuffixCode, .package = Package::Dip14},
    {.family = 4, .position = 1, .name = "NVM3060", .size = 512, .code = 14, .suffixCode = noSuffixCode, .package = Package::Dip8},
    {.family = 4, .position = 2, .name = "SDA(E)2506", .size = 128, .code = 15, .suffixCode = noSuffixCode, .package = Package::Dip8},
}};
// clang-format on

// The parts of one family, in list order; empty for a number outside 1 to 4.
std::span<const DeviceEntry> familyParts(int family);

// The part at a position of a family's list; none for -1 or any position the list lacks.
const DeviceEntry* findPart(int family, int position);

// The code sent to the programmer for the selected part; the X suffix counts only for parts
// that have a suffix code. None when nothing is selected.
std::optional<std::uint8_t> DeviceCode(int family, int position, bool suffixChecked);

// The two bytes of the MDA2062 that the operations leave out, at 1-based addresses.
inline constexpr int mdaSkippedFirst = 33;
inline constexpr int mdaSkippedSecond = 65;
inline constexpr bool isMdaSkippedAddress(std::int32_t addr) {
    return addr == mdaSkippedFirst || addr == mdaSkippedSecond;
}

} // namespace korvanel
