#pragma once

#include "common/NumberText.h"
#include "common/Units.h"
#include "engine/ResultArea.h"

#include <array>
#include <optional>
#include <QString>

namespace velmora {

/// A water's inputs as the sheets show them: pH, capacities, c(DIC) and m-value in mmol/l, measurement
/// temperatures and tb in °C, SI(e), k(25) in µS/cm, and the seven totals in mmol/l.
struct ShownInputs {
    double pHm = 0, ks43 = 0, kb82 = 0, dic = 0, mValue = 0;
    double tPh = 0, tKs = 0, tKb = 0, tEval = 0;
    double siTarget = 0, k25 = 0;
    std::array<double, 7> totals{};

    bool operator==(const ShownInputs&) const = default;
};

/// Markers 6 to 31 of every window that shows a water's inputs: pH, capacities, c(DIC) and m-value,
/// temperatures, SI(e), k(25), the constant 25, and the seven totals in mmol/l and mg/l; empty for other
/// numbers.
std::optional<QString> inputMarkerText(const ShownInputs& in, int number);

/// The inputs of a record in the engine's units (mol/l, K) with the inputs' names (a water window's
/// data, a variation record's input block), converted as the sheets show them.
template <class Inputs>
ShownInputs shownInputsOf(const Inputs& in) {
    using units::kelvinToCelsius;
    using units::molToMmol;
    ShownInputs shown{in.pHm,
                      molToMmol(in.ks43),
                      molToMmol(in.kb82),
                      molToMmol(in.dic),
                      molToMmol(in.mValue),
                      kelvinToCelsius(in.tPh),
                      kelvinToCelsius(in.tKs),
                      kelvinToCelsius(in.tKb),
                      kelvinToCelsius(in.tEval),
                      in.siTarget,
                      in.k25,
                      {}};
    for (std::size_t ion = 0; ion < shown.totals.size(); ++ion)
        shown.totals[ion] = molToMmol(in.totals[ion]);
    return shown;
}

/// Markers 6 to 31 of a record in the engine's units.
template <class Inputs>
std::optional<QString> inputMarkerText(const Inputs& in, int number) {
    return inputMarkerText(shownInputsOf(in), number);
}

/// The value a block of result markers shows for item 0 to 30 of a slot (c(CO2) ... f1), scaled as
/// the sheets show it; item 31, tb, each window takes from where it keeps it.
double slotMarkerValue(const ResultSlot& slot, int item);

} // namespace velmora
