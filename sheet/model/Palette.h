#pragma once

#include <array>
#include <QColor>

namespace velmora::sheet {

struct NamedColour {
    const char* name;
    QRgb rgb;
};

/// The 16 colours offered for texts and fills, in the order the colour lists show them.
inline constexpr std::array<NamedColour, 16> paletteColours{{
    {"Black", 0x000000},
    {"Maroon", 0x800000},
    {"Green", 0x008000},
    {"Olive", 0x808000},
    {"Navy", 0x000080},
    {"Purple", 0x800080},
    {"Teal", 0x008080},
    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},
    {"Red", 0xFF0000},
    {"Lime", 0x00FF00},
    {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},
    {"Fuchsia", 0xFF00FF},
    {"Aqua", 0x00FFFF},
    {"White", 0xFFFFFF},
}};

} // namespace velmora::sheet
