#include "engine/ResultArea.h"

#include "engine/WaterState.h"

namespace velmora {

namespace {

// The WaterState field behind each of the slot positions 0 to 34.
constexpr std::array<double WaterState::*, slot::totalHardness> slotFields{
    &WaterState::co2,       &WaterState::hco3,     &WaterState::co3,        &WaterState::caCo3,
    &WaterState::mgCo3,     &WaterState::caHco3,   &WaterState::mgHco3,     &WaterState::caSo4,
    &WaterState::mgSo4,     &WaterState::caFree,   &WaterState::mgFree,     &WaterState::naFree,
    &WaterState::kFree,     &WaterState::so4Free,  &WaterState::no3Free,    &WaterState::clFree,
    &WaterState::caTotal,   &WaterState::mgTotal,  &WaterState::naTotal,    &WaterState::kTotal,
    &WaterState::so4Total,  &WaterState::no3Total, &WaterState::clTotal,    &WaterState::ionicStrength,
    &WaterState::si,        &WaterState::pH,       &WaterState::dic,        &WaterState::mValue,
    &WaterState::alkPerDic, &WaterState::ohMinusH, &WaterState::cationSum,  &WaterState::anionSum,
    &WaterState::f1,        &WaterState::tEval,    &WaterState::reserved34,
};

} // namespace

void saveSlot(const WaterState& water, ResultArea& area, int number) {
    ResultSlot& target = area[number];
    for (std::size_t pos = 0; pos < slotFields.size(); ++pos)
        target[pos] = water.*slotFields[pos];
    const double balance = water.anionSum - water.cationSum;
    target[slot::totalHardness] = (water.caTotal + water.mgTotal) * 5600.0;
    target[slot::carbonateHardness] = water.hco3 * 2800.0;
    target[slot::ionBalance] = balance;
    target[slot::ionicStrengthK25] = water.ionicStrengthK25;
    target[slot::ionBalanceError] = balance / (water.anionSum + water.cationSum) * 100.0;
}

void loadSlot(WaterState& water, const ResultArea& area, int number) {
    const ResultSlot& source = area[number];
    for (std::size_t pos = 0; pos < slotFields.size(); ++pos)
        water.*slotFields[pos] = source[pos];
}

} // namespace velmora
