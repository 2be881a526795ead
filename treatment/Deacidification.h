#pragma once

#include <QString>

namespace velmora {

struct WaterState;

/// The methods of "Entsäuerung", in the order of its radio group.
enum class DeacidificationMethod { Lime, CausticSoda, CalciumCarbonate, Dolomite, Magnesia, Aeration };

inline constexpr int deacidificationMethodCount = 6;
inline constexpr int maxDeacidificationSteps = 255;
inline constexpr double deacidificationSiTolerance = 0.00004;

/// The iteration interval N of the track bar's position -2 ("groß"), -1 ("normal") or 0 ("klein").
int iterationInterval(int trackBarPosition);

/// The outcome of a deacidification: whether the index reached its target before the 255th step, the
/// steps made, and the theoretical consumption of the material in mmol/l.
struct DeacidificationRun {
    bool converged = false;
    int steps = 0;
    double consumption = 0;
};

/// Raises the water's saturation index at tb to `targetSi`: the m-value (aeration: c(DIC)) is stepped in
/// proportion to its distance from the pivot 1/N, the quantities the material brings follow it, and the
/// step reverses and shrinks whenever the index moves away from the target. The water holds the last
/// step. Throws EngineError on an arithmetic fault.
DeacidificationRun deacidify(WaterState& water, DeacidificationMethod method, double targetSi, int interval);

/// Remark 2 of the deacidified water: "Ents. mit ", the process text and, except for aeration, the
/// theoretical consumption.
QString deacidificationRemark(DeacidificationMethod method, double consumption);

} // namespace velmora
