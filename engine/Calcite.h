#pragma once

#include <string_view>

namespace velmora {

struct ResultArea;
struct WaterState;

/// si := lg(caFree * co3 / ksp), with concentrations and the conditional solubility product.
void computeSi(WaterState& water);

/// What the result slots say about calcite.
struct CalciteAssessment {
    double dissolutionCapacity; ///< D = (caTotal of slot 3 - caTotal of slot 1) * 1000, mmol/l
    double phDifference;        ///< pH of slot 1 - pH of slot 3
    std::string_view verdict;   ///< German verdict text
};

CalciteAssessment assessCalcite(const ResultArea& area);

} // namespace velmora
