#include "treatment/Dosing.h"

#include "treatment/TreatedWater.h"
#include "TreatmentWaters.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The dosed water after its full solve, with the totals before and after.
struct Dosed {
    WaterState before;
    EngineState engine;
};

Dosed dosedToPh(const WaterWindowData& source, Chemical chemical, double cx, double targetPh, DoseToPh& run) {
    Dosed dosed;
    loadWaterToTreat(source, dosed.engine.water);
    dosed.before = dosed.engine.water;
    run = doseToPh(dosed.engine.water, chemical, cx, targetPh);
    if (run.dose)
        solveTreatedWater(dosed.engine);
    return dosed;
}

TEST(DosingTest, EachChemicalReachesTheWantedPhAtTbAndBringsItsIon) {
    const WaterWindowData water = test::evaluatedWater(); // pH 7.21, tb 10 °C
    struct Case {
        Chemical chemical;
        double targetPh;
    };
    for (const Case c : {Case{Chemical::Hcl, 6.5}, Case{Chemical::H2so4, 4.0}, Case{Chemical::Co2, 7.0},
                         Case{Chemical::Naoh, 8.5}, Case{Chemical::Koh, 10.0}, Case{Chemical::CaOh2, 13.0}}) {
        SCOPED_TRACE(int(c.chemical));
        DoseToPh run;
        const double cx = 0.5;
        const Dosed d = dosedToPh(water, c.chemical, cx, c.targetPh, run);
        ASSERT_TRUE(run.dose);
        EXPECT_LT(run.passes, maxDosingPasses);
        const ResultSlot& atTb = d.engine.results[1];
        EXPECT_LT(std::fabs(atTb[slot::pH] - c.targetPh), dosingPhTolerance);

        const WaterState& w = d.engine.water;
        const double fall = d.before.mValue - w.mValue;
        const auto rise = [&](double WaterState::*total) {
            return w.*total - d.before.*total;
        };
        switch (c.chemical) {
        case Chemical::Hcl:
            EXPECT_NEAR(rise(&WaterState::clTotal), fall, 1e-17);
            EXPECT_NEAR(*run.dose, rise(&WaterState::clTotal) / cx * 1000, 1e-12);
            break;
        case Chemical::H2so4:
            EXPECT_NEAR(rise(&WaterState::so4Total), fall / 2, 1e-17);
            EXPECT_NEAR(*run.dose, rise(&WaterState::so4Total) / cx * 1000, 1e-12);
            break;
        case Chemical::Co2:
            EXPECT_EQ(fall, 0.0);
            EXPECT_GT(rise(&WaterState::dic), 0.0);
            EXPECT_NEAR(*run.dose, rise(&WaterState::dic) * 1000, 1e-12);
            break;
        case Chemical::Naoh:
            EXPECT_NEAR(rise(&WaterState::naTotal), -fall, 1e-17);
            break;
        case Chemical::Koh:
            EXPECT_NEAR(rise(&WaterState::kTotal), -fall, 1e-17);
            break;
        case Chemical::CaOh2:
            EXPECT_NEAR(rise(&WaterState::caTotal), -fall / 2, 1e-17);
            EXPECT_NEAR(*run.dose, rise(&WaterState::caTotal) / cx * 1000, 1e-12);
            break;
        }
        // The treated water's conductivity is the one its species give, in every state.
        for (int number = 1; number <= 3; ++number)
            EXPECT_EQ(d.engine.results[number][slot::ionicStrengthK25],
                      d.engine.results[number][slot::ionicStrength]);
        EXPECT_EQ(d.engine.lastMethod, 7);
    }
}

TEST(DosingTest, WorksOnThePhAtTbNotTheMeasuredPh) {
    // Measured at 11.4 °C, judged at 30 °C: the wanted pH is reached at tb.
    const WaterWindowData warm = test::evaluatedWater(1, 30);
    DoseToPh run;
    const Dosed d = dosedToPh(warm, Chemical::Hcl, 1, warm.pHm, run);
    ASSERT_TRUE(run.dose);
    EXPECT_LT(std::fabs(d.engine.results[1][slot::pH] - warm.pHm), dosingPhTolerance);
    EXPECT_GT(std::fabs(d.engine.water.pHm - warm.pHm), 0.01);
}

