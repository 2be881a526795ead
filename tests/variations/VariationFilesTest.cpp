#include "common/FixedRecord.h"
#include "TestData.h"
#include "variations/MixingRecord.h"
#include "variations/TemperatureRecord.h"
#include "VariationSamples.h"

#include <gtest/gtest.h>
#include <QFile>

using namespace velmora;

namespace {

QByteArray golden(const char* name) {
    QFile file(test::testDataPath(QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// Where two byte strings first differ, or -1 where they are equal.
qsizetype firstDifference(const QByteArray& a, const QByteArray& b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i)
        if (a[i] != b[i])
            return i;
    return a.size() == b.size() ? -1 : common;
}

// Every prefix shorter than the file is refused and leaves the record as it was.
template <class Record>
void expectEveryPrefixRefused(const QByteArray& bytes) {
    const Record before;
    for (qsizetype length = 0; length < bytes.size(); length += 7) {
        Record record = before;
        EXPECT_THROW(record.decode(bytes.first(length)), FileError) << length;
        EXPECT_EQ(record.encode(), before.encode()) << length;
    }
}

} // namespace

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

// The computed series writes the golden file's bytes, the file reads back to it, and every shorter prefix
// is refused.
template <class Record>
void expectGoldenFile(const char* name, const Record& computed) {
    const QByteArray bytes = golden(name);
    EXPECT_EQ(firstDifference(computed.encode(), bytes), -1);
    Record read;
    read.decode(bytes);
    EXPECT_EQ(read.encode(), computed.encode());
    expectEveryPrefixRefused<Record>(bytes);
}

TEST(MixingFile, MatchesTheGoldenFileAndRefusesEveryShorterOne) {
    expectGoldenFile("mischung.wam", MixingRecord(test::mixingSeries(0, 100)));
}

TEST(TemperatureFile, MatchesTheGoldenFileAndRefusesEveryShorterOne) {
    expectGoldenFile("temperatur.wat", TemperatureRecord(test::temperatureSeries(0, 70)));
}
