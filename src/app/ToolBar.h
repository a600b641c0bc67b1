#pragma once

#include "app/UserTexts.h"

#include <array>
#include <string_view>

namespace korvanel {

enum class ButtonStyle { Separator, Push, Group };

struct ToolButton {
    int index; // 1 to 20
    std::string_view key;
    int icon; // 1 to 11 in the icon list, 0 for none
    ButtonStyle style;
    std::string_view toolTip;
    std::string_view description;
};

namespace button {
inline constexpr int load = 2;
inline constexpr int save = 3;
inline constexpr int clear = 5;
inline constexpr int program = 9;
inline constexpr int verify = 10;
inline constexpr int blank = 11;
inline constexpr int read = 12;
inline constexpr int firstFamily = 17; // family n has button n + 16
} // namespace button

// clang-format off
inline constexpr std::array<ToolButton, 20> toolBar{{
    {1, "", 0, ButtonStyle::Separator, "", ""},
    {2, "load file", 1, ButtonStyle::Push, texts::tipLoad, ""},
    {3, "save file", 2, ButtonStyle::Push, texts::tipSave, texts::descSave},
    {4, "", 0, ButtonStyle::Separator, "", ""},
    {5, "clear", 3, ButtonStyle::Push, texts::tipClear, ""},
    {6, "", 0, ButtonStyle::Separator, "", ""},
    {7, "", 0, ButtonStyle::Separator, "", ""},
    {8, "", 0, ButtonStyle::Separator, "", ""},
    {9, "program", 4, ButtonStyle::Push, texts::tipProgram, texts::descProgram},
    {10, "verify", 5, ButtonStyle::Push, texts::tipVerify, texts::descVerify},
    {11, "blank", 6, ButtonStyle::Push, texts::tipBlank, texts::descBlank},
    {12, "readch", 7, ButtonStyle::Push, texts::tipRead, texts::descRead},
    {13, "", 0, ButtonStyle::Separator, "", ""},
    {14, "", 0, ButtonStyle::Separator, "", ""},
    {15, "", 0, ButtonStyle::Separator, "", ""},
    {16, "", 0, ButtonStyle::Separator, "", ""},
    {17, "iic", 8, ButtonStyle::Group, texts::tipFamilyIic, ""},
    {18, "mware", 9, ButtonStyle::Group, texts::tipFamilyMware, ""},
    {19, "spi", 10, ButtonStyle::Group, texts::tipFamilySpi, ""},
    {20, "ostali", 11, ButtonStyle::Group, texts::tipFamilyOther, ""},
}};
// clang-format on

} // namespace korvanel
