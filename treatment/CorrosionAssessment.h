#pragma once

#include <array>
#include <QString>

namespace velmora {

class CorrosionRecord;

inline constexpr int corrosionTextCount = 32;

/// The assessment of a water towards unalloyed and low-alloyed iron (texts 0 to 11), hot-dip galvanized
/// iron (12 to 25) and copper materials (26 to 30), and the note on inhibitors (31). A value equal to a
/// limit passes; each material's verdict rests on its own criteria alone.
std::array<QString, corrosionTextCount> corrosionTexts(const CorrosionRecord& record);

} // namespace velmora
