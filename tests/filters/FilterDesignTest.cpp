#include "filters/CarbonFilter.h"
#include "filters/IronFilter.h"
#include "filters/SandFilter.h"
#include "Near.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::isNear;
using test::Tolerance;

std::vector<std::string> strings(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& item : list)
        out.push_back(item.toStdString());
    return out;
}

// ---- shared sizes

TEST(FilterSizesTest, SizesAreRoundedToATenthOfAMetreAfterTheAllowance) {
    EXPECT_EQ(roundedToTenthMetre(2301, 49), 2400.0);
    EXPECT_EQ(roundedToTenthMetre(2300, 49), 2300.0);
    EXPECT_EQ(roundedToTenthMetre(1200, 49), 1200.0);
    EXPECT_EQ(roundedToTenthMetre(1200, 51), 1300.0);
    EXPECT_EQ(roundedToTenthMetre(1198, 51), 1200.0);
    EXPECT_EQ(roundedToTenthMetre(0.5, 49), std::nullopt); // "#.#" leaves nothing of 0.0495 m
    EXPECT_EQ(roundedToTenthMetre(std::nan(""), 49), std::nullopt);
    // A rectangle side of exactly 0 stays 0, where the allowance alone would give no number.
    const std::optional<RectangleSize> flat = rectangleOf(0.0, 3.0, 1000.0, 49.0);
    ASSERT_TRUE(flat);
    EXPECT_EQ(flat->roundedWidth, 0.0);
    EXPECT_EQ(flat->roundedLength, 0.0);
    EXPECT_EQ(rectangleOf(5.0, 0.0, 1000.0, 49.0), std::nullopt);
}

TEST(FilterSizesTest, TheShareOfEachFilterAndTheNumberOfFilters) {
    const char* const shares[] = {
        "x 100% Leistung",   "x 50% Leistung",   "x 33,33% Leistung", "x 25% Leistung",    "x 20% Leistung",
        "x 16,67% Leistung", "x 14,3% Leistung", "x 12,5% Leistung",  "x 11,11% Leistung", "x 10% Leistung",
        "x 9,1% Leistung",   "x 8,33% Leistung", "x 7,7% Leistung",   "x 7,14% Leistung"};
    for (int n = 2; n <= 15; ++n)
        EXPECT_EQ(shareLabel(n).toStdString(), shares[n - 2]) << n;
    EXPECT_EQ(shareLabel(1), QString());
    EXPECT_EQ(shareLabel(16), QString());
    for (const char* typed : {"1", "16", "", "0", "99"})
        EXPECT_EQ(validFilterCount(QString::fromLatin1(typed)).toStdString(), "2") << typed;
    EXPECT_EQ(validFilterCount(QStringLiteral("15")).toStdString(), "15");
    EXPECT_EQ(strings(filterRatioItems()).front(), "1");
    EXPECT_EQ(strings(filterRatioItems())[1], "1,2");
    EXPECT_EQ(strings(filterRatioItems())[10], "3");
    EXPECT_EQ(strings(filterRatioItems()).back(), "7");
    EXPECT_EQ(filterRatioItems().size(), 31);
}

// ---- activated carbon

TEST(CarbonFilterTest, EachPurposeOffersItsListsAndPresets) {
    const CarbonPurpose adsorption = carbonPurpose(0);
    EXPECT_EQ(strings(adsorption.loads),
              (std::vector<std::string>{"1,0", "1,1", "1,2", "1,3", "1,4", "1,5"}));
    EXPECT_EQ(adsorption.loadPreset.toStdString(), "1,5");
    EXPECT_EQ(strings(adsorption.velocities), (std::vector<std::string>{"3,0", "3,5", "4,0", "4,5", "5,0"}));
    EXPECT_EQ(adsorption.velocityPreset.toStdString(), "5,0");
    EXPECT_EQ(adsorption.hint2.toStdString(), "von 5000mm nicht überschreiten.");

    const CarbonPurpose biology = carbonPurpose(1);
    EXPECT_EQ(strings(biology.loads), (std::vector<std::string>{"3,0", "3,5", "4,0", "4,5", "5,0"}));
    EXPECT_EQ(biology.loadPreset.toStdString(), "5,0");
    EXPECT_EQ(biology.velocities.size(), 21);
    EXPECT_EQ(biology.velocities.back().toStdString(), "20,0");
    EXPECT_EQ(biology.velocityPreset.toStdString(), "15,0");

    const CarbonPurpose reduction = carbonPurpose(2);
    EXPECT_EQ(strings(reduction.loads),
              (std::vector<std::string>{"12,0", "12,5", "13,0", "13,5", "14,0", "14,5", "15,0"}));
    EXPECT_EQ(strings(reduction.velocities),
              (std::vector<std::string>{"25", "25,5", "26,0", "26,5", "27,0", "27,5", "28,0", "28,5", "29,0",
                                        "29,5", "30,0"}));
    EXPECT_EQ(reduction.velocityPreset.toStdString(), "30,0");
    EXPECT_EQ(reduction.hint1.toStdString(), "Die Filterschichthöhe sollte eine Höhe h");
    EXPECT_EQ(reduction.hint2.toStdString(), "zwischen 2000mm und 3000mm haben.");
    EXPECT_EQ(QString::fromUtf16(carbonPurpose(7).name), QStringLiteral("Adsorption organischer Stoffe"));
}

