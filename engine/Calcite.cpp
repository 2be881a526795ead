#include "engine/Calcite.h"

#include "engine/ArithmeticFaults.h"
#include "engine/Bisection.h"
#include "engine/Constants.h"
#include "engine/EngineMath.h"
#include "engine/EngineSteps.h"
#include "engine/ResultArea.h"
#include "engine/WaterState.h"

#include <cmath>
#include <utility>

namespace velmora {

namespace {

constexpr double saturationTolerance = 1e-8;
constexpr double equilibriumTolerance = 0.0004;
constexpr int maxEquilibriumSteps = 160;
constexpr double firstCalciumStep = 0.3;   // relative: the first step raises calcium by 30 %
constexpr double stepReversal = -0.3;      // applied when the index moves away from zero
constexpr double verdictThreshold = 0.001; // mmol/l

} // namespace

void computeSi(WaterState& w) {
    ArithmeticFaultScope faults;
    w.si = lg10(w.caFree * w.co3 / w.ksp);
    throwOnArithmeticFault("computeSi", w.si);
}

Steps<SearchResult> findSaturationPhSteps(WaterState& w) {
    ArithmeticFaultScope faults;
    w.temp = w.tEval;
    computeConstants(w);
    // No setPh before the speciation: the new pH takes effect inside its first round.
    co_return co_await bisectPh(
        w, 2.0, 13.0, saturationTolerance, "findSaturationPh", [] {},
        [&w] {
            computeSi(w);
            return w.siTarget - w.si;
        });
}

Steps<SearchResult> findCalciteEquilibriumSteps(WaterState& w, ResultArea& area) {
    ArithmeticFaultScope faults;
    w.caStep = firstCalciumStep;
    w.caEq = w.caTotal;
    w.mValueEq = w.mValue;
    w.dicEq = w.dic;
    w.temp = w.tEval;

    SearchResult result;
    for (int step = 1; step <= maxEquilibriumSteps; ++step) {
        const double siPrev = w.si;
        w.caTotal += w.caStep * w.caTotal;
        const double dissolved = w.caTotal - w.caEq;
        w.mValue = 2.0 * dissolved + w.mValueEq;
        w.dic = w.dicEq + dissolved;
        result.add(co_await solvePhSteps(w));
        computeSi(w);
        if ((w.si < 0.0 && w.si < siPrev) || (w.si > 0.0 && w.si > siPrev))
            w.caStep *= stepReversal;
        if (std::fabs(w.si) < equilibriumTolerance)
            break;
    }
    saveSlot(w, area, 3);

    std::swap(w.caTotal, w.caEq);
    std::swap(w.mValue, w.mValueEq);
    std::swap(w.dic, w.dicEq);
    w.pHEq = w.pH;
    co_return result;
}

CalciteAssessment assessCalcite(const ResultArea& area) {
    const double d = (area[3][slot::caTotal] - area[1][slot::caTotal]) * 1000.0;
    std::string_view verdict = "Das Wasser befindet sich im Gleichgewicht";
    if (d >= verdictThreshold)
        verdict = "Das Wasser ist calcitlösend";
    else if (d <= -verdictThreshold)
        verdict = "Das Wasser ist calcitabscheidend";
    return {d, area[1][slot::pH] - area[3][slot::pH], verdict};
}

} // namespace velmora
