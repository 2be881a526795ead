#include "engine/EngineError.h"
#include "treatment/IonExchange.h"
#include "treatment/RapidDecarbonisation.h"

#include <cmath>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using T = SectionTable;
constexpr RapidInputs defaults{150, 15, 0.002, 0.003};

// ---- rapid decarbonisation

TEST(RapidDecarbonisationTest, DiametersFollowFromTheVelocities) {
    RapidInputs fast = defaults;
    fast.minimumTime = 1; // the fixed sections alone give more: one pass, A not widened
    const RapidDesign design = designRapidDecarbonisation(fast);
    EXPECT_EQ(design.passes, 1);
    const T& t = design.table;
    EXPECT_EQ(t.text(T::Diameter, T::A).toStdString(), "2600.00"); // r = 2.523 m, the next 100 mm above
    EXPECT_EQ(t.text(T::Diameter, T::C).toStdString(), "1500.00");
    EXPECT_EQ(t.text(T::Diameter, T::E).toStdString(), "270.00"); // r = 0.266 m, the nearest 10 mm
    EXPECT_EQ(t.text(T::Diameter, T::F).toStdString(), "500.00");
    EXPECT_EQ(t.text(T::Velocity, T::A).toStdString(), "28.25"); // from the rounded diameter
    EXPECT_EQ(t.text(T::Velocity, T::B).toStdString(), "-- --");
    EXPECT_EQ(t.text(T::Volume, T::E).toStdString(), "-- --");
    EXPECT_EQ(t.text(T::Time, T::E).toStdString(), "0.00");
    // The fixed sections exceed the minimum time: Δh is negative and A is lowered.
    EXPECT_LT(t.value(T::Height, T::A), 1500.0);
    EXPECT_EQ(std::fmod(t.value(T::Height, T::A), 100.0), 0.0);
}

TEST(RapidDecarbonisationTest, DefaultsWidenAUntilItsHeightFits) {
    EXPECT_NEAR(calciumExcessCorrelation(defaults), 0.5274, 1e-12);
    const RapidDesign design = designRapidDecarbonisation(defaults);
    const T& t = design.table;
    EXPECT_GT(design.passes, 1);
    EXPECT_GT(t.value(T::Diameter, T::A), 2600.0);
    EXPECT_EQ(std::fmod(t.value(T::Diameter, T::A), 100.0), 0.0);
    EXPECT_LE(t.value(T::Height, T::A), maxHeightOfA);
    EXPECT_GE(t.value(T::Time, T::Total), 15.0);
    // Every value is a text of two decimals, and the totals are the sums of those texts.
    double volume = 0;
    double time = 0;
    for (int section = T::A; section <= T::F; ++section) {
        volume += t.value(T::Volume, section);
        time += t.value(T::Time, section);
    }
    EXPECT_EQ(t.text(T::Volume, T::Total), QString::number(volume, 'f', 2));
    EXPECT_EQ(t.text(T::Time, T::Total), QString::number(time, 'f', 2));
}

TEST(RapidDecarbonisationTest, AFlowOfZeroOrBelowIsAnArithmeticFault) {
    for (double flow : {0.0, -10.0}) {
        RapidInputs bad = defaults;
        bad.flow = flow;
        EXPECT_THROW(designRapidDecarbonisation(bad), EngineError) << flow;
    }
}

TEST(SectionTableTest, ReadsTheNumberAtTheStartOfACell) {
    EXPECT_EQ(leadingNumber(QStringLiteral("1500.00")), 1500.0);
    EXPECT_EQ(leadingNumber(QStringLiteral("-- --")), 0.0);
    EXPECT_EQ(leadingNumber(QString()), 0.0);
    EXPECT_EQ(leadingNumber(QStringLiteral("12.5 mm")), 12.5);
    EXPECT_EQ(leadingNumber(QStringLiteral("-3.25x")), -3.25);
    EXPECT_EQ(leadingNumber(QStringLiteral("7.")), 7.0);
}

// ---- H-decarbonisation

TEST(HDecarbonisationTest, DefaultsDesignAColumn) {
    const HDecarbonisationDesign d = designHDecarbonisation(0.003, 50, 48, false);
    EXPECT_EQ(d.water, 2400.0);
    EXPECT_NEAR(d.load, 7200.0, 1e-9);
    // The capacity is the one the last volume was computed from.
    EXPECT_NEAR(d.exchangerVolume, d.load / d.capacity / 1000.0, 1e-12);
    EXPECT_NEAR(d.specificFlow, 50 / d.exchangerVolume, 1e-12);
    EXPECT_NEAR(d.x, 0.003 * d.specificFlow, 1e-15);
    const double x = d.x;
    const double next = -269.792 * x * x * x * x + 192.739 * x * x * x - 27.4184 * x * x - 6.67 * x + 2.4;
    EXPECT_LT(std::fabs(next - d.capacity), 1e-5);
    // A whole number of decimetres, strictly above the diameter of a 1.5 m bed, or widened to 40 m/h.
    const Column& c = d.column;
    EXPECT_NEAR(c.diameter * 10, std::round(c.diameter * 10), 1e-9);
    EXPECT_LE(c.velocity, 40.0);
    EXPECT_NEAR(c.area, M_PI * c.diameter * c.diameter / 4, 1e-12);
    EXPECT_NEAR(c.height, d.exchangerVolume / c.area, 1e-12);
    EXPECT_NEAR(c.height2, std::round(2 * c.height * 10) / 10, 1e-9);
}