TEST(CarbonFilterTest, BedHeightsAreJudgedAtThePurposesLimits) {
    struct Case {
        int purpose;
        double height;
        HeightVerdict verdict;
    } const cases[] = {
        {0, 5000, HeightVerdict::Fine},    {0, 5100, HeightVerdict::TooHigh},
        {0, 100, HeightVerdict::Fine},     {1, 5000, HeightVerdict::Fine},
        {1, 5100, HeightVerdict::TooHigh}, {2, 2000, HeightVerdict::Fine},
        {2, 1900, HeightVerdict::TooLow},  {2, 3000, HeightVerdict::Fine},
        {2, 3100, HeightVerdict::TooHigh},
    };
    for (const Case& c : cases)
        EXPECT_EQ(carbonHeightVerdict(c.purpose, c.height), c.verdict) << c.purpose << " " << c.height;
}

TEST(CarbonFilterTest, AHundredCubicMetresAnHourForAdsorption) {
    const std::optional<CarbonFilterDesign> two = designCarbonFilter({0, 100.0, 1.5, 5.0, 2, 3.0});
    ASSERT_TRUE(two);
    EXPECT_TRUE(isNear("V", two->volume, 66.667, Tolerance::abs(5e-4)));
    EXPECT_EQ(two->area, 20.0);
    EXPECT_TRUE(isNear("h", two->height, 3333.33, Tolerance::abs(0.01)));
    EXPECT_EQ(two->roundedHeight, 3400.0);
    EXPECT_EQ(two->areaPerFilter, 20.0);
    EXPECT_EQ(std::round(two->circle.diameter), 5046.0);
    EXPECT_EQ(two->circle.roundedDiameter, 5100.0);
    EXPECT_GT(two->circle.roundedDiameter, largestFilterDiameter);
    EXPECT_EQ(two->share, 100.0);

    const std::optional<CarbonFilterDesign> five = designCarbonFilter({0, 100.0, 1.5, 5.0, 5, 3.0});
    ASSERT_TRUE(five);
    EXPECT_EQ(five->areaPerFilter, 5.0);
    EXPECT_EQ(std::round(five->circle.diameter), 2523.0);
    EXPECT_EQ(five->circle.roundedDiameter, 2600.0);
    EXPECT_TRUE(isNear("Ar", five->circle.area, 5.309, Tolerance::abs(5e-4)));
    EXPECT_TRUE(isNear("Vr", five->circle.volume, 3.4 * five->circle.area, Tolerance::rel(1e-12)));
    EXPECT_EQ(five->share, 25.0);
    EXPECT_EQ(five->totalFilters, 5);
    const RectangleSize& r = five->rectangle;
    EXPECT_EQ(std::round(r.width), 1291.0);
    EXPECT_EQ(std::round(r.length), 3873.0);
    EXPECT_EQ(r.roundedWidth, 1300.0);
    EXPECT_EQ(r.roundedLength, 3900.0);
    EXPECT_TRUE(isNear("Arect", r.area, 5.07, Tolerance::abs(1e-12)));
    EXPECT_TRUE(isNear("Vrect", r.volume, 3.4 * 5.07, Tolerance::abs(1e-12)));
    EXPECT_EQ(r.ratio, 3.0);
}

TEST(CarbonFilterTest, NoFlowOrNoNumberIsNoDesign) {
    EXPECT_FALSE(designCarbonFilter({0, 0.0, 1.5, 5.0, 2, 3.0}));
    EXPECT_FALSE(designCarbonFilter({0, 100.0, 1.5, 0.0, 2, 3.0}));
    EXPECT_FALSE(designCarbonFilter({0, 100.0, 0.0, 5.0, 2, 3.0}));
    EXPECT_FALSE(designCarbonFilter({0, 100.0, 1.5, 5.0, 1, 3.0}));
}

// ---- iron removal

IronWater groundwater() {
    return {1.0, 7.0, 8.0, 1.0, 10.0, 1.5};
}

