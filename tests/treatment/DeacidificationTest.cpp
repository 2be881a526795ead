#include "treatment/Deacidification.h"

#include "treatment/TreatedWater.h"
#include "TreatmentWaters.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct Deacidified {
    WaterState before;
    DeacidificationRun run;
    EngineState engine;
};

Deacidified deacidified(const WaterWindowData& source, DeacidificationMethod method, double target,
                        int trackBarPosition = -1) {
    Deacidified d;
    loadWaterToTreat(source, d.engine.water);
    d.before = d.engine.water;
    d.run = deacidify(d.engine.water, method, target, iterationInterval(trackBarPosition));
    if (d.run.converged)
        solveTreatedWater(d.engine);
    return d;
}

TEST(DeacidificationTest, EveryMethodReachesTheTargetAndCountsItsMaterial) {
    const WaterWindowData water = test::surfaceWater(); // SI -0.033 at 20 °C
    struct Case {
        DeacidificationMethod method;
        double calcium, magnesium, sodium, dic; // shares of the m-value's rise
        double WaterState::*countedBy;
        double factor;
    };
    const Case cases[] = {
        {DeacidificationMethod::Lime, 0.5, 0, 0, 0, &WaterState::caTotal, 1000},
        {DeacidificationMethod::CausticSoda, 0, 0, 1, 0, &WaterState::naTotal, 1000},
        {DeacidificationMethod::CalciumCarbonate, 0.5, 0, 0, 0.5, &WaterState::caTotal, 1000},
        {DeacidificationMethod::Dolomite, 0.25, 0.25, 0, 0.25, &WaterState::caTotal, 500},
        {DeacidificationMethod::Magnesia, 0, 0.5, 0, 0.5, &WaterState::mgTotal, 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.method));
        const Deacidified d = deacidified(water, c.method, 0.0);
        ASSERT_TRUE(d.run.converged);
        EXPECT_LT(std::fabs(d.engine.results[1][slot::si]), deacidificationSiTolerance);
        const WaterState& w = d.engine.water;
        const double rise = w.mValue - d.before.mValue;
        EXPECT_GT(rise, 0.0);
        EXPECT_NEAR(w.caTotal - d.before.caTotal, c.calcium * rise, 1e-17);
        EXPECT_NEAR(w.mgTotal - d.before.mgTotal, c.magnesium * rise, 1e-17);
        EXPECT_NEAR(w.naTotal - d.before.naTotal, c.sodium * rise, 1e-17);
        EXPECT_NEAR(w.dic - d.before.dic, c.dic * rise, 1e-17);
        EXPECT_EQ(d.run.consumption, (w.*c.countedBy - d.before.*c.countedBy) * c.factor);
        EXPECT_EQ(d.engine.lastMethod, 7);
    }
}

TEST(DeacidificationTest, AerationRemovesCarbonDioxideOnly) {
    const Deacidified d = deacidified(test::evaluatedWater(), DeacidificationMethod::Aeration, 0.0);
    ASSERT_TRUE(d.run.converged);
    EXPECT_LT(std::fabs(d.engine.results[1][slot::si]), deacidificationSiTolerance);
    EXPECT_LT(d.engine.water.dic, d.before.dic);
    EXPECT_EQ(d.engine.water.mValue, d.before.mValue);
    for (double WaterState::*total : totalFields)
        EXPECT_EQ(d.engine.water.*total, d.before.*total);
    EXPECT_EQ(d.run.consumption, 0.0);
}

TEST(DeacidificationTest, ATargetEqualToTheWatersIndexStepsAwayAndBack) {
    const WaterWindowData water = test::evaluatedWater();
    const Deacidified d = deacidified(water, DeacidificationMethod::Lime, water.slots[1][slot::si]);
    ASSERT_TRUE(d.run.converged);
    EXPECT_GT(d.run.steps, 1);
    EXPECT_LT(std::fabs(d.engine.results[1][slot::si] - water.slots[1][slot::si]),
              deacidificationSiTolerance);
}

TEST(DeacidificationTest, TheIntervalDecidesWhetherASoftWaterConverges) {
    const WaterWindowData soft = test::softWater();
    const Deacidified small = deacidified(soft, DeacidificationMethod::Lime, 0.0, 0);
    EXPECT_FALSE(small.run.converged);
    EXPECT_EQ(small.run.steps, maxDeacidificationSteps);
    const Deacidified normal = deacidified(soft, DeacidificationMethod::Lime, 0.0, -1);
    EXPECT_TRUE(normal.run.converged);
    EXPECT_EQ(iterationInterval(-2), 100000);
    EXPECT_EQ(iterationInterval(-1), 10000);
    EXPECT_EQ(iterationInterval(0), 1000);
}

TEST(DeacidificationTest, Remarks) {
    const char* const remarks[] = {
        "Ents. mit Weißkalkhydrat Ca(OH)2, theor. Verbrauch: 0.125 mmol/l",
        "Ents. mit Natronlauge NaOH, theor. Verbrauch: 0.125 mmol/l",
        "Ents. mit Calciumcarbonat CaCO3, theor. Verbrauch: 0.125 mmol/l",
        "Ents. mit Dolom. Filtermat CaCO3*MgO, theor. Verbrauch: 0.125 mmol/l",
        "Ents. mit Magnesit MgO+Mg(OH)2, theor. Verbrauch: 0.125 mmol/l",
        "Ents. mit Verrieselung in Luft",
    };
    for (int method = 0; method < deacidificationMethodCount; ++method)
        EXPECT_EQ(deacidificationRemark(DeacidificationMethod(method), 0.125).toStdString(), remarks[method]);
}

} // namespace
} // namespace velmora
