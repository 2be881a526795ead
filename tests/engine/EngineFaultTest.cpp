#include "engine/EngineError.h"
#include "Waters.h"

#include <cfenv>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace velmora;
using velmora::test::evaluate;
using velmora::test::sampleWaters;

TEST(EngineFaults, WaterWithoutCalciumCannotBeJudged) {
    AnalysisInput water = sampleWaters()[0].input;
    water.totals[0] = 0.0;
    EngineState e;
    storeAnalysisInput(e.water, water, 1);
    EXPECT_THROW(runEngine(e, 1), EngineError);
}

TEST(EngineFaults, NonFiniteInputFailsInsteadOfFillingSlots) {
    EngineState e;
    storeAnalysisInput(e.water, sampleWaters()[0].input, 7);
    e.water.dic = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(runEngine(e, 7), EngineError);
}

TEST(EngineFaults, FlagsRaisedBeforeARunDoNotFailIt) {
    std::feraiseexcept(FE_DIVBYZERO | FE_INVALID);
    EngineState e;
    storeAnalysisInput(e.water, sampleWaters()[0].input, 1);
    EXPECT_NO_THROW(runEngine(e, 1));
}

TEST(EngineFaults, AFailedRunLeavesTheNextOneUnharmed) {
    AnalysisInput noCalcium = sampleWaters()[0].input;
    noCalcium.totals[0] = 0.0;
    EngineState e;
    storeAnalysisInput(e.water, noCalcium, 1);
    EXPECT_THROW(runEngine(e, 1), EngineError);

    const EngineState fresh = evaluate(sampleWaters()[0].input, 1);
    storeAnalysisInput(e.water, sampleWaters()[0].input, 1);
    ASSERT_NO_THROW(runEngine(e, 1));
    EXPECT_NEAR(e.results[1][slot::pH], fresh.results[1][slot::pH], 1e-9);
}
