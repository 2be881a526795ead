#include "engine/Constants.h"

#include "engine/ActivityModel.h"
#include "engine/WaterState.h"
#include "Near.h"

#include <cfenv>
#include <gtest/gtest.h>

using velmora::WaterState;
using velmora::test::isNear;
using velmora::test::Tolerance;

namespace {

struct LgK {
    const char* name;
    double WaterState::*lgK;
    double WaterState::*k;
    double atReference; // A, lg K at 298.16 K
    double at10Celsius;
};

const LgK constants[] = {
    {"lgK1", &WaterState::lgK1, &WaterState::k1, -6.356, -6.4653},
    {"lgK2", &WaterState::lgK2, &WaterState::k2, -10.329, -10.4883},
    {"lgKsp", &WaterState::lgKsp, &WaterState::ksp, -8.481, -8.4073},
    {"lgKw", &WaterState::lgKw, &WaterState::kw, -13.996, -14.5353},
    {"lgKCaHco3", &WaterState::lgKCaHco3, &WaterState::kCaHco3, -1.212, -1.1382},
    {"lgKMgHco3", &WaterState::lgKMgHco3, &WaterState::kMgHco3, -1.068, -1.0007},
    {"lgKCaCo3", &WaterState::lgKCaCo3, &WaterState::kCaCo3, -3.2, -3.0514},
    {"lgKMgCo3", &WaterState::lgKMgCo3, &WaterState::kMgCo3, -2.947, -2.8313},
    {"lgKCaSo4", &WaterState::lgKCaSo4, &WaterState::kCaSo4, -2.31, -2.2515},
    {"lgKMgSo4", &WaterState::lgKMgSo4, &WaterState::kMgSo4, -2.265, -2.0831},
};

} // namespace

TEST(Constants, EqualTheirReferenceValuesAt29816Kelvin) {
    WaterState w{};
    w.temp = 298.16;
    velmora::computeConstants(w);
    for (const LgK& c : constants)
        EXPECT_TRUE(isNear(c.name, w.*c.lgK, c.atReference, Tolerance::abs(1e-12)));
}

TEST(Constants, MatchTheTableAt10Celsius) {
    WaterState w{};
    w.temp = 283.15;
    velmora::computeConstants(w);
    for (const LgK& c : constants)
        EXPECT_TRUE(isNear(c.name, w.*c.lgK, c.at10Celsius, Tolerance::abs(5e-5)));
}

TEST(Constants, ConditionalEqualThermodynamicWithoutIonicStrength) {
    WaterState w{};
    w.temp = 283.15;
    velmora::computeConstants(w);
    w.ionicStrength = 0.0;
    velmora::computeActivity(w);
    EXPECT_EQ(w.lgF1, 0.0);
    EXPECT_EQ(w.f1, 1.0);
    velmora::computeConditionalConstants(w);
    for (const LgK& c : constants)
        EXPECT_TRUE(isNear(c.name, w.*c.k, std::pow(10.0, w.*c.lgK), Tolerance::rel(1e-13)));
}

TEST(Constants, ChargeTermsShiftTheConditionalConstants) {
    WaterState w{};
    w.temp = 298.16;
    velmora::computeConstants(w);
    w.ionicStrength = 0.01;
    velmora::computeActivity(w);
    const double s = 0.1;
    EXPECT_TRUE(isNear("lgF1", w.lgF1, -0.5 * s / (1 + 1.4 * s), Tolerance::abs(1e-15)));
    velmora::computeConditionalConstants(w);
    EXPECT_TRUE(isNear("kw uncorrected", w.kw, std::pow(10.0, w.lgKw), Tolerance::rel(1e-13)));
    EXPECT_TRUE(isNear("k1, n = 1", std::log10(w.k1), w.lgK1 - w.lgF1, Tolerance::abs(1e-12)));
    EXPECT_TRUE(isNear("k2, n = 3", std::log10(w.k2), w.lgK2 - 3 * w.lgF1, Tolerance::abs(1e-12)));
    EXPECT_TRUE(
        isNear("kCaHco3, n = 4", std::log10(w.kCaHco3), w.lgKCaHco3 - 4 * w.lgF1, Tolerance::abs(1e-12)));
    EXPECT_TRUE(isNear("ksp, n = 8", std::log10(w.ksp), w.lgKsp - 8 * w.lgF1, Tolerance::abs(1e-12)));
}

TEST(ActivityModel, ConductivityEstimatesTheIonicStrength) {
    WaterState w{};
    w.k25 = 300.0;
    velmora::estimateIonicStrength(w);
    EXPECT_DOUBLE_EQ(w.ionicStrengthK25, 300.0 / 62000.0);
}

TEST(ActivityModel, IonicStrengthCountsTheImbalanceAsSinglyCharged) {
    WaterState w{};
    w.caFree = 1e-3; // 4 * 1e-3 / 2
    w.naFree = 2e-3; // 2e-3 / 2
    w.clFree = 1e-3; // 1e-3 / 2
    w.caCo3 = 5e-4;  // neutral pair: not counted
    velmora::computeIonSums(w);
    EXPECT_DOUBLE_EQ(w.cationSum, 4e-3);
    EXPECT_DOUBLE_EQ(w.anionSum, 1e-3);
    velmora::computeIonicStrength(w);
    EXPECT_TRUE(
        isNear("ionicStrength", w.ionicStrength, 2e-3 + 1e-3 + 0.5e-3 + 0.5 * 3e-3, Tolerance::rel(1e-14)));
}

// The constants of a temperature are kept for the next solve at it, but a temperature whose constants
// fault is computed, and faults, every time.
TEST(Constants, AreKeptForTheirTemperatureOnlyWhenFinite) {
    WaterState w{};
    w.temp = 283.15;
    velmora::computeConstants(w);
    const WaterState at10 = w;
    w.temp = 303.15;
    velmora::computeConstants(w);
    EXPECT_NE(w.lgK1, at10.lgK1);
    EXPECT_NE(w.thermodynamicK, at10.thermodynamicK);
    w.temp = 283.15;
    velmora::computeConstants(w);
    EXPECT_EQ(w.lgK1, at10.lgK1);
    EXPECT_EQ(w.thermodynamicK, at10.thermodynamicK);
    EXPECT_EQ(w.inverseThermodynamicK, at10.inverseThermodynamicK);

    w.temp = 0.0;
    for (int run = 0; run < 2; ++run) {
        std::feclearexcept(FE_ALL_EXCEPT);
        velmora::computeConstants(w);
        EXPECT_NE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0) << run;
    }
    std::feclearexcept(FE_ALL_EXCEPT);
}
