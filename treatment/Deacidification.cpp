#include "treatment/Deacidification.h"

#include "common/NumberText.h"
#include "engine/Calcite.h"
#include "engine/Solver.h"
#include "engine/WaterState.h"

#include <array>
#include <cmath>

namespace velmora {

namespace {

constexpr double firstStep = 0.3;
constexpr double stepReversal = -0.3;

// What a material brings per equivalent of m-value: calcium, magnesium, sodium and DIC; and how its
// consumption is counted (mmol/l per mol/l of the ion it is counted by).
struct Material {
    double calcium, magnesium, sodium, dic;
    double WaterState::*countedBy;
    double consumptionFactor;
    const char* processText;
};

// The process texts differ from the radio texts as they always have ("Filtermat" without a point).
const std::array<Material, deacidificationMethodCount> materials{{
    {0.5, 0, 0, 0, &WaterState::caTotal, 1000, "Weißkalkhydrat Ca(OH)2"},
    {0, 0, 1, 0, &WaterState::naTotal, 1000, "Natronlauge NaOH"},
    {0.5, 0, 0, 0.5, &WaterState::caTotal, 1000, "Calciumcarbonat CaCO3"},
    {0.25, 0.25, 0, 0.25, &WaterState::caTotal, 500, "Dolom. Filtermat CaCO3*MgO"},
    {0, 0.5, 0, 0.5, &WaterState::mgTotal, 500, "Magnesit MgO+Mg(OH)2"},
    {0, 0, 0, 0, nullptr, 0, "Verrieselung in Luft"},
}};

} // namespace

int iterationInterval(int trackBarPosition) {
    return trackBarPosition <= -2 ? 100000 : trackBarPosition == -1 ? 10000 : 1000;
}

DeacidificationRun deacidify(WaterState& w, DeacidificationMethod method, double targetSi, int interval) {
    const Material& material = materials[std::size_t(method)];
    const bool aeration = method == DeacidificationMethod::Aeration;
    const double pivot = 1.0 / interval;
    w.temp = w.tEval;
    solvePh(w);
    const WaterState start = w;

    DeacidificationRun run;
    double step = firstStep;
    do {
        ++run.steps;
        const double siPrev = w.si;
        if (aeration) {
            w.dic -= step * (w.dic + pivot);
        } else {
            w.mValue += step * (w.mValue - pivot);
            const double delta = w.mValue - start.mValue;
            w.caTotal = start.caTotal + material.calcium * delta;
            w.mgTotal = start.mgTotal + material.magnesium * delta;
            w.naTotal = start.naTotal + material.sodium * delta;
            // Sodium forms no pairs, so no speciation updates its free value: it follows the total, as
            // when caustic soda is dosed.
            w.naFree = w.naTotal;
            w.dic = start.dic + material.dic * delta;
        }
        solvePh(w);
        computeSi(w);
        if ((w.si < targetSi && w.si < siPrev) || (w.si > targetSi && w.si > siPrev))
            step *= stepReversal;
    } while (std::fabs(w.si - targetSi) >= deacidificationSiTolerance && run.steps < maxDeacidificationSteps);

    // The 255th step does not count, even where it met the tolerance.
    run.converged = run.steps < maxDeacidificationSteps;
    if (material.countedBy)
        run.consumption = (w.*material.countedBy - start.*material.countedBy) * material.consumptionFactor;
    return run;
}

QString deacidificationRemark(DeacidificationMethod method, double consumption) {
    QString remark =
        QStringLiteral("Ents. mit ") + QString::fromUtf8(materials[std::size_t(method)].processText);
    if (method != DeacidificationMethod::Aeration)
        remark += QStringLiteral(", theor. Verbrauch: ") + formatNumber(consumption).trimmed() +
                  QStringLiteral(" mmol/l");
    return remark;
}

} // namespace velmora
