#include "windows/InputMarkers.h"

#include <array>

namespace velmora {

namespace {

// Slot positions of items 0 to 30 of a marker block, with the factor each is shown with.
struct BlockItem {
    std::size_t position;
    double factor;
};
constexpr std::array<BlockItem, 31> blockItems{{
    {slot::co2, 1000},
    {slot::hco3, 1000},
    {slot::co3, 1000},
    {slot::caCo3, 1000},
    {slot::mgCo3, 1000},
    {slot::caHco3, 1000},
    {slot::mgHco3, 1000},
    {slot::caSo4, 1000},
    {slot::mgSo4, 1000},
    {slot::caFree, 1000},
    {slot::mgFree, 1000},
    {slot::naFree, 1000},
    {slot::kFree, 1000},
    {slot::so4Free, 1000},
    {slot::no3Free, 1000},
    {slot::clFree, 1000},
    {slot::ionicStrength, 1000},
    {slot::ionicStrengthK25, 1000},
    {slot::totalHardness, 1},
    {slot::carbonateHardness, 1},
    {slot::cationSum, 1000},
    {slot::anionSum, 1000},
    {slot::ionBalance, 1000},
    {slot::ionBalanceError, 1},
    {slot::si, 1},
    {slot::pH, 1},
    {slot::dic, 1000},
    {slot::mValue, 1000},
    {slot::alkPerDic, 1},
    {slot::ohMinusH, 1000000},
    {slot::f1, 1},
}};

} // namespace

std::optional<QString> inputMarkerText(const ShownInputs& in, int number) {
    const auto value = [](double v) {
        return std::optional<QString>(formatNumber(v));
    };
    if (number >= 18 && number <= 24)
        return value(in.totals[std::size_t(number - 18)]);
    if (number >= 25 && number <= 31)
        return value(in.totals[std::size_t(number - 25)] * units::molarMasses[number - 25]);
    switch (number) {
    case 6:
        return value(in.pHm);
    case 7:
        return value(in.ks43);
    case 8:
        return value(in.kb82);
    case 9:
        return value(in.dic);
    case 10:
        return value(in.mValue);
    case 11:
        return value(in.tPh);
    case 12:
        return value(in.tKs);
    case 13:
        return value(in.tKb);
    case 14:
        return value(in.tEval);
    case 15:
        return value(in.siTarget);
    case 16:
        return value(in.k25);
    case 17:
        return value(25.0); // the reference temperature of k(25)
    default:
        return std::nullopt;
    }
}

double slotMarkerValue(const ResultSlot& slot, int item) {
    const BlockItem& shown = blockItems.at(std::size_t(item));
    return slot[shown.position] * shown.factor;
}

} // namespace velmora