TEST(IronFilterTest, ParameterCAndThePermissibleVelocity) {
    const std::optional<IronVelocity> v = ironVelocity(groundwater());
    ASSERT_TRUE(v);
    EXPECT_TRUE(isNear("C", v->c, 307.5 / (std::pow(10.0, 3.85) * 0.905), Tolerance::rel(1e-12)));
    EXPECT_TRUE(isNear("C", v->c, 0.0480, Tolerance::abs(5e-5)));
    EXPECT_TRUE(isNear("vf", v->velocity, 15.3, Tolerance::abs(0.05)));
    EXPECT_LT(v->velocity, largestIronVelocity);
    EXPECT_GT(v->velocity, largestOpenFilterVelocity);
    EXPECT_EQ(v->shellHeight, 2500.0);

    for (const IronWater& w : {IronWater{0.0, 7, 8, 1, 10, 1.5}, IronWater{1, 7, 8, 0.0, 10, 1.5}})
        EXPECT_FALSE(ironVelocity(w)) << w.iron << " " << w.grain;
}

TEST(IronFilterTest, LimitsAreCheckedInTheDialogsOrder) {
    struct Case {
        IronWater water;
        const char* text;
        const char* edit;
    } const cases[] = {
        {{9, 15, 13, 4, 26, 6}, "Der pH-Wert ist zu groß.", "pHWert"},
        {{9, 14, 13, 4, 26, 6}, "Die Massenkonzentration an Eisen-Ionen ist zu groß.", "Eisen"},
        {{8, 14, 13, 4, 26, 6},
         "Überprüfen Sie die Eingabe der Massenkonzentration an Sauerstoff-Ionen.",
         "Sauerstoff"},
        {{8, 14, 12, 4, 26, 6}, "Überprüfen Sie die Eingabe der Temperatur.", "WasserTemperatur"},
        {{8, 14, 12, 4, 25, 6}, "Die Filterschichthöhe ist zu groß.", "Filterschichthoehe"},
        {{8, 14, 12, 4, 25, 5}, "Der Filterkorndurchmesser ist zu groß.", "KornDurchmesser"},
    };
    for (const Case& c : cases) {
        const std::optional<FormMessage> message = ironLimitMessage(c.water);
        ASSERT_TRUE(message) << c.text;
        EXPECT_EQ(message->text.toStdString(), c.text);
        EXPECT_EQ(message->focus.toStdString(), c.edit);
        EXPECT_EQ(message->icon, DialogSeam::Icon::Warning);
    }
    EXPECT_FALSE(ironLimitMessage({8, 14, 12, 3, 25, 5})); // the limits themselves pass
}

TEST(IronFilterTest, TheRectanglesSidesGetFiftyOneMillimetres) {
    // Af chosen so that W = 1200 mm at ratio 1: W + 51 rounds up, D + 49 of a circle of 1200 mm would not.
    const std::optional<IronFilterSize> s = dimensionIronFilter(1.44, 1.0, 2500.0, 2, 1.0);
    ASSERT_TRUE(s);
    EXPECT_TRUE(isNear("W", s->rectangle.width, 1200.0, Tolerance::abs(1e-9)));
    EXPECT_EQ(s->rectangle.roundedWidth, 1300.0);
    EXPECT_EQ(s->rectangle.roundedLength, 1300.0);
    EXPECT_TRUE(isNear("V", s->volume, 2.5 * 1.44, Tolerance::rel(1e-12)));
    EXPECT_TRUE(isNear("Vrect", s->rectangle.volume, 2.5 * 1.69, Tolerance::rel(1e-12)));
    const std::optional<IronFilterSize> narrower = dimensionIronFilter(1.198 * 1.198, 1.0, 2500.0, 2, 1.0);
    ASSERT_TRUE(narrower);
    EXPECT_EQ(narrower->rectangle.roundedWidth, 1200.0);

    const std::optional<IronFilterSize> four = dimensionIronFilter(100.0, 5.0, 2500.0, 4, 3.0);
    ASSERT_TRUE(four);
    EXPECT_EQ(four->area, 20.0);
    EXPECT_TRUE(isNear("Af", four->areaPerFilter, 20.0 / 3.0, Tolerance::rel(1e-12)));
    EXPECT_FALSE(dimensionIronFilter(100.0, 0.0, 2500.0, 2, 3.0)); // the velocity of a first split
    EXPECT_FALSE(dimensionIronFilter(100.0, -5.0, 2500.0, 2, 3.0));
}

// ---- sand filter

