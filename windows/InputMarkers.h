#pragma once

#include "common/NumberText.h"
#include "common/Units.h"
#include "engine/ResultArea.h"

#include <optional>
#include <QString>

namespace velmora {

/// Markers 6 to 31 of every window that shows a water's inputs: pH, capacities and c(DIC) in mmol/l,
/// measurement temperatures and tb in °C, SI(e), k(25), the constant 25, and the seven totals in mmol/l
/// and mg/l. `Inputs` is any record with the inputs' names (a water window's data, a variation record's
/// input block); empty for other numbers.
template <class Inputs>
std::optional<QString> inputMarkerText(const Inputs& in, int number) {
    using units::kelvinToCelsius;
    using units::molToMmol;
    const auto value = [](double v) {
        return std::optional<QString>(formatNumber(v));
    };
    if (number >= 18 && number <= 24)
        return value(molToMmol(in.totals[std::size_t(number - 18)]));
    if (number >= 25 && number <= 31)
        return value(molToMmol(in.totals[std::size_t(number - 25)]) * units::molarMasses[number - 25]);
    switch (number) {
    case 6:
        return value(in.pHm);
    case 7:
        return value(molToMmol(in.ks43));
    case 8:
        return value(molToMmol(in.kb82));
    case 9:
        return value(molToMmol(in.dic));
    case 10:
        return value(molToMmol(in.mValue));
    case 11:
        return value(kelvinToCelsius(in.tPh));
    case 12:
        return value(kelvinToCelsius(in.tKs));
    case 13:
        return value(kelvinToCelsius(in.tKb));
    case 14:
        return value(kelvinToCelsius(in.tEval));
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

/// The value a block of result markers shows for item 0 to 30 of a slot (c(CO2) ... f1), scaled as
/// the sheets show it; item 31, tb, each window takes from where it keeps it.
double slotMarkerValue(const ResultSlot& slot, int item);

} // namespace velmora
