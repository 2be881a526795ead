#include "engine/Solver.h"

#include "engine/ActivityModel.h"
#include "engine/ArithmeticFaults.h"
#include "engine/Bisection.h"
#include "engine/Constants.h"
#include "engine/EngineError.h"
#include "engine/EngineMath.h"
#include "engine/EngineSteps.h"
#include "engine/WaterState.h"

#include <array>
#include <cmath>
#include <span>
#include <string>
#include <utility>

namespace velmora {

namespace {

constexpr int speciationRounds = 5;
constexpr int twoPointRefinementRounds = 5;
constexpr double alkalinityTolerance = 1e-10; // mol/l

struct KnownPoint {
    double temp; ///< K
    double pH;
    double capacity; ///< mol/l: 0 for the sample, -ks43 at pH 4.3, kb82 at pH 8.2
};

// The updates multiply by the reciprocals of the conditional constants where the algorithm divides.
void updateCarbonate(WaterState& w) {
    const double h = w.hActivity;
    w.co3 = w.dic / (h * h * w.invK1 * w.invK2 + (h * w.invK2) * w.hco3Factor + w.co3Factor);
}

void updateSulphate(WaterState& w) {
    w.so4Free = w.so4Total / (1.0 + w.caFree * w.invKCaSo4 + w.mgFree * w.invKMgSo4);
}

void updateMagnesium(WaterState& w) {
    const double h = w.hActivity;
    w.mgFree =
        w.mgTotal / ((h * w.invKMgHco3 * w.invK2 + w.invKMgCo3) * w.co3 + 1.0 + w.so4Free * w.invKMgSo4);
}

void updateCalcium(WaterState& w) {
    const double h = w.hActivity;
    w.caFree =
        w.caTotal / ((h * w.invKCaHco3 * w.invK2 + w.invKCaCo3) * w.co3 + 1.0 + w.so4Free * w.invKCaSo4);
}

void updatePairs(WaterState& w) {
    const double h = w.hActivity;
    const double hco3PerCo3 = h * w.invK2;
    w.hco3 = w.co3 * hco3PerCo3;
    w.co2 = h * w.hco3 * w.invK1;
    w.caHco3 = hco3PerCo3 * w.co3 * w.caFree * w.invKCaHco3;
    w.mgHco3 = hco3PerCo3 * w.co3 * w.mgFree * w.invKMgHco3;
    w.caCo3 = w.co3 * w.caFree * w.invKCaCo3;
    w.mgCo3 = w.co3 * w.mgFree * w.invKMgCo3;
    w.caSo4 = w.so4Free * w.caFree * w.invKCaSo4;
    w.mgSo4 = w.so4Free * w.mgFree * w.invKMgSo4;
}

void updateComplexFactors(WaterState& w) {
    w.hco3Factor = 1.0 + w.caFree * w.invKCaHco3 + w.mgFree * w.invKMgHco3;
    w.co3Factor = 1.0 + w.caFree * w.invKCaCo3 + w.mgFree * w.invKMgCo3;
}

void prepareAt(WaterState& w, double temp) {
    w.temp = temp;
    prepareTemperature(w);
}

// Alkalinity terms of a known point, first without speciation (ion pairs ignored), then with it.
Steps<void> evaluatePoint(WaterState& w, const KnownPoint& point, bool withSpeciation, double& alkPerDic,
                          double& ohMinusH) {
    prepareAt(w, point.temp);
    w.pH = point.pH;
    setPh(w);
    if (withSpeciation)
        co_await speciation(w);
    computeAlkalinityTerms(w);
    alkPerDic = w.alkPerDic;
    ohMinusH = w.ohMinusH;
}

void balanceTwoPoints(WaterState& w) {
    if (w.alkPerDic2 == w.alkPerDic1)
        throw EngineError("Die beiden Messpunkte sind gleichwertig (gleicher pH-Wert bei gleicher "
                          "Temperatur); c(DIC) lässt sich daraus nicht bestimmen.");
    w.dic = (w.capPoint2 - w.capPoint1 + w.ohMinusH1 - w.ohMinusH2) / (w.alkPerDic2 - w.alkPerDic1);
    w.mValue = w.alkPerDic1 * w.dic + w.ohMinusH1 - w.capPoint1;
}

Steps<void> solveTwoPoints(WaterState& w, const KnownPoint& p1, const KnownPoint& p2) {
    w.tPoint1 = p1.temp;
    w.pHPoint1 = p1.pH;
    w.capPoint1 = p1.capacity;
    w.tPoint2 = p2.temp;
    w.pHPoint2 = p2.pH;
    w.capPoint2 = p2.capacity;

    w.hco3Factor = 1.0;
    w.co3Factor = 1.0;
    w.caFree = w.caTotal;
    w.mgFree = w.mgTotal;
    co_await evaluatePoint(w, p1, false, w.alkPerDic1, w.ohMinusH1);
    co_await evaluatePoint(w, p2, false, w.alkPerDic2, w.ohMinusH2);
    balanceTwoPoints(w);

    for (int round = 0; round < twoPointRefinementRounds; ++round) {
        co_await evaluatePoint(w, p1, true, w.alkPerDic1, w.ohMinusH1);
        co_await evaluatePoint(w, p2, true, w.alkPerDic2, w.ohMinusH2);
        balanceTwoPoints(w);
    }
    throwOnArithmeticFault("solveTwoPoints", w.dic);
}

Steps<void> solveOnePoint(WaterState& w, const KnownPoint& p1) {
    w.temp = p1.temp;
    w.pHPoint1 = p1.pH;
    w.capPoint1 = p1.capacity;
    w.caFree = w.caTotal;
    w.mgFree = w.mgTotal;
    prepareTemperature(w);
    w.pH = w.pHPoint1;
    setPh(w);
    w.hco3Factor = 1.0;
    w.co3Factor = 1.0;
    co_await speciation(w);
    computeAlkalinityTerms(w);
    w.alkPerDic1 = w.alkPerDic;
    w.ohMinusH1 = w.ohMinusH;
    w.mValue = w.alkPerDic1 * w.dic + w.ohMinusH1 - w.capPoint1;
    throwOnArithmeticFault("solveOnePoint", w.mValue);
}

Steps<SearchResult> solvePhAt(WaterState& w, double temp, double& pHOut) {
    w.temp = temp;
    const SearchResult result = co_await solvePhSteps(w);
    pHOut = w.pH;
    co_return result;
}

// Capacity to the end point pHx at temperature tx (K), in mol/l, also left in capPoint1.
Steps<double> capacityAt(WaterState& w, double pHx, double tx) {
    ArithmeticFaultScope faults;
    w.pH = pHx;
    w.temp = tx;
    computeConstants(w);
    // No setPh here: the first pass of the speciation still sees the previous hActivity.
    co_await speciation(w);
    computeAlkalinityTerms(w);
    w.capPoint1 = w.alkPerDic * w.dic + w.ohMinusH - w.mValue;
    throwOnArithmeticFault("capacityAt", w.capPoint1);
    co_return w.capPoint1;
}

// KS(4,3) is minus the capacity at (4.3, tKs); KB(8,2) is the capacity at (8.2, tKb).
Steps<void> computeKs43(WaterState& w) {
    w.ks43 = -co_await capacityAt(w, ks43EndPh, w.tKs);
}

Steps<void> computeKb82(WaterState& w) {
    w.kb82 = co_await capacityAt(w, kb82EndPh, w.tKb);
}

// Each step for every lane before the next step: the lanes' chains of dependent operations are then
// independent neighbours, which the processor overlaps.
template <std::size_t lanes, auto... step>
void stepLanes(WaterState* const* waters) {
    (
        [waters] {
            for (std::size_t lane = 0; lane < lanes; ++lane)
                step(*waters[lane]);
        }(),
        ...);
}

// The engine's inner loop: everything its rounds call is compiled into it, so that the species stay in
// registers from one update to the next (an evaluation takes about 8 % less).
template <std::size_t lanes>
[[gnu::flatten]] void speciateLanes(WaterState* const* waters) {
    stepLanes<lanes, updateCarbonate, updateSulphate, updateMagnesium, updateCalcium>(waters);
    for (int round = 0; round < speciationRounds; ++round) {
        stepLanes<lanes, updatePairs, computeIonSums, computeIonicStrength, computeLgF1,
                  computeConditionalInverses>(waters); // and f1
        // The pH stays the same through the rounds and kw does not depend on f1: the activities of H+
        // and OH- are taken in the first.
        if (round == 0)
            stepLanes<lanes, setPh>(waters);
        stepLanes<lanes, updateComplexFactors, updateCarbonate, updateCalcium, updateMagnesium,
                  updateSulphate>(waters);
    }
    stepLanes<lanes, computeConditionalConstantsOfF1>(waters);
}

// speciateLanes<count> for each count below speciationLanes, at count - 1.
template <std::size_t... lanes>
constexpr auto speciateFewerLanes(std::index_sequence<lanes...>) {
    return std::array{&speciateLanes<lanes + 1>...};
}

} // namespace

void setFreeIonsToTotals(WaterState& w) {
    for (std::size_t ion = 0; ion < totalFields.size(); ++ion)
        w.*freeFields[ion] = w.*totalFields[ion];
}

void setPh(WaterState& water) {
    water.hActivity = pow10(-water.pH);
    water.oh = water.kw / water.hActivity;
}

void computeAlkalinityTerms(WaterState& w) {
    const double h = w.hActivity;
    const double hco3Term = h * w.k1 * w.hco3Factor;
    const double co3Term = w.k1 * w.k2 * w.co3Factor;
    w.alkPerDic = (hco3Term + 2.0 * co3Term) / (h * h + hco3Term + co3Term);
    w.ohMinusH = w.oh - w.hActivity;
}

// Flattened as well, so that its one lane is not a call away (that took 10 % longer).
[[gnu::flatten]] void speciate(WaterState& w) {
    ArithmeticFaultScope faults;
    WaterState* const lane = &w;
    speciateLanes<1>(&lane);
    throwOnArithmeticFault("speciate", w.co3);
}

bool speciateTogether(std::span<WaterState* const> waters) {
    static constexpr auto fewer = speciateFewerLanes(std::make_index_sequence<speciationLanes - 1>{});
    std::size_t done = 0;
    for (; waters.size() - done >= speciationLanes; done += speciationLanes)
        speciateLanes<speciationLanes>(waters.data() + done);
    if (const std::size_t rest = waters.size() - done; rest > 0)
        fewer[rest - 1](waters.data() + done);
    if (arithmeticFaultRaised())
        return false;
    for (const WaterState* water : waters)
        if (!std::isfinite(water->co3))
            return false;
    return true;
}

bool SpeciationStep::waitOrSpeciate(SpeciationWait* wait, std::coroutine_handle<> step) {
    if (wait) {
        *wait = {&water, step};
        return true;
    }
    try {
        speciate(water);
    } catch (...) {
        error = std::current_exception();
    }
    return false;
}

Steps<SearchResult> solvePhSteps(WaterState& w) {
    ArithmeticFaultScope faults;
    prepareTemperature(w);
    co_return co_await bisectPh(
        w, 1.0, 13.0, alkalinityTolerance, "solvePh", [&w] { setPh(w); },
        [&w] {
            computeAlkalinityTerms(w);
            return w.mValue - w.dic * w.alkPerDic - w.ohMinusH;
        });
}

SearchResult solvePh(WaterState& w) {
    return runAlone(solvePhSteps(w));
}

Steps<SearchResult> solveMethodSteps(WaterState& w, int method) {
    ArithmeticFaultScope faults;
    setFreeIonsToTotals(w);

    const KnownPoint sample{w.tPh, w.pHm, 0.0};
    const KnownPoint ks43End{w.tKs, ks43EndPh, -w.ks43};
    const KnownPoint kb82End{w.tKb, kb82EndPh, w.kb82};

    SearchResult result;
    switch (method) {
    case 1:
        co_await solveTwoPoints(w, sample, ks43End);
        co_await computeKb82(w);
        break;
    case 2:
        co_await solveTwoPoints(w, sample, kb82End);
        co_await computeKs43(w);
        break;
    case 3:
        co_await solveTwoPoints(w, ks43End, kb82End);
        result = co_await solvePhAt(w, w.tPh, w.pHm);
        break;
    case 4:
        co_await solveOnePoint(w, ks43End);
        result = co_await solvePhAt(w, w.tPh, w.pHm);
        co_await computeKb82(w);
        break;
    case 5:
        co_await solveOnePoint(w, kb82End);
        result = co_await solvePhAt(w, w.tPh, w.pHm);
        co_await computeKs43(w);
        break;
    case 6:
        co_await solveOnePoint(w, sample);
        co_await computeKs43(w);
        co_await computeKb82(w);
        break;
    case 7:
    case 9:
        result = co_await solvePhAt(w, w.tPh, w.pHm);
        co_await computeKs43(w);
        co_await computeKb82(w);
        break;
    default:
        throw EngineError("Unbekannte Berechnungsmethode " + std::to_string(method) + ".");
    }
    co_return result;
}

} // namespace velmora