TEST(SandFilterTest, TheVelocitiesOfferedFollowTheChoices) {
    struct Case {
        SandChoice choice;
        const char *first, *last, *preset;
        qsizetype count;
    } const cases[] = {
        {{0, true, false}, "10,0", "20,0", "15,0", 21}, {{1, true, false}, "7,0", "10,0", "8,0", 7},
        {{2, true, false}, "7,0", "15,0", "12,0", 17},  {{0, false, false}, "4,0", "7,0", "5,0", 7},
        {{2, false, false}, "4,0", "7,0", "5,0", 7},    {{0, true, true}, "13,0", "26,0", "19,5", 21},
        {{1, true, true}, "9,1", "13,0", "10,4", 7},    {{2, true, true}, "9,1", "19,5", "15,6", 17},
        {{1, false, true}, "5,2", "9,1", "6,5", 7},
    };
    for (const Case& c : cases) {
        const SandVelocities v = sandVelocities(c.choice);
        ASSERT_EQ(v.items.size(), c.count) << c.first;
        EXPECT_EQ(v.items.front().toStdString(), c.first);
        EXPECT_EQ(v.items.back().toStdString(), c.last);
        EXPECT_EQ(v.items[v.preset].toStdString(), c.preset);
    }
    // Every multi-layer item is the single-layer one times 1.3.
    const SandVelocities single = sandVelocities({0, true, false});
    const SandVelocities multi = sandVelocities({0, true, true});
    EXPECT_EQ(multi.items[1].toStdString(), "13,7"); // 10.5 × 1.3 = 13.65
    EXPECT_EQ(single.preset, multi.preset);
    EXPECT_EQ(strings(sandHeights(false)), (std::vector<std::string>{"1500", "2000", "2500"}));
    EXPECT_EQ(strings(sandHeights(true)), (std::vector<std::string>{"2000", "2500", "3000"}));
    EXPECT_EQ(sandKindName(2).toStdString(), "Filtration geflockten und sedimentierten Wassers");
}

TEST(SandFilterTest, RangesFollowTheChoices) {
    struct Case {
        SandChoice choice;
        double low, high;
    } const cases[] = {
        {{0, true, false}, 10, 20},   {{1, true, false}, 7, 10},    {{2, true, false}, 7, 15},
        {{1, false, false}, 4, 7},    {{0, true, true}, 13, 26},    {{1, true, true}, 9.1, 13},
        {{2, true, true}, 9.1, 19.5}, {{2, false, true}, 5.2, 9.1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sandVelocityRange(c.choice).low, c.low) << c.choice.kind << c.choice.pressure;
        EXPECT_EQ(sandVelocityRange(c.choice).high, c.high) << c.choice.kind << c.choice.pressure;
    }
    EXPECT_EQ(sandHeightRange(false).low, 1500.0);
    EXPECT_EQ(sandHeightRange(false).high, 2500.0);
    EXPECT_EQ(sandHeightRange(true).low, 2000.0);
    EXPECT_EQ(sandHeightRange(true).high, 3000.0);
}

TEST(SandFilterTest, TwoHundredCubicMetresAnHour) {
    const std::optional<SandFilterSize> two = designSandFilter(200.0, 2, 15.0, 2000.0);
    ASSERT_TRUE(two);
    EXPECT_TRUE(isNear("A", two->area, 13.333, Tolerance::abs(5e-4)));
    EXPECT_EQ(std::round(two->diameter), 4120.0);
    EXPECT_EQ(two->roundedDiameter, 4200.0);
    EXPECT_EQ(two->shellHeight, 3000.0);

    const std::optional<SandFilterSize> four = designSandFilter(200.0, 4, 15.0, 2000.0);
    ASSERT_TRUE(four);
    EXPECT_TRUE(isNear("Qf", four->flowPerFilter, 66.667, Tolerance::abs(5e-4)));
    EXPECT_TRUE(isNear("A", four->area, 4.444, Tolerance::abs(5e-4)));
    EXPECT_EQ(std::round(four->diameter), 2379.0);
    EXPECT_EQ(four->roundedDiameter, 2400.0);

    const std::optional<SandFilterSize> open = designSandFilter(200.0, 2, 5.0, 2000.0);
    ASSERT_TRUE(open);
    EXPECT_EQ(open->area, 40.0);
    EXPECT_EQ(std::round(open->diameter), 7136.0);
    EXPECT_EQ(open->roundedDiameter, 7200.0);

    const std::optional<SandFilterSize> tiny = designSandFilter(1e-9, 2, 15.0, 2000.0);
    ASSERT_TRUE(tiny);
    EXPECT_EQ(tiny->roundedDiameter, std::nullopt); // below 1 mm
    EXPECT_FALSE(designSandFilter(200.0, 2, 0.0, 2000.0));
    EXPECT_FALSE(designSandFilter(200.0, 1, 15.0, 2000.0));
}

} // namespace
} // namespace velmora
