#include "variations/ChartContent.h"

#include "VariationSamples.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

QStringList labels(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

} // namespace

TEST(ChartContent, TheKindFollowsTheMenuItemAndTheWindow) {
    EXPECT_EQ(chartKindOf(WindowKind::Mixing, true), ChartKind::MixingPh);
    EXPECT_EQ(chartKindOf(WindowKind::Mixing, false), ChartKind::MixingSi);
    EXPECT_EQ(chartKindOf(WindowKind::Temperature, true), ChartKind::TemperaturePh);
    EXPECT_EQ(chartKindOf(WindowKind::Temperature, false), ChartKind::TemperatureSi);
    EXPECT_EQ(chartKindOf(WindowKind::Water, true), std::nullopt);
}

// The tests run under the program's German locale.
TEST(ChartContent, AMixingSeriesShowsItsSharesOfWaterA) {
    const VariationRecord mixture = test::mixingSeries(0, 100).mixture;
    const ChartContent ph = chartContent(ChartKind::MixingPh, mixture, QStringLiteral("Reihe"));
    EXPECT_EQ(ph.caption, QStringLiteral("pH bei Bewertungstemperatur - Reihe"));
    EXPECT_EQ(ph.hint, QStringLiteral("Graphische Darstellung pH bei tb - Mischwasserberechnung"));
    EXPECT_EQ(ph.title, QStringLiteral("pH bei Bewertungstemperatur"));
    EXPECT_EQ(ph.axisTitle, QStringLiteral("VA*100% / (VA+VB)"));
    EXPECT_EQ(ph.colour, QColor(Qt::blue));
    EXPECT_EQ(ph.labels, labels({"0,0", "10,0", "20,0", "30,0", "40,0", "50,0", "60,0", "70,0", "80,0",
                                 "90,0", "100,0"}));
    for (std::size_t k = 0; k < VariationRecord::rowCount; ++k)
        EXPECT_EQ(ph.values[k], mixture.rows[k][slot::pH]) << k;
    const ChartContent si = chartContent(ChartKind::MixingSi, mixture, QStringLiteral("Reihe"));
    EXPECT_EQ(si.title, QStringLiteral("Sättigungsindex bei Bewertungstemperatur"));
    EXPECT_EQ(si.values[3], mixture.rows[3][slot::si]);
    EXPECT_EQ(si.foot,
              QStringLiteral("\n\n\nAnalyse:            Mischung Süd/Fluss\nBearbeiter:        Jörg Maß\n"
                             "Datum:              09.12.26\nAnmerkung 1:   Ganglinie\n"
                             "Anmerkung 2:   Mischen von Brunnen Süd und Fluss"));
}

TEST(ChartContent, ATemperatureSeriesShowsItsTemperatures) {
    const VariationRecord series = test::temperatureSeries(0, 70);
    const ChartContent si = chartContent(ChartKind::TemperatureSi, series, QStringLiteral("Brunnen"));
    EXPECT_EQ(si.caption, QStringLiteral("SI als Funktion der Bewertungstemperatur - Brunnen"));
    EXPECT_EQ(si.hint,
              QStringLiteral("Graphische Darstellung SI als Funktion von tb - Temperaturabhängigkeit"));
    EXPECT_EQ(si.title, QStringLiteral("Sättigungsindex als Funktion von tb"));
    EXPECT_EQ(si.axisTitle, QStringLiteral("Bewertungstemperatur tb / °C"));
    EXPECT_EQ(si.colour, QColor(Qt::red));
    EXPECT_EQ(si.labels,
              labels({"0,0", "7,0", "14,0", "21,0", "28,0", "35,0", "42,0", "49,0", "56,0", "63,0", "70,0"}));
    EXPECT_EQ(si.values[10], series.rows[10][slot::si]);
    EXPECT_EQ(chartContent(ChartKind::TemperaturePh, series, {}).title,
              QStringLiteral("pH-Wert als Funktion von tb"));
}