TEST(DosingTest, GivesUpAfter160Passes) {
    DoseToPh run;
    dosedToPh(test::acidicWater(), Chemical::CaOh2, 1, 10.02, run);
    EXPECT_FALSE(run.dose);
    EXPECT_EQ(run.passes, maxDosingPasses);
}

TEST(DosingTest, AnAmountChangesTheTotalsAsItsChemicalDoes) {
    // 2 ml/l of a 0.5 mol/l solution: 1 mmol/l of HCl, NaOH or KOH, 2 meq/l of H2SO4 or lime.
    struct Case {
        Chemical chemical;
        double WaterState::*total;
        double totalRise; // mol/l
        double mRise;     // mol/l
    };
    const Case cases[] = {
        {Chemical::Hcl, &WaterState::clTotal, 1e-3, -1e-3},
        {Chemical::H2so4, &WaterState::so4Total, 1e-3, -2e-3},
        {Chemical::Co2, &WaterState::dic, 2e-3, 0},
        {Chemical::Naoh, &WaterState::naTotal, 1e-3, 1e-3},
        {Chemical::Koh, &WaterState::kTotal, 1e-3, 1e-3},
        {Chemical::CaOh2, &WaterState::caTotal, 1e-3, 2e-3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.chemical));
        WaterState w{};
        loadWaterToTreat(test::evaluatedWater(), w);
        const WaterState before = w;
        doseAmount(w, c.chemical, 2, 0.5); // CO2: 2 mmol/l, the concentration unused
        EXPECT_NEAR(w.*c.total - before.*c.total, c.totalRise, 1e-18);
        EXPECT_NEAR(w.mValue - before.mValue, c.mRise, 1e-18);
    }
    WaterState w{};
    loadWaterToTreat(test::evaluatedWater(), w);
    const WaterState before = w;
    doseAmount(w, Chemical::Naoh, 2, 0); // a concentration of 0 adds nothing
    EXPECT_EQ(w.naTotal, before.naTotal);
    EXPECT_EQ(w.mValue, before.mValue);
}

TEST(DosingTest, DoseTexts) {
    struct Case {
        Chemical chemical;
        bool toPh;
        const char* text;
    };
    const Case cases[] = {
        {Chemical::Hcl, true, "1.235 ml HCl-Zugabe mit c(HCl) =0,5 mol/l"},
        {Chemical::H2so4, true, "1.235 ml H2SO4-Zugabe mit c(H2SO4) =0,5 mol/l"},
        {Chemical::Co2, true, "1.235 mmol/l CO2-Zugabe"},
        {Chemical::Naoh, true, "1.235 ml NaOH-Zugabe mit c(NaOH) =0,5 mol/l"},
        {Chemical::Koh, true, "1.235 ml KOH-Zugabe mit c(KOH) =0,5 mol/l"},
        {Chemical::CaOh2, true, "1.235 ml Ca(OH)2-Zugabe mit c(Ca(OH)2) = 0,5 mol/l"},
        {Chemical::Hcl, false, "1.235 ml/l HCl-Zugabe mit c(HCl)=0,5 mol/l"},
        {Chemical::H2so4, false, "1.235 ml/l H2SO4-Zugabe mit c(H2SO4)=0,5 mol/l"},
        {Chemical::Co2, false, "1.235 mmol/l CO2-Zugabe"},
        {Chemical::Naoh, false, "1.235 ml/l NaOH-Zugabe mit c(NaOH)=0,5 mol/l"},
        {Chemical::Koh, false, "1.235 ml/l KOH-Zugabe mit c(KOH)=0,5 mol/l"},
        {Chemical::CaOh2, false, "1.235 ml/l Ca(OH)2-Zugabe mit c(Ca(OH)2)=0,5 mol/l"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(doseText(c.chemical, c.toPh, 1.2345, QStringLiteral("0,5")).toStdString(), c.text);
}

} // namespace
} // namespace velmora
