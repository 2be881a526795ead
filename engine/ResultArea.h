#pragma once

#include <array>
#include <cstddef>

namespace velmora {

struct WaterState;

/// One stored water state: 40 values, positions 0 to 34 copied from the WaterState, 35 to 39 computed.
using ResultSlot = std::array<double, 40>;

/// Positions of a ResultSlot (stored format: order and units are fixed).
namespace slot {
// clang-format off
enum Position : std::size_t {
    co2 = 0, hco3, co3, caCo3, mgCo3, caHco3, mgHco3, caSo4, mgSo4,
    caFree, mgFree, naFree, kFree, so4Free, no3Free, clFree,
    caTotal, mgTotal, naTotal, kTotal, so4Total, no3Total, clTotal,
    ionicStrength, si, pH, dic, mValue, alkPerDic, ohMinusH, cationSum, anionSum, f1, tEval, reserved34,
    totalHardness,     ///< (caTotal + mgTotal) * 5600, °dH
    carbonateHardness, ///< hco3 * 2800, °dH
    ionBalance,        ///< anionSum - cationSum, eq/l
    ionicStrengthK25,
    ionBalanceError, ///< (anionSum - cationSum) / (anionSum + cationSum) * 100, %
};
// clang-format on
} // namespace slot

/// The eleven result slots, numbered 1 to 11. The engine uses 1 (the water at tb), 2 (at its saturation
/// pH) and 3 (after calcite equilibrium); the others stay zero.
struct ResultArea {
    static constexpr int slotCount = 11;

    std::array<ResultSlot, slotCount> slots{};

    ResultSlot& operator[](int number) { return slots.at(static_cast<std::size_t>(number - 1)); }
    const ResultSlot& operator[](int number) const { return slots.at(static_cast<std::size_t>(number - 1)); }

    bool operator==(const ResultArea&) const = default;
};

/// Writes positions 0 to 34 of slot `number` from the water and computes positions 35 to 39.
void saveSlot(const WaterState& water, ResultArea& area, int number);
/// Copies positions 0 to 34 of slot `number` back into the water; 35 to 39 are not loaded.
void loadSlot(WaterState& water, const ResultArea& area, int number);

} // namespace velmora
