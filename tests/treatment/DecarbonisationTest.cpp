#include "treatment/Decarbonisation.h"

#include "treatment/TreatedWater.h"
#include "TreatmentWaters.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct Decarbonised {
    WaterState before;
    DecarbonisationRun run;
    EngineState engine;
    int questions = 0;
};

Decarbonised decarbonised(const WaterWindowData& source, DecarbonisationAgent agent, double residual,
                          bool goOn = true) {
    Decarbonised d;
    loadWaterToTreat(source, d.engine.water);
    d.before = d.engine.water;
    d.run = decarbonise(d.engine.water, agent, residual, [&d, goOn] {
        ++d.questions;
        return goOn;
    });
    if (d.run.succeeded)
        solveTreatedWater(d.engine);
    return d;
}

TEST(DecarbonisationTest, AcidsMeetTheResidualAndBringTheirAnion) {
    for (const DecarbonisationAgent agent : {DecarbonisationAgent::Hcl, DecarbonisationAgent::H2so4}) {
        SCOPED_TRACE(int(agent));
        const Decarbonised d = decarbonised(test::evaluatedWater(), agent, 1.0);
        ASSERT_TRUE(d.run.succeeded);
        EXPECT_LT(d.run.passes, maxAcidPasses);
        const WaterState& w = d.engine.water;
        EXPECT_NEAR(d.engine.results[1][slot::hco3], 1e-3, residualTolerance);
        const double fall = d.before.mValue - w.mValue;
        if (agent == DecarbonisationAgent::Hcl) {
            EXPECT_NEAR(w.clTotal - d.before.clTotal, fall, 1e-17);
            EXPECT_NEAR(d.run.dose, (w.clTotal - d.before.clTotal) * 1000, 1e-15);
        } else {
            EXPECT_NEAR(w.so4Total - d.before.so4Total, fall / 2, 1e-17);
            EXPECT_NEAR(d.run.dose, (w.so4Total - d.before.so4Total) * 1000, 1e-15);
        }
        EXPECT_EQ(w.dic, d.before.dic);
        EXPECT_EQ(d.questions, 0);
    }
}

TEST(DecarbonisationTest, LimeDissolvesUntilSaturatedThenPrecipitatesCalcite) {
    const Decarbonised d = decarbonised(test::evaluatedWater(), DecarbonisationAgent::Lime, 1.0);
    ASSERT_TRUE(d.run.succeeded);
    const double hco3 = d.engine.results[1][slot::hco3];
    EXPECT_LT(hco3, 1e-3);
    EXPECT_GT(hco3, 1e-3 - 1e-6);
    // Calcium precipitated as carbonate: the water lost calcium, m-value and DIC, two to one.
    const WaterState& w = d.engine.water;
    EXPECT_LT(w.caTotal, d.before.caTotal);
    EXPECT_GT(d.run.dose, 0.0);
    EXPECT_EQ(w.mgTotal, d.before.mgTotal);
    EXPECT_EQ(d.questions, 0);
}

TEST(DecarbonisationTest, MagnesiumReactsOnlyAfterBothQuestions) {
    const Decarbonised yes = decarbonised(test::magnesiumWater(), DecarbonisationAgent::Lime, 1.0);
    EXPECT_TRUE(yes.run.succeeded);
    EXPECT_EQ(yes.questions, 1);
    EXPECT_LT(yes.engine.water.mgTotal, yes.before.mgTotal);
    EXPECT_GT(yes.engine.water.mgTotal, 0.0);
    EXPECT_NEAR(yes.engine.results[1][slot::hco3], 1e-3, 1e-6);

    const Decarbonised no = decarbonised(test::magnesiumWater(), DecarbonisationAgent::Lime, 1.0, false);
    EXPECT_FALSE(no.run.succeeded);
    EXPECT_EQ(no.questions, 1);
}

TEST(DecarbonisationTest, LimeStopsWhenTheMagnesiumIsUsedUp) {
    // Too little magnesium for the residual: the lime stops, successfully, above it, with no negative
    // magnesium.
    const WaterWindowData water =
        test::waterOf({7.5, 12, 6.0, 20, 0.3, 20, 0, 0, 10, 900, {0.2, 2.0, 1.0, 0.1, 0.5, 0.1, 1.0}});
    const Decarbonised d = decarbonised(water, DecarbonisationAgent::Lime, 0.5);
    EXPECT_TRUE(d.run.succeeded);
    EXPECT_GT(d.engine.results[1][slot::hco3], 1e-3);
    EXPECT_GE(d.engine.water.mgTotal, 0.0);
}

TEST(DecarbonisationTest, Remarks) {
    EXPECT_EQ(decarbonisationRemark(DecarbonisationAgent::Lime, 2.5).toStdString(),
              "Entcarb. mit Ca(OH)2; theor. Zugabe: 2.500 mmol/l");
    EXPECT_EQ(decarbonisationRemark(DecarbonisationAgent::Hcl, 0.1234).toStdString(),
              "Entcarb. mit HCl; theor. Zugabe: 0.123 mmol/l");
    EXPECT_EQ(decarbonisationRemark(DecarbonisationAgent::H2so4, 1).toStdString(),
              "Entcarb. mit H2SO4; theor. Zugabe: 1.000 mmol/l");
}

} // namespace
} // namespace velmora
