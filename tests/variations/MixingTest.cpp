#include "variations/Mixing.h"

#include "engine/Engine.h"
#include "Near.h"
#include "VariationSamples.h"

#include <gtest/gtest.h>

using namespace velmora;
using test::isNear;
using test::Tolerance;

namespace {

const WaterWindowData groundwater = test::evaluatedWater(1, 10);
const WaterWindowData surface = test::surfaceWater(20);

double caOfRow(const MixingRecords& records, std::size_t row) {
    return records.mixture.rows[row][slot::caTotal];
}

// The calcium of a mixture with `shareA` of the groundwater.
double mixedCa(double shareA) {
    return shareA * groundwater.totals[0] + (1 - shareA) * surface.totals[0];
}

} // namespace

TEST(MixingSeries, RowsGoInTenthsOfTheRangeFromWaterBToWaterA) {
    const MixingRecords rising = test::mixingSeries(0, 100);
    EXPECT_EQ(caOfRow(rising, 0), surface.totals[0]); // pure water B
    for (std::size_t row = 0; row < VariationRecord::rowCount; ++row)
        EXPECT_TRUE(isNear("c(Ca) of row " + std::to_string(row), caOfRow(rising, row), mixedCa(row / 10.0),
                           Tolerance::rel(1e-12)));
    EXPECT_EQ(rising.mixture.rangeStart, 0.0);
    EXPECT_EQ(rising.mixture.rangeEnd, 100.0);

    const MixingRecords falling = test::mixingSeries(80, 20);
    for (std::size_t row = 0; row < VariationRecord::rowCount; ++row)
        EXPECT_TRUE(isNear("falling row " + std::to_string(row), caOfRow(falling, row),
                           mixedCa(0.8 - 0.06 * row), Tolerance::rel(1e-12)));

    const MixingRecords constant = test::mixingSeries(30, 30);
    for (std::size_t row = 1; row < VariationRecord::rowCount; ++row)
        EXPECT_EQ(constant.mixture.rows[row], constant.mixture.rows[0]);
}

TEST(MixingSeries, EveryQuantityIsMixedAndTheStateSolvedAgain) {
    const MixingRecords records = test::mixingSeries(50, 50);
    const ResultSlot& row = records.mixture.rows[0];
    // 10 °C and 20 °C in equal shares, and the pH values likewise, before the engine recomputes.
    EXPECT_TRUE(isNear("tb", row[slot::tEval], 288.15, Tolerance::abs(1e-9)));
    EXPECT_TRUE(isNear("mixed pH", records.mixture.inputs.pHm, (groundwater.pHm + surface.pHm) / 2,
                       Tolerance::abs(1e-12)));
    EXPECT_TRUE(isNear("rho(O2)", records.mixture.inputs.o2Mass, (8.5 + 10.2) / 2, Tolerance::abs(1e-12)));
    EXPECT_TRUE(isNear("m-value of the row", row[slot::mValue], (groundwater.mValue + surface.mValue) / 2,
                       Tolerance::rel(1e-9)));
    EXPECT_NE(row[slot::pH], records.mixture.inputs.pHm); // the pH at tb comes from the engine

    // The sources keep their 19 quantities; the mixture keeps water B's results and method.
    VariationRecord a;
    a.takeInputsOf(groundwater);
    EXPECT_EQ(records.waterA.inputs.mixed(), a.inputs.mixed());
    VariationRecord b;
    b.takeInputsOf(surface);
    EXPECT_EQ(records.waterB.inputs.mixed(), b.inputs.mixed());
    EXPECT_EQ(records.waterA.inputs.sourceResults, (std::array<double, 4>{}));
    EXPECT_EQ(records.mixture.inputs.sourceResults, b.inputs.sourceResults);
    EXPECT_EQ(records.mixture.inputMethod, surface.method);
    EXPECT_EQ(records.mixture.header, test::seriesHeader);
}

TEST(FixedRatioMixture, SharesAreRelative) {
    const auto mix = [](double first, double second) {
        EngineState engine;
        VariationRecord mixture;
        mixFixedRatio(engine, mixture, {{first, &groundwater}, {second, &surface}});
        return engine;
    };
    const EngineState quarter = mix(1, 3);
    const EngineState percent = mix(25, 75);
    EXPECT_EQ(quarter.lastMethod, 9);
    EXPECT_TRUE(isNear("c(Ca)", quarter.water.caTotal, mixedCa(0.25), Tolerance::rel(1e-12)));
    for (std::size_t i = 0; i < quarter.results[1].size(); ++i)
        EXPECT_TRUE(isNear("slot 1 position " + std::to_string(i), percent.results[1][i],
                           quarter.results[1][i], Tolerance{1e-15, 1e-9}));

    const EngineState halves = mix(1, 1);
    EXPECT_TRUE(isNear("tb", halves.water.tEval, 288.15, Tolerance::abs(1e-9)));

    // A share of 0 adds nothing.
    const EngineState alone = mix(0, 5);
    EXPECT_TRUE(isNear("c(Ca) alone", alone.water.caTotal, surface.totals[0], Tolerance::rel(1e-15)));
}