TEST(HDecarbonisationTest, TheColumnRoundsUpAndWidensForVelocity) {
    // An area whose diameter is exactly 2.0 m gives 2.1 m.
    const double volume = 1.5 * M_PI; // A = π m², √(4A/π) = 2
    EXPECT_NEAR(designColumn(volume, 10).diameter, 2.1, 1e-12);
    // 500 m³/h through that bed would be far above 40 m/h: the area becomes Q/40 first.
    const Column wide = designColumn(volume, 500);
    EXPECT_GT(wide.diameter, 2.1);
    EXPECT_LE(wide.velocity, 40.0);
}

TEST(HDecarbonisationTest, OptimisationLengthensTheRunAndLowersTheFlow) {
    const HDecarbonisationDesign normal = designHDecarbonisation(0.003, 50, 4, false);
    ASSERT_GT(normal.specificFlow, 30.0);
    EXPECT_EQ(normal.time, 4.0);
    const HDecarbonisationDesign optimised = designHDecarbonisation(0.003, 50, 4, true);
    EXPECT_LE(optimised.specificFlow, 30.0);
    EXPECT_GT(optimised.time, 4.0);
    EXPECT_EQ(optimised.time, std::round(optimised.time)); // whole hours
    EXPECT_EQ(optimised.flow, 50.0);

    const HDecarbonisationDesign big = designHDecarbonisation(0.003, 1000, 48, true);
    EXPECT_LE(big.column.diameter, 3.6);
    EXPECT_LT(big.flow, 1000.0);
    const double steps = std::log(big.flow / 1000.0) / std::log(0.95);
    EXPECT_NEAR(steps, std::round(steps), 1e-9); // 5 % at a time
}

TEST(HDecarbonisationTest, NoHydrogencarbonateIsTakenAs191) {
    EXPECT_EQ(designHDecarbonisation(0, 50, 48, false).c0, 0.00191);
    EXPECT_EQ(designHDecarbonisation(1e-7, 50, 48, false).c0, 0.00191);
}

// ---- softening

TEST(SofteningTest, TheSodiumIsLimitedAndTheLevelKeptInRange) {
    const SofteningDesign d = designSoftening(7, 20, 8, 0.01, 2);
    EXPECT_EQ(d.sodium, 2.1);
    EXPECT_EQ(d.residual, 0.01); // G ≈ 180 already lies in range
    EXPECT_NEAR(d.level, 4.21 * std::pow(0.01, -0.815), 2.0);
    EXPECT_GE(d.level, 100.0);
    EXPECT_LE(d.level, 300.0);
    EXPECT_EQ(designSoftening(7, 20, 8, 0.01, 70).sodium, 50.0);
    EXPECT_EQ(designSoftening(7, 20, 8, 0.01, 0).sodium, 2.1);
    EXPECT_EQ(designSoftening(7, 20, 8, 0.01, 100).sodium, 2.1);
    EXPECT_EQ(designSoftening(0, 20, 8, 0.01, 2).hardness, 0.006);

    const SofteningDesign tiny = designSoftening(7, 20, 8, 0.0001, 2.1);
    EXPECT_GT(tiny.residual, 0.0001);
    EXPECT_LE(tiny.level, 300.0);
    EXPECT_GE(tiny.level, 100.0);
}

TEST(SofteningTest, TheAdjustmentKeepsTheColumnWithinItsLimits) {
    const SofteningDesign d = designSoftening(7, 400, 8, 0.01, 2);
    EXPECT_LE(d.column.diameter, 3.6);
    EXPECT_LE(d.column.velocity, 40.0);
    EXPECT_LE(d.specificFlow, 40.0);
    const double steps = std::log(d.flow / 400.0) / std::log(0.98);
    EXPECT_NEAR(steps, std::round(steps), 1e-9); // 2 % at a time
    EXPECT_NEAR(d.water, d.flow * d.time, 1e-9);
}

TEST(SofteningTest, ZeroFlowTimeOrResidualIsAnArithmeticFault) {
    EXPECT_THROW(designSoftening(7, 0, 8, 0.01, 2), EngineError);
    EXPECT_THROW(designSoftening(7, 20, 0, 0.01, 2), EngineError);
    EXPECT_THROW(designSoftening(7, 20, 8, 0, 2), EngineError);
}

} // namespace
} // namespace velmora
