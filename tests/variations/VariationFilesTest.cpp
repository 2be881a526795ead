#include "common/FixedRecord.h"
#include "GoldenRecord.h"
#include "variations/MixingRecord.h"
#include "variations/TemperatureRecord.h"
#include "VariationSamples.h"

#include <gtest/gtest.h>

using namespace velmora;

// The layout of the variation record: offsets as data files of earlier versions hold them.
TEST(VariationRecord, FieldsStandAtTheirOffsets) {
    const VariationRecord series = test::temperatureSeries(10, 15, 4);
    const QByteArray bytes = TemperatureRecord(series).encode();
    ASSERT_EQ(bytes.size(), 4136);
    const RecordReader read(bytes);
    EXPECT_EQ(read.readText(0), QStringLiteral("Mischung Süd/Fluss"));
    EXPECT_EQ(read.readText(324), QStringLiteral("Mischen von Brunnen Süd und Fluss"));
    EXPECT_EQ(read.readDouble(408), series.inputs.pHm);
    EXPECT_EQ(read.readDouble(448), series.inputs.tKb);
    EXPECT_EQ(read.readDouble(456), series.inputs.sourceResults[0]);
    EXPECT_EQ(read.readDouble(480), series.inputs.sourceResults[3]);
    EXPECT_EQ(read.readDouble(488), series.inputs.dic);
    EXPECT_EQ(read.readDouble(528), series.inputs.o2Mass);
    EXPECT_EQ(read.readDouble(536), series.inputs.totals[0]);
    EXPECT_EQ(read.readDouble(584), series.inputs.totals[6]);
    EXPECT_EQ(read.readDouble(592), 10.0);
    EXPECT_EQ(read.readDouble(600), 15.0);
    EXPECT_EQ(std::uint8_t(read.bytes(608, 1)[0]), 4);
    EXPECT_EQ(read.readDouble(616 + 25 * 8), series.rows[0][slot::pH]);
    EXPECT_EQ(read.readDouble(616 + 10 * 320 + 39 * 8), series.rows[10][39]);
}

TEST(MixingFile, MatchesTheGoldenFileAndRefusesEveryShorterOne) {
    test::expectGoldenFile("mischung.wam", MixingRecord(test::mixingSeries(0, 100)));
}

TEST(TemperatureFile, MatchesTheGoldenFileAndRefusesEveryShorterOne) {
    test::expectGoldenFile("temperatur.wat", TemperatureRecord(test::temperatureSeries(0, 70)));
}
