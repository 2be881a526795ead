#pragma once

#include "engine/Solver.h"

#include <string_view>

namespace velmora {

struct ResultArea;
struct WaterState;

/// si := lg(caFree * co3 / ksp), with concentrations and the conditional solubility product.
void computeSi(WaterState& water);

/// The pH at which the water at tEval, with dic and the totals held, has the index siTarget: bisection
/// between pH 2 and 13 (tolerance 1e-8). mValue, alkPerDic and ohMinusH are not recomputed.
SearchResult findSaturationPh(WaterState& water);

/// Dissolves or precipitates calcite at tEval until |si| < 0.0004 (at most 160 steps) and saves the
/// result as slot 3. Afterwards the water holds the analysed totals again and caEq, dicEq, mValueEq
/// and pHEq the equilibrium values.
SearchResult findCalciteEquilibrium(WaterState& water, ResultArea& area);

/// What the result slots say about calcite.
struct CalciteAssessment {
    double dissolutionCapacity; ///< D = (caTotal of slot 3 - caTotal of slot 1) * 1000, mmol/l
    double phDifference;        ///< pH of slot 1 - pH of slot 3
    std::string_view verdict;   ///< German verdict text
};

CalciteAssessment assessCalcite(const ResultArea& area);

} // namespace velmora
