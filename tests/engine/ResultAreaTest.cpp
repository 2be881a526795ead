#include "engine/ResultArea.h"

#include "engine/WaterState.h"
#include "Near.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace velmora;
using velmora::test::isNear;
using velmora::test::Tolerance;

namespace {

// A water whose every field has its own value, so that a field stored at a wrong position shows.
WaterState numberedWater() {
    WaterState w{};
    double* fields = reinterpret_cast<double*>(&w);
    for (std::size_t i = 0; i < sizeof(WaterState) / sizeof(double); ++i)
        fields[i] = 1.0 + 0.001 * double(i);
    w.reserved34 = 0.0;
    return w;
}

} // namespace

TEST(ResultArea, SaveWritesEachFieldAtItsPositionAndLoadRestoresThem) {
    const WaterState original = numberedWater();
    ResultArea area;
    saveSlot(original, area, 2);
    EXPECT_EQ(area[2][slot::co2], original.co2);
    EXPECT_EQ(area[2][slot::clFree], original.clFree);
    EXPECT_EQ(area[2][slot::caTotal], original.caTotal);
    EXPECT_EQ(area[2][slot::ionicStrength], original.ionicStrength);
    EXPECT_EQ(area[2][slot::pH], original.pH);
    EXPECT_EQ(area[2][slot::f1], original.f1);
    EXPECT_EQ(area[2][slot::tEval], original.tEval);
    EXPECT_EQ(area[2][slot::reserved34], 0.0);
    EXPECT_EQ(area[2][slot::ionicStrengthK25], original.ionicStrengthK25);

    WaterState loaded{};
    loadSlot(loaded, area, 2);
    ResultArea again;
    saveSlot(loaded, again, 2);
    for (std::size_t pos = 0; pos < slot::totalHardness; ++pos)
        EXPECT_EQ(again[2][pos], area[2][pos]) << "slot position " << pos;
    // The computed positions are not loaded back.
    EXPECT_EQ(loaded.ionicStrengthK25, 0.0);
    EXPECT_EQ(area[1], ResultSlot{});
    EXPECT_EQ(area[11], ResultSlot{});
}

TEST(ResultArea, ComputesHardnessAndIonBalance) {
    WaterState w{};
    w.caTotal = 1e-3;
    w.mgTotal = 1e-3;
    w.hco3 = 1e-3;
    w.anionSum = 5e-3;
    w.cationSum = 4e-3;
    ResultArea area;
    saveSlot(w, area, 1);
    EXPECT_TRUE(isNear("total hardness, °dH", area[1][slot::totalHardness], 11.2, Tolerance::abs(1e-12)));
    EXPECT_TRUE(
        isNear("carbonate hardness, °dH", area[1][slot::carbonateHardness], 2.8, Tolerance::abs(1e-12)));
    EXPECT_TRUE(isNear("ion balance, eq/l", area[1][slot::ionBalance], 1e-3, Tolerance::abs(1e-15)));
    EXPECT_TRUE(
        isNear("ion balance error, %", area[1][slot::ionBalanceError], 100.0 / 9.0, Tolerance::abs(1e-12)));
}

TEST(ResultArea, SlotNumbersOutsideOneToElevenAreRejected) {
    ResultArea area;
    EXPECT_THROW(area[0], std::out_of_range);
    EXPECT_THROW(area[12], std::out_of_range);
}
