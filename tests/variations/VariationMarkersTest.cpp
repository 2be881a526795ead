#include "common/Units.h"
#include "variations/MixingRecord.h"
#include "variations/TemperatureRecord.h"
#include "VariationSamples.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

std::string shown(const ResultRecord& record, const char* cell) {
    const std::optional<QString> text = record.markerText(QString::fromUtf8(cell));
    return text ? text->toStdString() : "(bleibt)";
}

std::string three(double value) {
    return QString::number(value, 'f', 3).toStdString();
}

} // namespace

// The tests run under the program's German locale: shares are written with ",".
TEST(MixingMarkers, SelectorsChooseTheWaterAndTheRow) {
    const MixingRecord record(test::mixingSeries(0, 100));
    const MixingRecords& r = record.records;
    const struct {
        const char* cell;
        std::string text;
    } markers[] = {
        {"*001*", "Mischung Süd/Fluss"},
        {"*005*", "Mischen von Brunnen Süd und Fluss"},
        {"*006a*", three(r.waterA.inputs.pHm)},
        {"*006x*", three(r.waterB.inputs.pHm)},
        {"*006*", three(r.waterB.inputs.pHm)},
        {"*014a*", "10.000"},
        {"*014b*", "20.000"},
        {"*017*", "25.000"},
        {"*025a*", three(r.waterA.inputs.totals[0] * 1000 * 40.08)},
        {"*040a*", three(r.mixture.rows[0][slot::co2] * 1000)},
        {"*065k*", three(r.mixture.rows[10][slot::pH])},
        {"*069c*", three(r.mixture.rows[2][slot::ohMinusH] * 1e6)},
        {"*071b*", three(units::kelvinToCelsius(r.mixture.rows[1][slot::tEval]))},
        {"*072a*", "0,0"},
        {"*072f*", "50,0"},
        {"*072k*", "100,0"},
        {"*073a*", "100,0"},
        {"*073k*", "0,0"},
        {"*040*", "(bleibt)"},
        {"*040z*", "(bleibt)"},
        {"*072l*", "(bleibt)"},
        {"*032*", "(bleibt)"},
        {"*039a*", "(bleibt)"},
        {"*074a*", "(bleibt)"},
        {"*06*", "(bleibt)"},
        {"x006*", "(bleibt)"},
    };
    for (const auto& marker : markers)
        EXPECT_EQ(shown(record, marker.cell), marker.text) << marker.cell;
}

TEST(MixingMarkers, ASeriesFallingFromEightyShowsItsOwnShares) {
    const MixingRecord record(test::mixingSeries(80, 20));
    EXPECT_EQ(shown(record, "*072a*"), "80,0");
    EXPECT_EQ(shown(record, "*072b*"), "74,0");
    EXPECT_EQ(shown(record, "*072k*"), "20,0");
    EXPECT_EQ(shown(record, "*073a*"), "20,0");
    EXPECT_EQ(shown(record, "*073k*"), "80,0");
}

TEST(TemperatureMarkers, RowsByTheirSelectorAndInputsWhateverTheSelector) {
    const TemperatureRecord record(test::temperatureSeries(0, 70));
    const VariationRecord& s = record.series;
    EXPECT_EQ(shown(record, "*071a*"), "0.000");
    EXPECT_EQ(shown(record, "*071k*"), "70.000");
    EXPECT_EQ(shown(record, "*064e*"), three(s.rows[4][slot::si]));
    EXPECT_EQ(shown(record, "*006a*"), three(s.inputs.pHm));
    EXPECT_EQ(shown(record, "*006q*"), three(s.inputs.pHm));
    EXPECT_EQ(shown(record, "*002*"), "Jörg Maß");
    EXPECT_EQ(shown(record, "*072a*"), "(bleibt)");
    EXPECT_EQ(shown(record, "*073a*"), "(bleibt)");
    EXPECT_EQ(shown(record, "*071*"), "(bleibt)");
}
