#include "engine/Calcite.h"

#include "Near.h"
#include "Waters.h"

#include <gtest/gtest.h>

using namespace velmora;
using velmora::test::evaluate;
using velmora::test::isNear;
using velmora::test::sampleWaters;
using velmora::test::Tolerance;

TEST(Calcite, SaturationPhHoldsDicAndMeetsTheIndex) {
    for (const auto& water : sampleWaters()) {
        SCOPED_TRACE(water.name);
        const EngineState e = evaluate(water.input, 1);
        const ResultSlot& analysed = e.results[1];
        const ResultSlot& saturated = e.results[2];
        EXPECT_LT(std::fabs(saturated[slot::si]), 1e-8);
        EXPECT_EQ(saturated[slot::dic], analysed[slot::dic]);
        EXPECT_EQ(saturated[slot::caTotal], analysed[slot::caTotal]);
        // Not recomputed at the saturation pH: carried from the analysed water.
        EXPECT_EQ(saturated[slot::mValue], analysed[slot::mValue]);
        EXPECT_EQ(saturated[slot::alkPerDic], analysed[slot::alkPerDic]);
        EXPECT_EQ(saturated[slot::ohMinusH], analysed[slot::ohMinusH]);
    }
}

TEST(Calcite, EquilibriumMovesCalciumDicAndMValueTogether) {
    for (const auto& water : sampleWaters()) {
        SCOPED_TRACE(water.name);
        const EngineState e = evaluate(water.input, 3);
        const ResultSlot& analysed = e.results[1];
        const ResultSlot& equilibrium = e.results[3];
        EXPECT_LT(std::fabs(equilibrium[slot::si]), 0.0004);
        const double dissolved = equilibrium[slot::caTotal] - analysed[slot::caTotal];
        EXPECT_TRUE(isNear("DIC change", equilibrium[slot::dic] - analysed[slot::dic], dissolved,
                           Tolerance::abs(1e-15)));
        EXPECT_TRUE(isNear("m-value change", equilibrium[slot::mValue] - analysed[slot::mValue],
                           2 * dissolved, Tolerance::abs(1e-15)));
        EXPECT_EQ(equilibrium[slot::mgTotal], analysed[slot::mgTotal]);
        EXPECT_EQ(equilibrium[slot::so4Total], analysed[slot::so4Total]);
        // The water ends as the analysed water at tb, with the equilibrium beside it.
        EXPECT_EQ(e.water.caTotal, analysed[slot::caTotal]);
        EXPECT_EQ(e.water.pH, analysed[slot::pH]);
        EXPECT_EQ(e.water.caEq, equilibrium[slot::caTotal]);
        EXPECT_EQ(e.water.dicEq, equilibrium[slot::dic]);
        EXPECT_EQ(e.water.mValueEq, equilibrium[slot::mValue]);
        EXPECT_EQ(e.water.pHEq, equilibrium[slot::pH]);
        // Dissolving calcite raises the pH, precipitating lowers it.
        const CalciteAssessment assessment = assessCalcite(e.results);
        EXPECT_EQ(assessment.dissolutionCapacity > 0, assessment.phDifference < 0);
        EXPECT_EQ(analysed[slot::si]<0, assessment.dissolutionCapacity> 0);
    }
}

TEST(Calcite, SaturatedWaterIsStillMovedByTheFirstStep) {
    EngineState e = evaluate(sampleWaters()[0].input, 1);
    // Start from the equilibrium water itself: already within the tolerance.
    AnalysisInput atEquilibrium = sampleWaters()[0].input;
    atEquilibrium.dic = e.water.dicEq * 1000;
    atEquilibrium.mWert = e.water.mValueEq * 1000;
    atEquilibrium.totals[0] = e.water.caEq * 1000;
    const EngineState again = evaluate(atEquilibrium, 7);
    EXPECT_LT(std::fabs(again.results[1][slot::si]), 0.0004);
    EXPECT_GT(again.water.caStep * again.water.caStep, 0.0);
    EXPECT_NE(again.water.caStep, 0.3); // the 30 % step overshot and the search turned back
    EXPECT_LT(std::fabs(assessCalcite(again.results).dissolutionCapacity), 0.001);
}

TEST(Calcite, VerdictThresholdsBelongToTheirSide) {
    struct Case {
        double caChangeMmol;
        const char* verdict;
    };
    const Case cases[] = {
        {0.001, "Das Wasser ist calcitlösend"},
        {0.0011, "Das Wasser ist calcitlösend"},
        {0.0009, "Das Wasser befindet sich im Gleichgewicht"},
        {0.0, "Das Wasser befindet sich im Gleichgewicht"},
        {-0.0009, "Das Wasser befindet sich im Gleichgewicht"},
        {-0.001, "Das Wasser ist calcitabscheidend"},
        {-0.5, "Das Wasser ist calcitabscheidend"},
    };
    for (const Case& c : cases) {
        ResultArea area;
        area[1][slot::caTotal] = 0.0;
        area[3][slot::caTotal] = c.caChangeMmol / 1000;
        area[1][slot::pH] = 7.5;
        area[3][slot::pH] = 7.25;
        const CalciteAssessment assessment = assessCalcite(area);
        EXPECT_EQ(assessment.verdict, c.verdict) << "D = " << c.caChangeMmol;
        EXPECT_EQ(assessment.phDifference, 0.25);
    }
}
