#include "engine/Solver.h"

#include "engine/EngineError.h"
#include "engine/EngineSteps.h"
#include "Near.h"
#include "Waters.h"

#include <gtest/gtest.h>

using namespace velmora;
using velmora::test::evaluate;
using velmora::test::isNear;
using velmora::test::sampleWaters;
using velmora::test::Tolerance;

namespace {

class EveryWaterAndMethod : public ::testing::TestWithParam<int> {};

// Species of one element summed over the slot, relative to its total. The five fixed speciation rounds
// leave a trace of imbalance in waters of high ionic strength.
double relativeImbalance(const ResultSlot& s, std::initializer_list<slot::Position> species,
                         slot::Position total) {
    double sum = 0.0;
    for (slot::Position p : species)
        sum += s[p];
    return (sum - s[total]) / s[total];
}

} // namespace

TEST_P(EveryWaterAndMethod, SpeciationConservesEveryTotalAndTheAlkalinity) {
    const int method = GetParam();
    for (const auto& water : sampleWaters()) {
        SCOPED_TRACE(water.name);
        const EngineState e = evaluate(water.input, method);
        for (int number = 1; number <= 3; ++number) {
            const ResultSlot& s = e.results[number];
            SCOPED_TRACE("slot " + std::to_string(number));
            using namespace slot;
            EXPECT_TRUE(isNear("Ca balance", relativeImbalance(s, {caFree, caHco3, caCo3, caSo4}, caTotal), 0,
                               Tolerance::abs(1e-10)));
            EXPECT_TRUE(isNear("Mg balance", relativeImbalance(s, {mgFree, mgHco3, mgCo3, mgSo4}, mgTotal), 0,
                               Tolerance::abs(1e-10)));
            EXPECT_TRUE(isNear("SO4 balance", relativeImbalance(s, {so4Free, caSo4, mgSo4}, so4Total), 0,
                               Tolerance::abs(1e-10)));
            EXPECT_TRUE(isNear("DIC balance",
                               relativeImbalance(s, {co2, hco3, co3, caHco3, mgHco3, caCo3, mgCo3}, dic), 0,
                               Tolerance::abs(1e-10)));
            EXPECT_EQ(s[naFree], s[naTotal]);
            EXPECT_EQ(s[clFree], s[clTotal]);
        }
        // Slots 1 and 3 come from pH solves; slot 2 keeps the m-value of the analysed water.
        for (int number : {1, 3}) {
            const ResultSlot& s = e.results[number];
            const double residual = s[slot::mValue] - s[slot::dic] * s[slot::alkPerDic] - s[slot::ohMinusH];
            EXPECT_TRUE(isNear("alkalinity balance, mol/l", residual, 0.0, Tolerance::abs(1e-10)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Methods, EveryWaterAndMethod, ::testing::Values(1, 2, 3, 4, 5, 6, 7));

TEST(Solver, MethodsAgreeOnTheWaterTheyDescribe) {
    for (const auto& water : sampleWaters()) {
        SCOPED_TRACE(water.name);
        const EngineState byPhAndKs = evaluate(water.input, 1);

        AnalysisInput fromDicAndKs = water.input;
        fromDicAndKs.dic = byPhAndKs.water.dic * 1000;
        fromDicAndKs.ks43 = byPhAndKs.water.ks43 * 1000;
        const EngineState byDicAndKs = evaluate(fromDicAndKs, 4);

        AnalysisInput fromPhAndKb = water.input;
        fromPhAndKb.kb82 = byPhAndKs.water.kb82 * 1000;
        const EngineState byPhAndKb = evaluate(fromPhAndKb, 2);

        const double pH = byPhAndKs.results[1][slot::pH];
        // The pH solves stop at 1e-10 mol/l of alkalinity, which is up to some 1e-5 in the pH of a weakly
        // buffered water; a wrong step of a method shows in the second or third decimal.
        EXPECT_TRUE(isNear("pH at tb, method 4", byDicAndKs.results[1][slot::pH], pH, Tolerance::abs(1e-5)));
        EXPECT_TRUE(isNear("pHm, method 4", byDicAndKs.water.pHm, water.input.pHe, Tolerance::abs(1e-5)));
        EXPECT_TRUE(isNear("pH at tb, method 2", byPhAndKb.results[1][slot::pH], pH, Tolerance::abs(1e-5)));
        EXPECT_TRUE(
            isNear("KS(4,3), method 2", byPhAndKb.water.ks43 * 1000, water.input.ks43, Tolerance::rel(1e-4)));
    }
}

TEST(Solver, Method9RunsMethod7AndOnlyRecordsItsNumber) {
    const AnalysisInput water = sampleWaters()[2].input;
    const EngineState seven = evaluate(water, 7);
    const EngineState nine = evaluate(water, 9);
    for (int number = 1; number <= ResultArea::slotCount; ++number)
        EXPECT_EQ(seven.results[number], nine.results[number]) << "slot " << number;
    EXPECT_EQ(seven.lastMethod, 7);
    EXPECT_EQ(nine.lastMethod, 9);
}

TEST(Solver, GivenPhStaysAndComputedPhReplacesIt) {
    const AnalysisInput water = sampleWaters()[1].input;
    for (int method : {1, 2, 6})
        EXPECT_EQ(evaluate(water, method).water.pHm, water.pHe) << "method " << method;
    for (int method : {3, 4, 5, 7})
        EXPECT_NE(evaluate(water, method).water.pHm, water.pHe) << "method " << method;
}

TEST(Solver, Method6TakesTheAlkalinityOfTheGivenPh) {
    EngineState e;
    storeAnalysisInput(e.water, sampleWaters()[0].input, 6);
    runAlone(solveMethodSteps(e.water, 6));
    EXPECT_EQ(e.water.pHPoint1, 7.0);
    // The method moves on to the capacities; the m-value is what the one-point solve left.
    WaterState w = e.water;
    w.temp = w.tPh;
    w.pH = w.pHm;
    setPh(w);
    speciate(w);
    computeAlkalinityTerms(w);
    EXPECT_TRUE(
        isNear("m-value, mol/l", e.water.mValue, w.alkPerDic * w.dic + w.ohMinusH, Tolerance::rel(1e-6)));
}

TEST(Solver, SolvePhReportsAWaterWithoutRootBetween1And13) {
    EngineState e = evaluate(sampleWaters()[0].input, 7);
    WaterState w = e.water;
    w.mValue = -0.5; // more acid than pH 1 holds
    const SearchResult result = solvePh(w);
    EXPECT_FALSE(result.converged);
    EXPECT_GT(result.halvings, 40);
    EXPECT_LT(result.halvings, 200);
    EXPECT_NEAR(w.pH, 1.0, 1e-12);
}

TEST(Solver, EqualKnownPointsAreAClearError) {
    AnalysisInput water = sampleWaters()[0].input;
    water.pHe = 4.3;
    water.tpHe = water.tKs43;
    EngineState e;
    storeAnalysisInput(e.water, water, 1);
    try {
        runEngine(e, 1);
        FAIL() << "no error";
    } catch (const EngineError& error) {
        EXPECT_NE(std::string(error.what()).find("c(DIC)"), std::string::npos) << error.what();
    }
}

TEST(Solver, UnknownMethodsAreRejected) {
    EngineState e;
    storeAnalysisInput(e.water, sampleWaters()[0].input, 1);
    EXPECT_THROW(runEngine(e, 0), EngineError);
    EXPECT_THROW(runEngine(e, 8), EngineError);
}
